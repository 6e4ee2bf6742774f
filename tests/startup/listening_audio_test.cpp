// The renderer's audio: it plays nothing but says, cue by cue, whether a
// cue started its sound or found it still playing, by the file's length.
#include "startup/listening_audio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace gs {
namespace {

TEST(ListeningAudio, CueStartsASoundOnlyOnceItHasPlayedItsLength) {
  const std::string path = std::string(GS_DATA_DIR) + "/Pop1.wav";
  // A mono 16-bit file: its data after the 44-byte header, 2 bytes a sample.
  const auto lengthUs = static_cast<int64_t>((std::filesystem::file_size(path) - 44) / 2 * 1000000 / 44100);
  ASSERT_GT(lengthUs, 10000);
  SimClock clock;
  ListeningAudio audio(clock);
  std::vector<std::string> heard;
  audio.Listen([&](int64_t us, const std::string& file, bool started) {
    heard.push_back(std::to_string(us) + " " + file + (started ? " started" : " playing"));
  });
  const int32_t pop = audio.LoadSound(path), missing = audio.LoadSound("/nonexistent/gun.wav");
  ASSERT_NE(pop, 0);
  const auto cueAt = [&](int32_t id, int64_t us) {
    clock.Set(us);
    audio.PlaySound(id, -1, -1);
  };
  cueAt(pop, 1000);
  cueAt(pop, 1000 + lengthUs - 1);
  cueAt(pop, 1000 + lengthUs);
  cueAt(missing, 2000);  // a file that cannot be read is never heard
  cueAt(0, 2000);
  audio.StopSound(pop);
  cueAt(pop, 1000 + lengthUs + 5);
  audio.StopAllSounds();
  cueAt(pop, 1000 + lengthUs + 6);
  const std::string a = std::to_string(1000 + lengthUs);
  EXPECT_EQ(heard, (std::vector<std::string>{"1000 Pop1.wav started", std::to_string(999 + lengthUs) + " Pop1.wav playing",
                                             a + " Pop1.wav started", std::to_string(1005 + lengthUs) + " Pop1.wav started",
                                             std::to_string(1006 + lengthUs) + " Pop1.wav started"}));
}

}  // namespace
}  // namespace gs
