// Every scripted shot, crash, pop and thump of two whole shows is heard: the
// built wave files, played by the audio layer's rule that a cue on a sound
// still playing leaves it alone, start on each event's own frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "scene/show_tables.h"
#include "sound/playing_sounds.h"
#include "sound/sdl/sound_file.h"
#include "sound/sound_bank.h"

namespace gs::testing {
namespace {

using F = ShowIds;
using R = SceneFrame;

// One scripted event: the scene frames on which its condition holds. Each
// unbroken run of such frames within a show is one event to be heard: its
// sound starts on one of them, or at most `earlyUs` before the first (by
// default a scene frame and 30 ms, which eye and ear take as together).
struct Event {
  const char* name;
  Slot sound;
  int scene, step;
  When when;
  int64_t earlyUs = -1;
};

bool Between(int v, int from, int below) { return v >= from && v < below; }

const std::vector<Event>& Events() {
  static const std::vector<Event> events = {
      {"gun t=10", &F::sndGun, 1, 1, [](const R& r, const F&) { return T1(r) == 10; }},
      {"gun t=10", &F::sndGun, 2, 1, [](const R& r, const F&) { return T2(r) == 10; }},
      {"gun T2-04 frame 4", &F::sndGun, 2, 1,
       [](const R& r, const F& f) { return Between(T2(r), 10, 14) && FrameAfter(r, f.hT2_04) == 4; }},
      {"gun T2-04 frame 9", &F::sndGun, 2, 1,
       [](const R& r, const F& f) { return Between(T2(r), 10, 14) && FrameAfter(r, f.hT2_04) == 9; }},
      {"cannon t=24", &F::sndGunBig, 2, 1, [](const R& r, const F&) { return T2(r) == 24 && r.before.cannonArmed; }},
      {"cannon t=32", &F::sndGunBig, 2, 1, [](const R& r, const F&) { return T2(r) == 32 && r.before.cannonArmed; }},
      {"crash T2-24 frame 5", &F::sndCrash, 2, 1,
       [](const R& r, const F& f) { return T2(r) >= 33 && FrameAfter(r, f.hT2_24) == 5; }},
      {"gun T3-14 frame 11", &F::sndGun, 3, 1,
       [](const R& r, const F& f) { return Between(T3(r), 14, 21) && FrameAfter(r, f.hT3_14) == 11; }},
      {"gun T3-21 frame 3", &F::sndGun, 3, 1,
       [](const R& r, const F& f) { return Between(T3(r), 26, 28) && FrameAfter(r, f.hT3_21) == 3; }},
      {"gun t=28", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 28; }},
      {"gun t=30", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {"gun t=31", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
      {"gun s=1", &F::sndGun, 4, 6, [](const R& r, const F&) { return S(r) == 1; }},
      // The volley: one shot with every muzzle flash the pilgrim's picture
      // shows, fired during the flash or the aim picture (400 ms) before it.
      {"gun flash", &F::sndGun, 4, 10,
       [](const R& r, const F& f) { return S(r) < 5 && r.DrawnFrame(f.hPilgrim19) == 2; }, 400000},
      {"pop P&T07 frame 13", &F::sndPop, 5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 13; }},
      {"pop P&T07 frame 16", &F::sndPop, 5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 16; }},
      {"thump P&T18 frame 1", &F::sndThump, 5, 7, [](const R& r, const F& f) { return r.DrawnFrame(f.hPT18) == 1; }},
      {"thump P&T18 frame 8", &F::sndThump, 5, 7, [](const R& r, const F& f) { return r.DrawnFrame(f.hPT18) == 8; }},
      {"thump P&T18 frame 16", &F::sndThump, 5, 7,
       [](const R& r, const F& f) { return r.DrawnFrame(f.hPT18) == 16; }},
  };
  return events;
}

// When each sound started in the run, by id, as the built files would play.
std::map<int32_t, std::vector<int64_t>> Starts(const ShowRun& run) {
  PlayingSounds playing;
  for (const SoundBankRow& row : SoundBank()) {
    const std::optional<std::string> bytes = ReadSoundFile(std::string(GS_DATA_DIR) + "/" + row.file);
    const std::optional<double> seconds = bytes ? WaveSeconds(*bytes) : std::nullopt;
    EXPECT_TRUE(seconds.has_value()) << row.file;
    if (seconds) playing.SetLength(run.ids.*row.slot, std::llround(*seconds * 1e6));
  }
  std::map<int32_t, std::vector<int64_t>> starts;
  for (const SceneFrame& r : run.frames)
    for (int32_t id : r.plays)
      if (playing.Play(id, r.us) == PlayingSounds::Cue::Started) starts[id].push_back(r.us);
  return starts;
}

class ShowSounds : public ShowAtPace {};

TEST_P(ShowSounds, EveryScriptedShotCrashPopAndThumpIsHeard) {
  const auto starts = Starts(run);
  const auto startsOf = [&](int32_t id) { return starts.count(id) ? starts.at(id) : std::vector<int64_t>{}; };
  const auto together = static_cast<int64_t>(spacing * 1e6) + 30000;
  std::map<int32_t, int> events;
  for (const Event& e : Events()) {
    const int32_t id = f.*e.sound;
    int due = 0;
    for (size_t i = 0; i < run.frames.size(); ++i) {
      const auto holds = [&](size_t k) {
        const R& r = run.frames[k];
        return r.before.scene == e.scene && r.before.step == e.step && e.when(r, f);
      };
      if (!holds(i) || (i > 0 && holds(i - 1) && run.frames[i - 1].show == run.frames[i].show)) continue;
      size_t last = i;
      while (last + 1 < run.frames.size() && holds(last + 1) && run.frames[last + 1].show == run.frames[i].show) ++last;
      if (run.frames[i].show > 2) continue;
      ++due;
      const int64_t from = run.frames[i].us - (e.earlyUs < 0 ? together : e.earlyUs), to = run.frames[last].us;
      bool started = false;
      for (int64_t at : startsOf(id)) started = started || (at >= from && at <= to);
      if (!started) ADD_FAILURE() << e.name << " not heard: " << Describe(run.frames[i]);
    }
    EXPECT_GE(due, 2) << e.name << " due in neither show";
    events[id] += due;
  }
  // The sounds that mark single events start once for each, never between.
  for (Slot s : {&F::sndGunBig, &F::sndCrash, &F::sndPop, &F::sndThump}) {
    int inShows = 0;
    for (int64_t at : startsOf(f.*s))
      for (const SceneFrame& r : run.frames)
        if (r.us == at) inShows += r.show <= 2;
    EXPECT_EQ(inShows, events[f.*s]) << "sound id " << f.*s;
  }
}

// A cue held over the frames of its second (or two) plays its sound once,
// not again while it is held; cues more than 150 ms apart (more than a
// scene frame at any pace) are separate cues. The shotgun is the exception:
// it fires with every muzzle flash of a volley held for five seconds.
TEST_P(ShowSounds, EveryOtherHeldCuePlaysItsSoundOnce) {
  const auto starts = Starts(run);
  int cued = 0;  // sounds cued at all: at TunePC 0 the walk ends before the cow's cues
  for (const SoundBankRow& row : SoundBank()) {
    const int32_t id = run.ids.*row.slot;
    if (row.slot == &SoundSlots::sndGun) continue;
    int held = 0;
    int64_t lastCue = -1000000;
    for (const SceneFrame& r : run.frames) {
      if (r.show > 2 || std::find(r.plays.begin(), r.plays.end(), id) == r.plays.end()) continue;
      held += r.us - lastCue > 150000;
      lastCue = r.us;
    }
    int started = 0;
    for (int64_t at : starts.count(id) ? starts.at(id) : std::vector<int64_t>{})
      for (const SceneFrame& r : run.frames) started += r.us == at && r.show <= 2;
    cued += held > 0;
    EXPECT_EQ(started, held) << row.file;
  }
  EXPECT_GE(cued, 10);
}

INSTANTIATE_TEST_SUITE_P(Paces, ShowSounds, ::testing::ValuesIn(kPaces), PaceName);

}  // namespace
}  // namespace gs::testing
