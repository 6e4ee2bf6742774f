// Volumes, and what actually reaches the device: SDL's disk driver writes the
// mixed output to a raw file, which is read back once the layer has closed it.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "sound/sdl/mixer_volume.h"
#include "sound/sdl/sdl_audio.h"
#include "support/test_tone.h"

namespace gs {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteTone;

constexpr int kRate = 44100;
constexpr int kSilence = 40;  // well under the quietest tone's peak, well over rounding noise

// The audible part of the recorded output (first channel only).
struct Recording {
  int channels = 0;
  std::vector<int16_t> samples;  // first channel, the whole recording
  size_t first = 0, last = 0;    // audible span, inclusive
  bool audible = false;

  double Seconds() const { return audible ? static_cast<double>(last - first + 1) / kRate : 0.0; }
  int Peak() const {
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
  }
  double Rms() const {
    if (!audible) return 0.0;
    double sum = 0;
    for (size_t i = first; i <= last; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(last - first + 1));
  }
};

class SdlAudioOutput : public ::testing::Test {
 protected:
  // Plays the tone at `path` with the given volume through the disk driver;
  // `whilePlaying` runs once the sound is under way.
  template <typename Action>
  Recording Play(const std::string& path, int32_t volume, Action whilePlaying) {
    const std::string raw = dir_.File("out.raw");
    Recording rec;
    {
      ScopedEnv driver("SDL_AUDIODRIVER", "disk");
      ScopedEnv file("SDL_DISKAUDIOFILE", raw);
      SdlAudio audio;
      EXPECT_TRUE(audio.HasDevice());
      if (!audio.HasDevice()) return rec;
      int freq = 0, channels = 0;
      Uint16 format = 0;
      Mix_QuerySpec(&freq, &format, &channels);
      EXPECT_EQ(freq, kRate);
      EXPECT_EQ(format, AUDIO_S16SYS);
      rec.channels = channels;
      const int32_t id = audio.LoadSound(path);
      audio.SetSoundVolume(id, volume);
      audio.PlaySound(id, -1, -1);
      whilePlaying(audio, id);
      EXPECT_TRUE(testing::WaitUntilSilent(audio, id));
      // Let the driver write out the buffer that held the end of the sound.
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    std::ifstream in(raw, std::ios::binary);
    std::vector<int16_t> all;
    int16_t s = 0;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s)) all.push_back(s);
    if (rec.channels <= 0) return rec;
    for (size_t i = 0; i + static_cast<size_t>(rec.channels) <= all.size(); i += static_cast<size_t>(rec.channels)) {
      rec.samples.push_back(all[i]);
    }
    for (size_t i = 0; i < rec.samples.size(); ++i) {
      if (std::abs(static_cast<int>(rec.samples[i])) > kSilence) {
        if (!rec.audible) rec.first = i;
        rec.audible = true;
        rec.last = i;
      }
    }
    return rec;
  }

  TempDir dir_;
};

void Nothing(SdlAudio&, int32_t) {}

// Once at full level; the quietest setting about 25 dB down, still audible.
TEST_F(SdlAudioOutput, APlayedSoundReachesTheDeviceOnceAtItsVolume) {
  WriteTone(dir_.File("tone.wav"), 0.5, 0.5);
  const Recording full = Play(dir_.File("tone.wav"), 0, Nothing);
  const Recording quiet = Play(dir_.File("tone.wav"), -2500, Nothing);
  ASSERT_TRUE(full.audible && quiet.audible);
  EXPECT_NEAR(full.Seconds(), 0.5, 0.01);
  EXPECT_NEAR(full.Peak(), 16384, 200);
  EXPECT_NEAR(full.Rms(), 16384 / std::sqrt(2.0), 300);
  EXPECT_NEAR(quiet.Seconds(), 0.5, 0.01);
  EXPECT_NEAR(20.0 * std::log10(quiet.Rms() / full.Rms()), -25.0, 1.0);
}

TEST_F(SdlAudioOutput, CueingAgainWhilePlayingNeitherRestartsNorLayersACopy) {
  WriteTone(dir_.File("tone.wav"), 1.5, 0.5);
  bool stillPlaying = false;
  const Recording rec = Play(dir_.File("tone.wav"), 0, [&](SdlAudio& audio, int32_t id) {
    // The scenes cue on every scene frame of a second: do the same for a while.
    for (int i = 0; i < 6; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(60));
      audio.PlaySound(id, -1, -1);
    }
    stillPlaying = audio.IsPlaying(id);
  });
  ASSERT_TRUE(stillPlaying);
  ASSERT_TRUE(rec.audible);
  // A restart would stretch the sound by the 0.36 s of cues, a copy would add to it.
  EXPECT_NEAR(rec.Seconds(), 1.5, 0.02);
  EXPECT_NEAR(rec.Peak(), 16384, 200);
}

TEST_F(SdlAudioOutput, StopSilencesAPlayingSound) {
  WriteTone(dir_.File("tone.wav"), 2.0, 0.5);
  const Recording rec = Play(dir_.File("tone.wav"), 0, [](SdlAudio& audio, int32_t id) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    audio.StopSound(id);
  });
  ASSERT_TRUE(rec.audible);
  EXPECT_LT(rec.Seconds(), 1.5);
}

// Hundredths of a decibel down: -600 halves the level; -2500, the dialog's
// quietest, stays audible.
TEST(MixerVolume, MapsAttenuationToMixerSteps) {
  const std::pair<int32_t, int> cases[] = {{0, 128},  {1, 128},     {INT32_MAX, 128}, {-600, 64},    {-1000, 40},
                                           {-2500, 7}, {-10000, 0}, {-10001, 0},      {INT32_MIN, 0}};
  for (auto [attenuation, expected] : cases) EXPECT_EQ(MixerVolume(attenuation), expected) << attenuation;
}

}  // namespace
}  // namespace gs
