// The generated wave files as the show will play them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "sound_wave_reader.h"

namespace gs {
namespace {

using testing::ParseWave;
using testing::ReadBytes;
using testing::WaveData;

struct Expected {
  const char* file;
  double maxSeconds;
};

// Every name the sound bank loads; the moo and the gobble may run longer.
const Expected kSounds[] = {
    {"Turkey2.wav", 2.5}, {"crash.wav", 1.0}, {"thump.wav", 1.0}, {"whizz.wav", 1.0}, {"Impact01.wav", 1.0},
    {"Pop1.wav", 1.0},    {"gun.wav", 1.0},   {"gunbig.wav", 1.0}, {"bow.wav", 1.0},  {"bowpop.wav", 1.0},
    {"Grunt.wav", 1.0},   {"cow1.wav", 2.5},  {"plop.wav", 1.0},
};

double RmsDb(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return 10.0 * std::log10(std::max(sum / static_cast<double>(to - from), 1e-9) / (32767.0 * 32767.0));
}

std::map<std::string, WaveData> LoadAll(const std::string& folder) {
  std::map<std::string, WaveData> all;
  for (const Expected& e : kSounds) {
    if (auto w = ParseWave(ReadBytes(folder + "/" + e.file))) all[e.file] = *w;
  }
  return all;
}

TEST(SoundFiles, EachIsAPlayableShortMonoWaveThatStartsAtOnceWithoutClipping) {
  const auto all = LoadAll(GS_DATA_DIR);
  for (const Expected& e : kSounds) {
    SCOPED_TRACE(e.file);
    auto it = all.find(e.file);
    ASSERT_NE(it, all.end()) << "missing or unreadable";
    const WaveData& w = it->second;
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 44100u);
    EXPECT_EQ(w.bits, 16);
    const double seconds = static_cast<double>(w.samples.size()) / 44100.0;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, e.maxSeconds);
    ASSERT_GT(w.samples.size(), 4410u);
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32000) << "clips or sits at full scale";
    EXPECT_GT(peak, 3000) << "nearly silent";
    // The cue is the event: sound within the first 5 ms, loud within 20 ms.
    const auto firstAudible = std::find_if(w.samples.begin(), w.samples.end(),
                                           [&](int16_t s) { return std::abs(static_cast<int>(s)) > peak / 20; });
    EXPECT_LT(firstAudible - w.samples.begin(), 220);
    EXPECT_GT(RmsDb(w.samples, 0, 882), -40.0);
    // No click at either end.
    EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 200);
    EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 200);
  }
}

TEST(SoundFiles, AllSitAtTheSameLoudnessWithinAFewDecibels) {
  const auto all = LoadAll(GS_DATA_DIR);
  ASSERT_EQ(all.size(), std::size(kSounds));
  std::vector<double> levels;
  for (const auto& [name, w] : all) levels.push_back(RmsDb(w.samples, 0, w.samples.size()));
  std::sort(levels.begin(), levels.end());
  const double median = levels[levels.size() / 2];
  for (const auto& [name, w] : all) {
    EXPECT_NEAR(RmsDb(w.samples, 0, w.samples.size()), median, 3.0) << name;
  }
}

TEST(SoundFiles, TheGeneratorWritesIdenticalBytesOnEveryRun) {
  namespace fs = std::filesystem;
  std::string tmpl = (fs::temp_directory_path() / "gs-soundgen-XXXXXX").string();
  ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
  const fs::path root = tmpl;
  fs::create_directories(root / "a");
  fs::create_directories(root / "b");
  for (const char* run : {"a", "b"}) {
    const std::string cmd = std::string("\"") + GS_SOUNDGEN + "\" \"" + (root / run).string() + "\"";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
  for (const Expected& e : kSounds) {
    SCOPED_TRACE(e.file);
    const std::string a = ReadBytes((root / "a" / e.file).string());
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, ReadBytes((root / "b" / e.file).string()));
    // The build's own copy came from the same generator.
    EXPECT_EQ(a, ReadBytes(std::string(GS_DATA_DIR) + "/" + e.file));
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace gs
