#include "display/audience.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

// The desktop's answer about its monitors, as a test sets it.
class FakePowerProbe : public PowerProbe {
 public:
  bool CanTell() const override { return canTell; }
  bool MonitorsAsleep() override {
    ++asked;
    return asleep;
  }
  bool canTell = true;
  bool asleep = false;
  int asked = 0;
};

constexpr int64_t kS = 1000000;

// Monitors that go to sleep rest the show within a second, and it goes on
// within a second of their waking; the desktop is asked once a second.
TEST(Audience, SleepingMonitorsAreAskedOnceASecond) {
  FakePowerProbe probe;
  Audience audience(&probe);
  audience.SetWindowMapped(1, true);
  for (int64_t t = 0; t < 3 * kS; t += kS / 100) audience.Probe(t);
  EXPECT_EQ(probe.asked, 3);
  EXPECT_TRUE(audience.Seen());
  probe.asleep = true;
  audience.Probe(3 * kS - 1);
  EXPECT_TRUE(audience.Seen());
  EXPECT_EQ(audience.NextProbeUs(), 3 * kS);
  audience.Probe(3 * kS);
  EXPECT_FALSE(audience.Seen());
  probe.asleep = false;
  audience.Probe(3 * kS + kS / 2);
  EXPECT_FALSE(audience.Seen());
  audience.Probe(4 * kS);
  EXPECT_TRUE(audience.Seen());
}

// While the show is out of sight anyway the monitors do not matter and are
// not asked; they are asked at once when it comes back into sight.
TEST(Audience, MonitorsAreNotAskedWhileTheShowIsOutOfSightAnyway) {
  FakePowerProbe probe;
  Audience audience(&probe);
  audience.Probe(0);
  audience.SetScreenSaverOn(true);
  EXPECT_FALSE(audience.Seen());
  EXPECT_EQ(audience.NextProbeUs(), INT64_MAX);
  for (int64_t t = kS; t < 10 * kS; t += kS / 10) audience.Probe(t);
  EXPECT_EQ(probe.asked, 1);
  probe.asleep = true;
  audience.SetScreenSaverOn(false);
  EXPECT_LE(audience.NextProbeUs(), 10 * kS);
  audience.Probe(10 * kS);
  EXPECT_EQ(probe.asked, 2);
  EXPECT_FALSE(audience.Seen());
}

TEST(Audience, ADesktopThatCannotTellIsNeverAsked) {
  FakePowerProbe probe;
  probe.canTell = false;
  probe.asleep = true;
  Audience audience(&probe);
  audience.Probe(0);
  EXPECT_EQ(probe.asked, 0);
  EXPECT_EQ(audience.NextProbeUs(), INT64_MAX);
  EXPECT_TRUE(audience.Seen());
}

// The show is out of sight only when every one of its windows is unmapped or
// fully covered.
TEST(Audience, EveryWindowMustBeHiddenOrCovered) {
  Audience audience;
  EXPECT_TRUE(audience.Seen());
  audience.SetWindowMapped(1, true);
  audience.SetWindowMapped(2, true);
  audience.SetWindowCovered(1, true);
  EXPECT_TRUE(audience.Seen());
  audience.SetWindowMapped(2, false);
  EXPECT_FALSE(audience.Seen());
  audience.SetWindowCovered(1, false);
  EXPECT_TRUE(audience.Seen());
}

}  // namespace
}  // namespace gs
