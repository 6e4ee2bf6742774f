// The audio layer's ids and call semantics on SDL's dummy driver and with no
// driver at all.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <fstream>

#include "sound/sdl/sdl_audio.h"
#include "support/test_tone.h"

namespace gs {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteTone;

class NeverNotified : public AudioEvents {
 public:
  void SoundNotify() override { ++count; }
  int count = 0;
};

// Exercises every call on every kind of id; none may fail or crash.
void CallEverything(SdlAudio& audio, int32_t id) {
  audio.SetSoundVolume(id, 0);
  audio.SetSoundVolume(id, -2500);
  audio.SetSoundVolume(id, INT32_MIN);
  audio.SetSoundVolume(id, INT32_MAX);
  audio.PlaySound(id, -1, -1);
  audio.PlaySound(id, -1, -1);
  audio.StopSound(id);
  audio.StopSound(id);
  audio.StopAllSounds();
}

class SdlAudioDummy : public ::testing::Test {
 protected:
  ScopedEnv driver_{"SDL_AUDIODRIVER", "dummy"};
  TempDir dir_;
};

// Each sound on its own channel; stopping one leaves the others, and a
// stopped sound (or one never played) starts again when cued.
TEST_F(SdlAudioDummy, ManySoundsPlayTogetherEachOnItsOwnChannel) {
  WriteTone(dir_.File("a.wav"), 2.0, 0.1);
  SdlAudio audio;
  EXPECT_TRUE(audio.HasDevice());
  std::vector<int32_t> ids;
  for (int i = 0; i < 40; ++i) ids.push_back(audio.LoadSound(dir_.File("a.wav")));
  audio.StopSound(ids[0]);
  for (int32_t id : ids) audio.PlaySound(id, -1, -1);
  for (int32_t id : ids) EXPECT_TRUE(audio.IsPlaying(id)) << "id " << id;
  audio.StopSound(ids[5]);
  EXPECT_FALSE(audio.IsPlaying(ids[5]));
  EXPECT_TRUE(audio.IsPlaying(ids[6]));
  audio.PlaySound(ids[5], -1, -1);
  EXPECT_TRUE(audio.IsPlaying(ids[5]));
  audio.StopAllSounds();
  for (int32_t id : ids) EXPECT_FALSE(audio.IsPlaying(id)) << "id " << id;
}

// Resting lets go of the device, so that its thread sleeps too; the first
// sound after the rest opens it again, in the format the sounds are in.
TEST_F(SdlAudioDummy, ARestClosesTheDeviceUntilTheNextSound) {
  WriteTone(dir_.File("a.wav"), 2.0, 0.5);
  SdlAudio audio;
  const int32_t id = audio.LoadSound(dir_.File("a.wav"));
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
  audio.PlaySound(id, -1, -1);
  audio.SetResting(true);
  EXPECT_FALSE(audio.IsPlaying(id));
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
  CallEverything(audio, 0);
  audio.StopAllSounds();
  audio.SetResting(false);
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
  audio.PlaySound(id, -1, -1);
  EXPECT_TRUE(audio.IsPlaying(id));
  int rate2 = 0, channels2 = 0;
  Uint16 format2 = 0;
  ASSERT_NE(Mix_QuerySpec(&rate2, &format2, &channels2), 0);
  EXPECT_EQ(rate2, rate);
  EXPECT_EQ(format2, format);
  EXPECT_EQ(channels2, channels);
}

// Ids count from one in load order, a file that fails included; id 0, ids
// never handed out, bad files and repeated stops touch nothing, and the
// sound event is never raised.
TEST_F(SdlAudioDummy, IdsCountFromOneAndBadIdsAndFilesAreHarmless) {
  WriteTone(dir_.File("good.wav"), 1.0, 0.5);
  std::ofstream(dir_.File("garbage.wav"), std::ios::binary) << "RIFF\x10\x01\x02\x03WAVEjunkjunkjunk";
  std::ofstream(dir_.File("empty.wav"), std::ios::binary);
  NeverNotified events;
  SdlAudio audio;
  audio.Attach(events);
  audio.StopAllSounds();
  const int32_t good = audio.LoadSound(dir_.File("good.wav"));
  EXPECT_EQ(good, 1);
  EXPECT_TRUE(audio.IsLoaded(good));
  const int32_t bad[] = {audio.LoadSound(dir_.File("garbage.wav")), audio.LoadSound(dir_.File("empty.wav")),
                         audio.LoadSound(dir_.File("nowhere/none.wav")), audio.LoadSound(""),
                         audio.LoadSound(dir_.File(""))};
  EXPECT_EQ(bad[0], 2);
  EXPECT_EQ(bad[4], 6);
  for (int32_t id : bad) {
    EXPECT_FALSE(audio.IsLoaded(id));
    CallEverything(audio, id);
    EXPECT_FALSE(audio.IsPlaying(id));
  }
  audio.PlaySound(good, -1, -1);
  ASSERT_TRUE(audio.IsPlaying(good));
  for (int32_t id : {0, -1, 99, INT32_MAX, INT32_MIN}) {
    audio.SetSoundVolume(id, -2500);
    audio.PlaySound(id, -1, -1);
    audio.StopSound(id);
    EXPECT_FALSE(audio.IsPlaying(id));
  }
  EXPECT_TRUE(audio.IsPlaying(good));
  ASSERT_TRUE(testing::WaitUntilSilent(audio, good));
  for (int i = 0; i < 3; ++i) {
    audio.StopSound(good);
    audio.StopAllSounds();
  }
  EXPECT_EQ(events.count, 0);
}

TEST_F(SdlAudioDummy, DestroyingWhilePlayingFreesEverything) {
  WriteTone(dir_.File("a.wav"), 3.0, 0.5);
  for (int round = 0; round < 3; ++round) {
    SdlAudio audio;
    for (int i = 0; i < 13; ++i) audio.PlaySound(audio.LoadSound(dir_.File("a.wav")), -1, -1);
  }
}

TEST(SdlAudioWithoutDevice, HandsOutIdsAndEveryCallIsSilentlyHarmless) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  TempDir dir;
  WriteTone(dir.File("a.wav"), 0.5, 0.5);
  NeverNotified events;
  SdlAudio audio;
  audio.Attach(events);
  EXPECT_FALSE(audio.HasDevice());
  const int32_t a = audio.LoadSound(dir.File("a.wav"));
  const int32_t b = audio.LoadSound(dir.File("missing.wav"));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  for (int32_t id : {a, b, 0, 7}) {
    CallEverything(audio, id);
    EXPECT_FALSE(audio.IsPlaying(id));
  }
  EXPECT_EQ(events.count, 0);
}

}  // namespace
}  // namespace gs
