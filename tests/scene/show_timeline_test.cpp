// The show as a whole: its steps in order at every pace, the pace of scene
// frames, the sounds as the built wave files would be heard, and the moves
// and resets that the tables do not follow frame by frame.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "display/frame_events.h"
#include "scene/show_tables.h"
#include "sound/playing_sounds.h"
#include "sound/sdl/sound_file.h"
#include "sound/sound_bank.h"

namespace gs::testing {
namespace {

class ShowTimeline : public ShowAtPace {};

TEST_P(ShowTimeline, EveryShowPlaysEveryStepOnceInOrderAtItsPace) {
  std::vector<std::pair<int, int>> order = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}};
  for (int step = 1; step <= 13; ++step) order.emplace_back(4, step);
  for (int step = 1; step <= 10; ++step) order.emplace_back(5, step);
  for (int scene : {6, 7, 8}) order.emplace_back(scene, 0);
  std::vector<std::pair<int, int>> played[4];
  std::vector<int64_t> start;
  for (const Segment& s : SegmentsOf(run)) {
    played[s.show].emplace_back(s.scene, s.step);
    if (start.size() < static_cast<size_t>(s.show)) start.push_back(run.frames[s.first].us);
  }
  EXPECT_EQ(played[1], order);
  EXPECT_EQ(played[2], order);
  ASSERT_EQ(start.size(), 3u) << "the third show begins";
  // Both shows take the same time but for the wipe, 200 frames shorter from
  // the second show on; steps wait for whole seconds from phases of their own.
  EXPECT_NEAR((start[1] - start[0]) / 1e6 - (start[2] - start[1]) / 1e6, 200 * spacing, 8.0);
  EXPECT_GT((start[2] - start[1]) / 1e6, 150.0);
  // Every TunePC-th Frame event is a scene frame (every one at 0); PaceCount starts at 0.
  const int n = std::max(run.tunePC, 1);
  EXPECT_EQ(run.frames.front().us, (run.tunePC == 0 ? 1 : n + 1) * 1000000 / kFrameEventsPerSecond);
  int wrong = 0;
  for (size_t i = 1; i < run.frames.size(); ++i)
    if (std::abs(run.frames[i].us - run.frames[i - 1].us - n * 1000000 / kFrameEventsPerSecond) > 1 && wrong++ < 3)
      ADD_FAILURE() << "gap before " << Describe(run.frames[i]);
  EXPECT_EQ(run.playsOffSceneFrames, 0);
  EXPECT_EQ(run.drawsOffSceneFrames, 0);
}

// When each sound started in the run, by id, as the built files would play:
// a cue on a sound still playing leaves it alone.
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
      if (r.show <= 2 && playing.Play(id, r.us) == PlayingSounds::Cue::Started) starts[id].push_back(r.us);
  return starts;
}

// Each unbroken run of frames on which a shot, crash, pop or thump is due is
// heard: its sound starts on one of them or at most a scene frame and 30 ms
// before. The volley is heard with every muzzle flash the picture shows, or
// in the 400 ms aim picture before it. Other held cues start their sound
// once; cues more than 150 ms apart are separate.
TEST_P(ShowTimeline, EveryShotCrashPopAndThumpIsHeardAndHeldCuesPlayOnce) {
  auto starts = Starts(run);
  std::vector<std::pair<Cue, int64_t>> events;
  for (const Cue& c : Cues())
    if ((c.sound == &F::sndGun && c.when.step != 10) || c.sound == &F::sndGunBig || c.sound == &F::sndCrash ||
        c.sound == &F::sndPop || c.sound == &F::sndThump)
      events.push_back({c, static_cast<int64_t>(spacing * 1e6) + 30000});
  events.push_back({{&F::sndGun, {4, 10, {S, 0, 5}, {Dr(&F::hPilgrim19), 2}}}, 400000});
  std::map<int32_t, int> due;
  for (const auto& [c, early] : events) {
    const auto holds = [&](size_t k) { return k < run.frames.size() && run.frames[k].show <= 2 && c.when(run.frames[k], f); };
    int runs = 0;
    for (size_t i = 0; i < run.frames.size(); ++i) {
      if (!holds(i) || (i > 0 && holds(i - 1) && run.frames[i - 1].show == run.frames[i].show)) continue;
      size_t last = i;
      while (holds(last + 1) && run.frames[last + 1].show == run.frames[i].show) ++last;
      ++runs;
      const auto& at = starts[f.*c.sound];
      if (std::none_of(at.begin(), at.end(), [&](int64_t t) { return t >= run.frames[i].us - early && t <= run.frames[last].us; }))
        ADD_FAILURE() << "sound " << f.*c.sound << " not heard: " << Describe(run.frames[i]);
    }
    EXPECT_GE(runs, 2) << "sound " << f.*c.sound << " of scene " << c.when.scene << " step " << c.when.step;
    due[f.*c.sound] += runs;
  }
  for (Slot s : {&F::sndGunBig, &F::sndCrash, &F::sndPop, &F::sndThump}) EXPECT_EQ(starts[f.*s].size(), due[f.*s]);
  for (const SoundBankRow& row : SoundBank()) {
    const int32_t id = f.*row.slot;
    int held = 0;
    int64_t lastCue = -1000000;
    for (const SceneFrame& r : run.frames) {
      if (r.show > 2 || std::count(r.plays.begin(), r.plays.end(), id) == 0) continue;
      held += r.us - lastCue > 150000;
      lastCue = r.us;
    }
    EXPECT_TRUE(row.slot == &SoundSlots::sndGun || starts[id].size() == static_cast<size_t>(held)) << row.file;
  }
}

// The walks: the pilgrim up 3 pixels a frame from 600 to 318, the walker in
// 3 a frame from 800 to 407 along y 420.
TEST_P(ShowTimeline, WalksTakeThreePixelsAFrame) {
  for (const auto& [scene, frames, from, x, y] : {std::tuple{4, 95u, 600, 330, -1}, {6, 131u, 800, -1, 420}}) {
    for (const Segment& s : SegmentsOf(run, scene, scene == 4 ? 1 : 0)) {
      ASSERT_EQ(s.last - s.first + 1, frames) << "scene " << scene;
      const int32_t id = scene == 4 ? f.hPilgrimA : f.hTC01;
      for (size_t i = s.first; i <= s.last; ++i) {
        const SceneFrame::Draw& d = *std::find_if(run.frames[i].draws.begin(), run.frames[i].draws.end(),
                                                  [&](const SceneFrame::Draw& w) { return w.id == id; });
        const int moved = from - 3 * static_cast<int>(i - s.first);
        ASSERT_EQ(std::pair(d.x, d.y), scene == 4 ? std::pair(x, moved) : std::pair(moved, y)) << Describe(run.frames[i]);
      }
    }
  }
}

// The first wipe moves the bars 2 pixels a frame for 201 frames after eight
// seconds of the cows; later shows find the bars where it left them and wipe
// in one frame. The cows go after the first wipe frame, the backdrop with
// it; both come back with the reset.
TEST_P(ShowTimeline, WipeClosesInFromEverySideAndTheResetBringsTheShowBack) {
  const std::vector<Segment> wipes = SegmentsOf(run, 7, 0);
  ASSERT_GE(wipes.size(), 2u);
  for (size_t show = 0; show < 2; ++show) {
    const Segment& s = wipes[show];
    std::vector<size_t> wiping;
    for (size_t i = s.first; i <= s.last; ++i)
      if (run.frames[i].before.stepTicks >= 8) wiping.push_back(i);
    ASSERT_EQ(wiping.size(), show == 0 ? 201u : 1u);
    EXPECT_GT(Seconds(run, s.first, wiping[0]), 7.0);
    EXPECT_LE(Seconds(run, s.first, wiping[0]), 8.0 + spacing);
    for (size_t k = 0; k < wiping.size(); ++k) {
      const SceneFrame& r = run.frames[wiping[k]];
      const int m = 2 * static_cast<int>(k + (show == 0 ? 0 : 201));  // drawn before this frame's move
      std::vector<std::pair<int, int>> bars;
      for (int32_t id : {f.hVertBarL, f.hVertBarR, f.hHorizBarT, f.hHorizBarB})
        for (const SceneFrame::Draw& d : r.draws)
          if (d.id == id) bars.emplace_back(d.x, d.y);
      const std::vector<std::pair<int, int>> at = {{m, 0}, {800 - m, 0}, {0, m}, {0, 600 - m}};
      ASSERT_EQ(bars, at) << Describe(r);
      EXPECT_EQ(r.Drew(f.hCow1), k == 0) << Describe(r);
      EXPECT_EQ(r.before.showBackdrop, k == 0) << Describe(r);
    }
  }
  int resets = 0;
  for (const SceneFrame& r : run.frames) {
    if (r.before.scene != 8 || r.after.scene != 1) continue;
    ++resets;
    EXPECT_TRUE(r.draws.empty()) << "the frame that resets shows only black";
    for (size_t id = 1; id < r.frameAfter.size(); ++id) EXPECT_LE(r.frameAfter[id], 1) << "sprite " << id;
    EXPECT_EQ(r.xAfter[static_cast<size_t>(f.hGun)], 380);
    const SceneFrame::State& a = r.after;
    EXPECT_TRUE(a.showBackdrop && a.showCowScene && a.cowPlaying && a.gunShown && a.cannonArmed && !a.pilgrimHop);
  }
  EXPECT_GE(resets, 2);
}

// Scene 1's shot runs the gun through its frames in second 10 and sets it
// back to frame 1 from second 11 on (shown from the frame after).
TEST_P(ShowTimeline, FirstShotAnimatesTheGunForOneSecond) {
  for (int show = 1; show <= 2; ++show) {
    std::set<int32_t> during, outside;
    int last = 0;
    for (const SceneFrame& r : run.frames) {
      if (r.show != show || r.before.scene != 1 || r.before.step != 1) continue;
      (r.before.scene1Ticks == 10 ? during : last == 11 || r.before.scene1Ticks != 11 ? outside : during)
          .insert(r.DrawnFrame(f.hGun));
      last = r.before.scene1Ticks;
    }
    EXPECT_EQ(during, (std::set<int32_t>{1, 2, 3, 4})) << "show " << show;
    EXPECT_EQ(outside, std::set<int32_t>{1}) << "show " << show;
  }
}

INSTANTIATE_TEST_SUITE_P(Paces, ShowTimeline, ::testing::Values(0, 6, 20),
                         [](const auto& i) { return "TunePC" + std::to_string(i.param); });

}  // namespace
}  // namespace gs::testing
