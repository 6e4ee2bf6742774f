// Wave files as a messy data folder may hold them.
#include "sound/sdl/sound_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "support/test_tone.h"

namespace gs {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteTone;

// A wave header claiming dataBytes at byteRate, followed by only `present`
// bytes of samples.
std::string Wave(uint32_t byteRate, uint32_t dataBytes, size_t present) {
  return testing::WaveHeader(byteRate, dataBytes) + std::string(present, '\0');
}

class SoundFiles : public ::testing::Test {
 protected:
  // Loads path through the audio layer: the id must stay silent, with one
  // line on stderr naming the file and the problem.
  void ExpectRefused(const std::string& path, const std::string& problem) {
    ::testing::internal::CaptureStderr();
    const int32_t id = audio.LoadSound(path);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_GT(id, 0);
    EXPECT_FALSE(audio.IsLoaded(id)) << path;
    audio.PlaySound(id, -1, -1);
    EXPECT_FALSE(audio.IsPlaying(id));
    EXPECT_EQ(err.rfind("gobbleshot1: " + path + ": sound " + problem, 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir.File(name), std::ios::binary) << bytes;
    return dir.File(name);
  }
  ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
  TempDir dir;
  SdlAudio audio;
};

TEST_F(SoundFiles, OnlyRegularWaveFilesTheShowCanUseAreLoaded) {
  ASSERT_TRUE(audio.HasDevice());
  WriteTone(dir.File("tone.wav"), 0.5, 0.5);
  EXPECT_TRUE(audio.IsLoaded(audio.LoadSound(dir.File("tone.wav"))));
  // Exactly the longest sound the show can use, and a header whose size
  // claims more than the file holds: only what is there counts.
  EXPECT_EQ(WaveProblem(Wave(88200, 88200 * 30, 88200 * 30)), "");
  EXPECT_EQ(WaveProblem(Wave(88200, 0xFFFFFFF0u, 1000)), "");

  ExpectRefused(Write("long.wav", Wave(88200, 88200 * 31, 88200 * 31)), "too long (31 s, at most 30 s)");
  ExpectRefused(Write("slow.wav", Wave(1, 5000, 5000)), "too long (5000 s");
  ExpectRefused(Write("norate.wav", Wave(0, 100, 100)), "not a wave file (no format or no data)");
  ExpectRefused(Write("nodata.wav", Wave(88200, 10, 0).substr(0, 36)), "not a wave file (no format or no data)");
  ExpectRefused(Write("text.wav", "just some words"), "not a wave file");
  // Missing files, folders, FIFOs and devices are refused by the reader the
  // pictures share (checked with them); the size bound is the sounds' own.
  const std::string big = Write("big.wav", "");
  ASSERT_EQ(::truncate(big.c_str(), 64 << 20), 0);
  ExpectRefused(big, "too large (67108864 bytes");
}

}  // namespace
}  // namespace gs
