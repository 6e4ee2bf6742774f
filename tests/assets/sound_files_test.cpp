// The generated wave files as the show will play them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "biquad.h"
#include "loudness.h"
#include "sound/sound_bank.h"
#include "support/sound_wave_reader.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

using testing::ParseWave;
using testing::ReadText;
using testing::WaveData;

constexpr size_t kRate = 44100;

double RmsDb(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return 10.0 * std::log10(std::max(sum / static_cast<double>(to - from), 1e-9) / (32767.0 * 32767.0));
}

std::vector<double> AsDouble(const std::vector<int16_t>& s) {
  std::vector<double> out;
  for (int16_t v : s) out.push_back(v / 32768.0);
  return out;
}

// Every file the sound bank loads that reads as a wave file.
std::map<std::string, WaveData> LoadAll(const std::string& folder) {
  std::map<std::string, WaveData> all;
  for (const SoundBankRow& row : SoundBank())
    if (auto w = ParseWave(ReadText(folder + "/" + row.file))) all[row.file] = *w;
  return all;
}

// Mono 16-bit 44.1 kHz, below full scale, the cue's event at once, not
// longer than any cue allows, and died away into silence by the end, not cut off.
TEST(SoundFiles, EachIsAPlayableMonoWaveThatStartsAtOnceAndDiesAwayIntoSilence) {
  const auto all = LoadAll(GS_DATA_DIR);
  for (const SoundBankRow& row : SoundBank()) {
    SCOPED_TRACE(row.file);
    auto it = all.find(row.file);
    ASSERT_NE(it, all.end()) << "missing or unreadable";
    const WaveData& w = it->second;
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 44100u);
    EXPECT_EQ(w.bits, 16);
    const std::vector<int16_t>& s = w.samples;
    ASSERT_GT(s.size(), 4410u);
    // A cue while its sound plays is not heard: none may hold the next one up.
    EXPECT_LT(s.size(), kRate * 5 / 2) << "longer than any cue allows";
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_LE(peak, 29204) << "a sample above -1 dBFS";
    EXPECT_GT(peak, 3000) << "nearly silent";
    // Sound within the first 5 ms, loud within 20 ms.
    const auto firstAudible =
        std::find_if(s.begin(), s.end(), [&](int16_t v) { return std::abs(static_cast<int>(v)) > peak / 20; });
    EXPECT_LT(firstAudible - s.begin(), 220);
    EXPECT_GT(RmsDb(s, 0, 882), -40.0);
    EXPECT_LT(std::abs(static_cast<int>(s.front())), 200) << "clicks at the start";
    // The end is silence, and the last tenth of a second before it (a third
    // of a short sound) far below the loudest.
    EXPECT_TRUE(std::all_of(s.end() - kRate / 20, s.end(), [](int16_t v) { return v == 0; }));
    size_t last = s.size();
    while (last > 0 && s[last - 1] == 0) --last;
    const size_t window = std::min(kRate / 10, last / 3);
    ASSERT_GT(window, 0u);
    double loudest = -100;
    for (size_t at = 0; at + window <= last; at += window / 4) loudest = std::max(loudest, RmsDb(s, at, at + window));
    EXPECT_LT(RmsDb(s, last - window, last), loudest - 30.0) << "ends before its tail has died away";
  }
}

TEST(SoundFiles, LoudnessFollowsTheMixFromCannonDownToThePops) {
  const auto all = LoadAll(GS_DATA_DIR);
  ASSERT_EQ(all.size(), SoundBank().size());
  // Loudest first; every sound of a rank at least 1 LU above every sound of
  // the ranks after it.
  const std::vector<std::vector<std::string>> ranks = {
      {"gunbig.wav"},
      {"gun.wav"},
      {"crash.wav"},
      {"thump.wav", "Impact01.wav"},
      {"bow.wav", "whizz.wav"},
      {"Turkey2.wav", "Grunt.wav", "cow1.wav"},
      {"Pop1.wav", "bowpop.wav", "plop.wav"},
  };
  std::map<std::string, double> lufs;
  for (const auto& [name, w] : all) lufs[name] = soundgen::MomentaryMaxLufs(AsDouble(w.samples));
  for (size_t r = 0; r + 1 < ranks.size(); ++r) {
    for (const std::string& louder : ranks[r])
      for (size_t q = r + 1; q < ranks.size(); ++q)
        for (const std::string& quieter : ranks[q])
          EXPECT_GT(lufs[louder], lufs[quieter] + 1.0) << louder << " against " << quieter;
  }
  // Loud enough to be heard over a quiet room, and the pops not lost.
  EXPECT_GT(lufs["gunbig.wav"], -12.0);
  EXPECT_GT(lufs["Pop1.wav"], -26.0);
}

// The share of a sound's energy that passes a band of the project's filters.
double ShareInBand(const std::vector<double>& s, double lowHz, double highHz) {
  soundgen::Biquad hp1, hp2, lp1, lp2;
  hp1.HighPass(lowHz, 0.707);
  hp2.HighPass(lowHz, 0.707);
  lp1.LowPass(highHz, 0.707);
  lp2.LowPass(highHz, 0.707);
  double in = 0, out = 0;
  for (double x : s) {
    const double y = lp2.Process(lp1.Process(hp2.Process(hp1.Process(x))));
    in += x * x;
    out += y * y;
  }
  return in > 0 ? out / in : 0;
}

double BandDb(const std::vector<double>& s, double lowHz, double highHz) {
  return 10.0 * std::log10(std::max(ShareInBand(s, lowHz, highHz), 1e-12));
}

// Small speakers play nothing below about 250 Hz: the booms need body above
// it. The crash crunches between 200 Hz and 1 kHz, the thump has a low body
// well above its click, the bow less edge than body.
TEST(SoundFiles, BoomsAndImpactsHaveBodyWhereSmallSpeakersPlay) {
  const auto all = LoadAll(GS_DATA_DIR);
  for (const char* name : {"gunbig.wav", "thump.wav", "crash.wav", "bow.wav"}) ASSERT_TRUE(all.count(name)) << name;
  const auto samples = [&](const char* name) { return AsDouble(all.at(name).samples); };
  EXPECT_GT(ShareInBand(samples("gunbig.wav"), 150, 1500), 0.5);
  const std::vector<double> thump = samples("thump.wav");
  EXPECT_GT(ShareInBand(thump, 250, 8000), 0.4);
  EXPECT_GT(BandDb(thump, 60, 120), BandDb(thump, 1000, 20000) + 10.0);
  EXPECT_GT(BandDb(samples("crash.wav"), 200, 1000), -12.0);
  EXPECT_LT(BandDb(samples("bow.wav"), 3000, 20000), -10.0);
}

// The shots crack: a transient standing well out of its first 100 ms, and
// no wave flattened against the ceiling. The cannon booms deep and long.
TEST(SoundFiles, ShotsCrackAndTheCannonBoomsDeeperAndLongerThanTheShotgun) {
  const auto all = LoadAll(GS_DATA_DIR);
  ASSERT_TRUE(all.count("gun.wav") && all.count("gunbig.wav"));
  std::map<std::string, size_t> lastLoud;
  for (const char* name : {"gun.wav", "gunbig.wav"}) {
    SCOPED_TRACE(name);
    const std::vector<int16_t>& s = all.at(name).samples;
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    const double peakDb = 20.0 * std::log10(peak / 32767.0);
    EXPECT_GE(peakDb - RmsDb(s, 0, kRate / 10), 10.0) << "no transient over the first 100 ms";
    const auto nearPeak = std::count_if(s.begin(), s.end(), [&](int16_t v) { return std::abs(v) >= peak * 99 / 100; });
    EXPECT_LE(nearPeak, 5) << "flat tops";
    size_t last = s.size();
    while (last > 0 && std::abs(s[last - 1]) < peak / 100) --last;
    lastLoud[name] = last;
  }
  // The band's level over the first 400 ms, dB of full scale.
  const auto deep = [&](const char* name) {
    const std::vector<double> s = AsDouble(all.at(name).samples);
    const std::vector<double> first(s.begin(), s.begin() + static_cast<long>(std::min(s.size(), kRate * 4 / 10)));
    return BandDb(first, 40, 80) + 20.0 * std::log10(soundgen::Rms(first));
  };
  EXPECT_GE(deep("gunbig.wav"), deep("gun.wav") + 6.0);
  EXPECT_GT(lastLoud["gunbig.wav"], lastLoud["gun.wav"] * 3 / 2);
}

int ZeroCrossings(const std::vector<double>& s, size_t from, size_t to) {
  int n = 0;
  for (size_t i = from + 1; i < to && i < s.size(); ++i) n += (s[i - 1] < 0) != (s[i] < 0);
  return n;
}

// A pop is a short noisy burst that sweeps; a steady tone would beep.
TEST(SoundFiles, PopsAreShortNoisyAndSwept) {
  const auto all = LoadAll(GS_DATA_DIR);
  for (const char* name : {"Pop1.wav", "bowpop.wav"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(all.count(name));
    const std::vector<double> s = AsDouble(all.at(name).samples);
    // Nine tenths of the energy within the first 100 ms.
    double total = 0, early = 0;
    for (size_t i = 0; i < s.size(); ++i) (i < kRate / 10 ? early : total) += s[i] * s[i];
    EXPECT_GT(early / (early + total), 0.9);
    // Noise forgets itself within a millisecond or two; a tone, even a
    // gliding one, repeats its period. Windows of 10 ms over the first 50 ms.
    std::vector<double> repeats;
    for (size_t from = 0; from + 441 <= kRate / 20; from += 441) {
      double most = 0;
      for (size_t lag = 44; lag <= 132; ++lag) {
        double same = 0, a = 0, b = 0;
        for (size_t i = from; i < from + 441; ++i) {
          same += s[i] * s[i + lag];
          a += s[i] * s[i];
          b += s[i + lag] * s[i + lag];
        }
        most = std::max(most, same / std::sqrt(std::max(a * b, 1e-30)));
      }
      repeats.push_back(most);
    }
    std::sort(repeats.begin(), repeats.end());
    EXPECT_LT(repeats[repeats.size() / 2], 0.6) << "rings like a tone";
    // The pitch moves: the rate of zero crossings differs between the first
    // 8 ms and the next 20 ms.
    const double first = ZeroCrossings(s, 0, 353) / 8.0, next = ZeroCrossings(s, 353, 1235) / 20.0;
    EXPECT_GT(std::max(first, next) / std::max(1e-9, std::min(first, next)), 1.5);
  }
}

TEST(SoundFiles, TheGeneratorWritesIdenticalBytesOnEveryRun) {
  namespace fs = std::filesystem;
  testing::TempDir temp;
  ASSERT_FALSE(temp.path().empty());
  const fs::path root = temp.path();
  fs::create_directories(root / "a");
  fs::create_directories(root / "b");
  for (const char* run : {"a", "b"}) {
    const std::string cmd = std::string("\"") + GS_SOUNDGEN + "\" \"" + (root / run).string() + "\"";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
  for (const SoundBankRow& row : SoundBank()) {
    SCOPED_TRACE(row.file);
    const std::string a = ReadText((root / "a" / row.file).string());
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, ReadText((root / "b" / row.file).string()));
    // The build's own copy came from the same generator.
    EXPECT_EQ(a, ReadText(std::string(GS_DATA_DIR) + "/" + row.file));
  }
}

}  // namespace
}  // namespace gs
