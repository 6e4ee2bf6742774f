#include "sound/sdl/mixer_volume.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace gs {
namespace {

TEST(MixerVolume, MapsAttenuationToMixerSteps) {
  struct Case {
    int32_t attenuation;
    int expected;
  };
  const Case cases[] = {
      {0, 128},         {1, 128},      {INT32_MAX, 128}, {-600, 64},     {-1000, 40},
      {-2500, 7},       {-10000, 0},   {-10001, 0},      {INT32_MIN, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MixerVolume(c.attenuation), c.expected) << "attenuation " << c.attenuation;
  }
}

TEST(MixerVolume, QuietestDialogSettingStaysAudibleAndNearTwentyFiveDecibels) {
  const int v = MixerVolume(-2500);
  ASSERT_GT(v, 0);
  EXPECT_NEAR(20.0 * std::log10(v / 128.0), -25.0, 1.0);
}

}  // namespace
}  // namespace gs
