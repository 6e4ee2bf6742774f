// Two whole shows in simulated time, every scene frame against the scripts'
// tables (what it cues, what it draws and where, how each step ends), then
// the shows' length and pace, the reset and the sounds as they are heard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "display/display.h"
#include "display/frame_events.h"
#include "sound/playing_sounds.h"
#include "sound/sdl/sound_file.h"
#include "sound/sound_bank.h"
#include "support/show_trace.h"

namespace gs::testing {
namespace {

using F = ShowIds;
using Slot = int32_t ShowIds::*;

// What a guard reads on a scene frame: a counter or flag as the frame found
// it, or a sprite's frame or place, as drawn (0: not drawn) or as left.
enum Kind { Always, T1, T2, T3, H, S, Armed, Hop, Backdrop, CowPlaying, Fr, Dr, Stepped, XAfter, YAfter, DrawnY };
constexpr int N = 32767;  // open end
// Holds when lo <= value < hi; {v, n} holds when the value is n.
struct Guard {
  Guard() = default;
  Guard(Kind k, int from, int below = N + 1) : kind(k), lo(from), hi(below == N + 1 ? from + 1 : below) {}
  Guard(Kind k, Slot s, int from, int below = N + 1) : Guard(k, from, below) { sprite = s; }
  Kind kind = Always;
  Slot sprite = nullptr;
  int lo = 0, hi = 1;

  bool operator()(const SceneFrame& r, const ShowIds& f) const {
    const SceneFrame::State& b = r.before;
    const size_t id = sprite ? static_cast<size_t>(f.*sprite) : 0;
    const auto drawn = [&](int SceneFrame::Draw::*field) {
      for (const SceneFrame::Draw& d : r.draws)
        if (static_cast<size_t>(d.id) == id) return d.*field;
      return 0;
    };
    const int frame = drawn(&SceneFrame::Draw::frame);
    const int values[] = {0, b.scene1Ticks, b.scene2Ticks, b.scene3Ticks, b.holeTicks, b.stepTicks, b.cannonArmed,
                          b.pilgrimHop, b.showBackdrop, b.cowPlaying, r.frameAfter[id], frame, r.frameAfter[id] != frame,
                          r.xAfter[id], r.yAfter[id], drawn(&SceneFrame::Draw::y)};
    return kind == Always || (values[kind] >= lo && values[kind] < hi);
  }
};

// A scene and step (0: any step) and up to four guards, as the scripts read.
struct When {
  When(int sc, int st, Guard g1 = {}, Guard g2 = {}, Guard g3 = {}, Guard g4 = {})
      : scene(sc), step(st), a(g1), b(g2), c(g3), d(g4) {}
  int scene, step;
  Guard a, b, c, d;
  bool operator()(const SceneFrame& r, const ShowIds& f) const {
    return r.before.scene == scene && (step == 0 || r.before.step == step) && a(r, f) && b(r, f) && c(r, f) && d(r, f);
  }
};
// The sound played on exactly the scene frames where `when` holds.
struct Cue {
  Slot sound;
  When when;
};
// The sprites drawn in this order where `when` holds, at x (and y) unless x < 0.
struct DrawRow {
  DrawRow(When w, std::vector<Slot> s, int px = -1, int py = -1) : when(w), sprites(std::move(s)), x(px), y(py) {}
  When when;
  std::vector<Slot> sprites;
  int x, y;
};
// The frame that leaves a step (no other frame of it meets `leaves`), where
// the show goes and the counters the change zeroes and keeps.
enum Counters : unsigned { ST = 1, C1 = 2, C2 = 4, C3 = 8, HT = 16, Ticks = 30, All = 31 };
struct StepRow {
  StepRow(When w, int sc, int st, unsigned z, unsigned k = 0) : leaves(w), nextScene(sc), nextStep(st), zeroed(z), kept(k) {}
  When leaves;
  int nextScene, nextStep;
  unsigned zeroed, kept;
};

const std::vector<Cue>& Cues() {
  static const std::vector<Cue> cues = {
      {&F::sndTurkey, {1, 1, {T1, 4, 6}}}, {&F::sndGun, {1, 1, {T1, 10}}}, {&F::sndBow, {1, 1, {T1, 16}}},
      {&F::sndGun, {2, 1, {T2, 10}}}, {&F::sndGun, {2, 1, {T2, 10, 14}, {Fr, &F::hT2_04, 4}}},
      {&F::sndGun, {2, 1, {T2, 10, 14}, {Fr, &F::hT2_04, 9}}}, {&F::sndTurkey, {2, 1, {T2, 14}}},
      {&F::sndGunBig, {2, 1, {T2, 24}, {Armed, 1}}}, {&F::sndGunBig, {2, 1, {T2, 32}, {Armed, 1}}},
      {&F::sndCrash, {2, 1, {T2, 33, N}, {Fr, &F::hT2_24, 5}}}, {&F::sndTurkey, {3, 1, {T3, 2}}},
      {&F::sndTurkey, {3, 1, {T3, 14, 21}, {Fr, &F::hT3_14, 2}}},
      {&F::sndGun, {3, 1, {T3, 14, 21}, {Fr, &F::hT3_14, 11}}}, {&F::sndTurkey, {3, 1, {T3, 23}}},
      {&F::sndGun, {3, 1, {T3, 26, 28}, {Fr, &F::hT3_21, 3}}},
      {&F::sndGun, {3, 1, {T3, 28}}}, {&F::sndGun, {3, 1, {T3, 30}}}, {&F::sndGun, {3, 1, {T3, 31}}},
      {&F::sndTurkey, {4, 6, {S, 0}}}, {&F::sndGun, {4, 6, {S, 1}}}, {&F::sndBowPop, {4, 6, {S, 2}}},
      {&F::sndBowPop, {4, 7, {S, 1}}}, {&F::sndGun, {4, 10, {S, 0, 5}}}, {&F::sndImpact, {5, 5, {Fr, &F::hPT07, 2}}},
      {&F::sndPop, {5, 5, {Fr, &F::hPT07, 13}}}, {&F::sndPop, {5, 5, {Fr, &F::hPT07, 16}}},
      // Read before the draw: the frame the draw shows.
      {&F::sndThump, {5, 7, {Dr, &F::hPT18, 1}}}, {&F::sndThump, {5, 7, {Dr, &F::hPT18, 8}}},
      {&F::sndThump, {5, 7, {Dr, &F::hPT18, 16}}}, {&F::sndWhizz, {5, 9, {S, 0, 5}}},
      // On the frames the walker takes a step.
      {&F::sndGrunt, {6, 0, {S, 1}, {Stepped, &F::hTC01, 1}}}, {&F::sndGrunt, {6, 0, {S, 4}, {Stepped, &F::hTC01, 1}}},
      {&F::sndCow, {6, 0, {S, 2}}}, {&F::sndCow, {6, 0, {S, 5}}},
      {&F::sndPlop, {8, 0, {CowPlaying, 1}, {Fr, &F::hCow3, 5}}},
  };
  return cues;
}


const std::vector<DrawRow>& Draws() {
  static const std::vector<DrawRow> draws = [] {
    const Slot glass[] = {&F::hGlass1, &F::hGlass2, &F::hGlass3};
    std::vector<DrawRow> rows = {
      // Scene 1's shot runs the gun through its frames in second 10; it is set back to 1 from second 11 on.
      {{1, 1, {T1, 0, 10}, {Dr, &F::hGun, 1}}, {&F::hGun}}, {{1, 1, {T1, 10}, {Dr, &F::hGun, 1, 4}}, {&F::hGun}},
      {{1, 1, {T1, 10}, {Dr, &F::hGun, 4}}, {&F::hGun}}, {{1, 1, {T1, 11, N}, {Fr, &F::hGun, 1}}, {&F::hGun}},
      {{1, 1, {T1, 0, 10}}, {&F::hT1_01}}, {{1, 1, {T1, 10}}, {&F::hT1_04b}},
      {{1, 1, {T1, 11, 13}}, {&F::hT1_04}}, {{1, 1, {T1, 13, 16}}, {&F::hT1_05}},
      {{1, 1, {T1, 16}}, {&F::hT1_06a}}, {{1, 1, {T1, 17, N}}, {&F::hT1_07}}, {{1, 2}, {&F::hT1_13}},
      // The gun is hidden once T2-04 has shown its frame 11.
      {{2, 1, {T2, 0, 10}}, {&F::hGun}}, {{2, 1, {T2, 10, 14}, {Dr, &F::hT2_04, 0, 11}}, {&F::hGun}},
      {{2, 1, {T2, 0, 10}}, {&F::hT2_01}}, {{2, 1, {T2, 10, 14}}, {&F::hT2_04}},
      {{2, 1, {T2, 14, 16}}, {&F::hT2_08}}, {{2, 1, {T2, 16, 18}}, {&F::hT2_10}},
      {{2, 1, {T2, 18, 25}}, {&F::hCannon}}, {{2, 1, {T2, 18, 24}}, {&F::hT2_11}},
      {{2, 1, {T2, 24, 26}}, {&F::hT2_13}}, {{2, 1, {T2, 26}}, {&F::hT2_15}}, {{2, 1, {T2, 27}}, {&F::hT2_17}},
      {{2, 1, {T2, 28}}, {&F::hT2_19}}, {{2, 1, {T2, 29, 31}}, {&F::hT2_20}},
      {{2, 1, {T2, 31, 33}}, {&F::hCannon, &F::hT2_22}}, {{2, 1, {T2, 33, N}}, {&F::hT2_24}}, {{2, 2}, {&F::hT2_28}},
      {{3, 1}, {&F::hGun}}, {{3, 1, {T3, 0, 5}}, {&F::hT3_01}}, {{3, 1, {T3, 5, 14}}, {&F::hT3_06}},
      {{3, 1, {T3, 14, 21}}, {&F::hT3_14}}, {{3, 1, {T3, 21, 23}}, {&F::hT3_18}},
      {{3, 1, {T3, 23, 26}}, {&F::hT3_20}}, {{3, 1, {T3, 26, 28}}, {&F::hT3_21}},
      {{3, 1, {T3, 26, 28}, {Fr, &F::hT3_21, 3, N}}, {glass[0]}},
      {{3, 1, {T3, 28, 30}}, {&F::hT3_24, glass[0], glass[1]}},
      // The holes come by half seconds, the first 28 s into the scene.
      {{3, 1, {H, 56, N}, {T3, 27, N}}, {&F::hGunHole1}, 150, 320}, {{3, 1, {H, 57, N}, {T3, 27, N}}, {&F::hGunHole2}, 200, 250},
      {{3, 1, {H, 58, N}, {T3, 27, N}}, {&F::hGunHole3}, 250, 300}, {{3, 1, {T3, 30}}, {&F::hT3_25, glass[0], glass[1], glass[2]}},
      {{3, 1, {T3, 31}}, {&F::hT3_26, glass[0], glass[1], glass[2]}},
      {{3, 1, {T3, 32, 34}}, {glass[0], glass[1], glass[2], &F::hT3_27}},
      {{3, 2}, {&F::hT3_27, glass[0], glass[1], glass[2], &F::hGunHole1, &F::hGunHole2, &F::hGunHole3}},
      {{4, 1}, {&F::hPilgrimA}, 330}, {{4, 2, {S, 0, 3}}, {&F::hPilgrimA}, 330, 315},
      // The hop: frame 12 lifts the pilgrim 20 pixels.
      {{4, 2, {Hop, 1}, {Dr, &F::hPilgrim01, 0, 12}}, {&F::hPilgrim01}, 330, 320},
      {{4, 2, {Hop, 1}, {Dr, &F::hPilgrim01, 12, 14}}, {&F::hPilgrim01}, 330, 300},
      {{4, 2, {Hop, 0}, {S, 3}}, {&F::hPilgrim01}, 330, 320}, {{4, 4, {S, 0}}, {&F::hPilgrimC}, 330, 196},
      {{4, 8, {S, 0, 3}}, {&F::hPilgrim16}, 330, 188},
      {{4, 10, {S, 0, 5}}, {&F::hPilgrim19}, 330, 186}, {{4, 11, {S, 0, 6}}, {&F::hPilgrim21}, 342, 186},
      // The jump: up to 172, then down 40 a frame (the landing is checked where the step ends).
      {{4, 12, {Dr, &F::hPilgrim23, 0, 4}}, {&F::hPilgrim23}, 338, 178},
      {{4, 12, {Dr, &F::hPilgrim23, 4}}, {&F::hPilgrim23}, 338, 172},
      {{4, 12, {Dr, &F::hPilgrim23, 5}}, {&F::hPilgrim23}, 338, 212},
      {{4, 12, {Dr, &F::hPilgrim23, 6}}, {&F::hPilgrim23}, 338, 252},
      {{4, 12, {Dr, &F::hPilgrim23, 7}}, {&F::hPilgrim23}, 338, 292}, {{4, 13, {S, 0, 5}}, {&F::hPilgrim28}, 338, 390},
      {{5, 1, {S, 0, 6}}, {&F::hPT01}, 330, 390}, {{5, 2, {S, 0, 5}}, {&F::hPT03}, 330, 390},
      {{5, 3, {S, 0, 2}}, {&F::hPT05}, 330, 390}, {{5, 4, {S, 0, 2}}, {&F::hPT06}, 244, 399},
      {{5, 5}, {&F::hPT07}, 330, 398}, {{5, 6, {S, 0, 3}}, {&F::hPT17}, 330, 398}, {{5, 7}, {&F::hPT18}, 328, 344},
      // P&T23 holds its first frame for two seconds.
      {{5, 8, {S, 0, 2}, {Dr, &F::hPT23, 1}}, {&F::hPT23}, 333, 391}, {{5, 8, {S, 2, 3}}, {&F::hPT23}, 333, 391},
      {{5, 9, {S, 0, 5}}, {&F::hPT26}, 334, 391}, {{5, 9, {S, 0, 5}}, {&F::hSmoke}, 450, 430},
      {{5, 10, {S, 0, 6}}, {&F::hPT26}, 334, 391}, {{6, 0}, {&F::hPT26}, 334, 391}, {{6, 0}, {&F::hTC01}, -1, 420},
      {{7, 0, {Backdrop, 1}}, {&F::hTCP01}, 334, 391}, {{7, 0, {Backdrop, 1}}, {&F::hCow1}, 610, 450},
      {{7, 0, {S, 8, N}}, {&F::hVertBarL, &F::hVertBarR, &F::hHorizBarT, &F::hHorizBarB}},
      // The cow runs to frame 10, drawn twice on the frame it gets there, then holds it.
      {{8, 0, {CowPlaying, 1}}, {&F::hCow3}, 350, 250}, {{8, 0, {CowPlaying, 0}, {S, 0, 7}}, {&F::hCow3}, 350, 250},
      {{8, 0, {CowPlaying, 1}, {Fr, &F::hCow3, 10}}, {&F::hCow3}},
    };
    // Poses: the frame each second sets, shown from the next scene frame on.
    struct Pose {
      int step;
      Slot sprite;
      int y;
      std::vector<int> frames;
    };
    for (const Pose& p : {Pose{3, &F::hPilgrim07, 233, {1, 1, 2, 2, 3, 3, 4}}, {5, &F::hPilgrim09, 198, {1, 2, 3}},
                          {6, &F::hPilgrim11, 188, {1, 2, 3}}, {7, &F::hPilgrim14, 188, {1, 2, 2}},
                          {9, &F::hPilgrim17, 188, {1, 2, 2, 2}}})
      for (int k = 0; k < static_cast<int>(p.frames.size()); ++k)
        rows.push_back({{4, p.step, {S, k}, {Fr, p.sprite, p.frames[static_cast<size_t>(k)]}}, {p.sprite}, 330, p.y});
    return rows;
  }();
  return draws;
}

const std::vector<StepRow>& Steps() {
  static const std::vector<StepRow> steps = {
      {{1, 1, {T1, 17, N}, {Fr, &F::hT1_07, 17}}, 1, 2, ST, C1},
      // 1 to 2 leaves StepTicks alone: scene 2 times its first step by its own counter.
      {{1, 2, {S, 3}}, 2, 1, C2, ST | C1 | C3 | HT}, {{2, 1, {T2, 33, N}, {Fr, &F::hT2_24, 6}}, 2, 2, ST, C2},
      {{2, 2, {S, 3}}, 3, 1, C3 | HT, ST | C1 | C2}, {{3, 1, {T3, 32, 34}, {Fr, &F::hT3_27, 10}}, 3, 2, ST, HT},
      {{3, 2, {S, 3}}, 4, 1, ST, Ticks},
      // The walks: 3 pixels a frame, up from 600 to 318 and in from 800 to 407.
      {{4, 1, {DrawnY, &F::hPilgrimA, 318}}, 4, 2, ST}, {{4, 2, {Fr, &F::hPilgrim01, 13}}, 4, 3, ST},
      {{4, 3, {S, 7, N}}, 4, 4, ST}, {{4, 4, {S, 1, N}}, 4, 5, ST}, {{4, 5, {S, 3, N}}, 4, 6, ST},
      {{4, 6, {S, 3, N}}, 4, 7, ST}, {{4, 7, {S, 2, N}}, 4, 8, ST}, {{4, 8, {S, 2, N}}, 4, 9, ST},
      {{4, 9, {S, 3, N}}, 4, 10, ST}, {{4, 10, {S, 5, N}}, 4, 11, ST}, {{4, 11, {S, 6, N}}, 4, 12, ST},
      // Stepped to 8 on this frame (drawn at 7) and landed at 335.
      {{4, 12, {Fr, &F::hPilgrim23, 8}, {Dr, &F::hPilgrim23, 1, 8}, {YAfter, &F::hPilgrim23, 335}}, 4, 13, ST},
      {{4, 13, {S, 3, N}}, 5, 1, ST, Ticks},
      {{5, 1, {S, 5}}, 5, 2, ST}, {{5, 2, {S, 4}}, 5, 3, ST}, {{5, 3, {S, 1}}, 5, 4, ST}, {{5, 4, {S, 1}}, 5, 5, ST},
      {{5, 5, {Fr, &F::hPT07, 19}}, 5, 6, ST}, {{5, 6, {S, 2}}, 5, 7, ST}, {{5, 7, {Dr, &F::hPT18, 23}}, 5, 8, ST},
      {{5, 8, {Fr, &F::hPT23, 3}}, 5, 9, ST}, {{5, 9, {S, 0, 5}, {Fr, &F::hSmoke, 4}}, 5, 10, ST},
      {{5, 10, {S, 5, N}}, 6, 0, ST, Ticks}, {{6, 0, {XAfter, &F::hTC01, 407}}, 7, 0, ST, Ticks},
      // The bars close in 2 pixels a frame from the sides; later shows find them there.
      {{7, 0, {S, 8, N}, {XAfter, &F::hVertBarL, 401, N}, {XAfter, &F::hVertBarR, 0, 400}, {YAfter, &F::hHorizBarT, 401, N}},
       8, 0, ST, Ticks},
      {{8, 0, {S, 7, N}, {CowPlaying, 0}}, 1, 1, All},
  };
  return steps;
}

// Consecutive scene frames of one show that play the same scene and step.
struct Segment {
  int show, scene, step;
  size_t first, last;  // indices into run.frames; last is the frame that leaves
};
std::vector<Segment> SegmentsOf(const ShowRun& run) {
  std::vector<Segment> all;
  for (size_t i = 0; i < run.frames.size(); ++i) {
    const SceneFrame& r = run.frames[i];
    if (all.empty() || all.back().show != r.show || all.back().scene != r.before.scene || all.back().step != r.before.step)
      all.push_back({r.show, r.before.scene, r.before.step, i, i});
    all.back().last = i;
  }
  return all;
}

std::string Describe(const SceneFrame& r) {
  const SceneFrame::State& b = r.before;
  return "show " + std::to_string(r.show) + " at " + std::to_string(r.us / 1e6) + " s, scene " + std::to_string(b.scene) +
         " step " + std::to_string(b.step) + ", StepTicks/Scene1Ticks/Scene2Ticks/Scene3Ticks/HoleTicks " +
         std::to_string(b.stepTicks) + "/" + std::to_string(b.scene1Ticks) + "/" + std::to_string(b.scene2Ticks) + "/" +
         std::to_string(b.scene3Ticks) + "/" + std::to_string(b.holeTicks);
}

std::string Join(const auto& v) {
  std::string out;
  for (int32_t x : v) out += std::to_string(x) + " ";
  return out;
}

// A test on the run at one pace: the first run's (6), the fastest and the slowest the dialog offers.
class ShowAtPace : public ::testing::TestWithParam<int> {
 protected:
  double Seconds(size_t from, size_t to) const { return static_cast<double>(run.frames[to].us - run.frames[from].us) / 1e6; }
  bool Report() { return reports++ < 5; }  // a fault shows on many frames: report the first few
  void ExpectDueInBothShows(const When& w, int32_t id) const {
    for (int show = 1; show <= 2; ++show)
      EXPECT_TRUE(std::any_of(run.frames.begin(), run.frames.end(), [&](const SceneFrame& r) { return r.show == show && w(r, f); }))
          << "id " << id << " in scene " << w.scene << " step " << w.step << " never due in show " << show;
  }
  const ShowRun& run = RunOf(GetParam());
  const ShowIds& f = run.ids;
  const double spacing = std::max(GetParam(), 1) * 1.0 / kFrameEventsPerSecond;  // seconds between scene frames
  int reports = 0;
};
using SceneTables = ShowAtPace;

TEST_P(SceneTables, EachFrameCuesWhatTheScriptSaysAndEveryCueIsDueInBothShows) {
  for (const SceneFrame& r : run.frames) {
    std::multiset<int32_t> expected, played(r.plays.begin(), r.plays.end());
    for (const Cue& c : Cues())
      if (c.when(r, f)) expected.insert(f.*c.sound);
    if (played != expected && Report())
      ADD_FAILURE() << Describe(r) << ": sounds " << Join(played) << "expected " << Join(expected);
  }
  for (const Cue& c : Cues()) ExpectDueInBothShows(c.when, f.*c.sound);
}

TEST_P(SceneTables, EachFrameDrawsWhatTheScriptSaysInOrderAndPlace) {
  for (const SceneFrame& r : run.frames) {
    std::vector<int32_t> expected, drawn, clears;
    std::vector<std::pair<int, int>> places;
    if (r.before.showBackdrop) {
      expected = {f.hBackground, f.hInside, f.hShack};
      places = {{0, 0}, {107, 181}, {57, 40}};
      clears.push_back(Rgb(41, 118, 14));
    }
    if (r.before.scene == 8) clears.push_back(Rgb(0, 0, 0));
    for (const DrawRow& d : Draws())
      for (Slot s : d.sprites)
        if (d.when(r, f)) expected.push_back(f.*s), places.emplace_back(d.x, d.y);
    for (const SceneFrame::Draw& d : r.draws) drawn.push_back(d.id);
    if ((drawn != expected || clears != r.clears) && Report())
      ADD_FAILURE() << Describe(r) << ": drew " << Join(drawn) << "cleared " << Join(r.clears) << "; expected "
                    << Join(expected) << "cleared " << Join(clears);
    for (size_t k = 0; drawn == expected && k < drawn.size(); ++k) {
      const auto [x, y] = places[k];
      if (((x >= 0 && r.draws[k].x != x) || (y >= 0 && r.draws[k].y != y)) && Report())
        ADD_FAILURE() << Describe(r) << ": sprite " << drawn[k] << " at " << r.draws[k].x << "," << r.draws[k].y;
    }
  }
  for (const DrawRow& d : Draws()) ExpectDueInBothShows(d.when, f.*d.sprites[0]);
}

// A step left when StepTicks reaches n lasts between n - 1 and n seconds,
// as StepTicks was zeroed somewhere inside a second.
TEST_P(SceneTables, StepsEndOnTheirCueAfterTheirSecondsAndZeroTheirCounters) {
  const auto counter = [](const SceneFrame::State& s, unsigned c) {
    return c == ST ? s.stepTicks : c == C1 ? s.scene1Ticks : c == C2 ? s.scene2Ticks : c == C3 ? s.scene3Ticks : s.holeTicks;
  };
  const std::vector<Segment> all = SegmentsOf(run);
  for (const StepRow& rule : Steps()) {
    const When& w = rule.leaves;
    int ended = 0;
    for (size_t k = 0; k + 1 < all.size(); ++k) {  // the run stops inside the last segment
      const Segment& s = all[k];
      if (s.scene != w.scene || s.step != w.step) continue;
      for (size_t i = s.first; i <= s.last; ++i)
        if (w(run.frames[i], f) != (i == s.last)) {
          ADD_FAILURE() << Describe(run.frames[i]) << (i == s.last ? ": leaves" : ": goes on") << " against the table";
          break;
        }
      ++ended;
      const SceneFrame& last = run.frames[s.last];
      EXPECT_TRUE(last.after.scene == rule.nextScene && last.after.step == rule.nextStep) << Describe(last);
      for (unsigned c = ST; c <= HT; c <<= 1) {
        const int expected = rule.zeroed & c ? 0 : counter(last.before, c);
        EXPECT_TRUE(!((rule.zeroed | rule.kept) & c) || counter(last.after, c) == expected)
            << "counter " << c << ", " << Describe(last);
      }
      const double took = Seconds(s.first, s.last);
      const bool timed = w.a.kind == S && w.a.lo > 0 && w.b.kind == Always;
      EXPECT_TRUE(!timed || (took > w.a.lo - 1 - spacing && took <= w.a.lo + spacing)) << took << " s, " << Describe(last);
    }
    EXPECT_GE(ended, 2) << "scene " << w.scene << " step " << w.step << " did not end in both shows";
  }
}

// The tables at the pace of the first run; the rest at every pace.
INSTANTIATE_TEST_SUITE_P(Pace, SceneTables, ::testing::Values(6));
using ShowTimeline = ShowAtPace;

// The steps' order is the tables'; here the shows' lengths and the pace.
TEST_P(ShowTimeline, ShowsTakeTheirTimeAtTheirPace) {
  std::vector<int64_t> start;
  for (const SceneFrame& r : run.frames)
    if (start.size() < static_cast<size_t>(r.show)) start.push_back(r.us);
  ASSERT_EQ(start.size(), 3u) << "the third show begins";
  // Both shows take the same time but for the wipe, 200 frames shorter from
  // the second show on; steps wait for whole seconds from phases of their own.
  EXPECT_NEAR((start[1] - start[0]) / 1e6 - (start[2] - start[1]) / 1e6, 200 * spacing, 8.0);
  EXPECT_GT((start[2] - start[1]) / 1e6, 150.0);
  // Every TunePC-th Frame event is a scene frame (every one at 0); PaceCount starts at 0.
  const int64_t n = std::max(run.tunePC, 1), gap = n * 1000000 / kFrameEventsPerSecond;
  EXPECT_EQ(run.frames.front().us, (run.tunePC == 0 ? 1 : n + 1) * 1000000 / kFrameEventsPerSecond);
  for (size_t i = 1; i < run.frames.size(); ++i)
    if (std::abs(run.frames[i].us - run.frames[i - 1].us - gap) > 1 && Report())
      ADD_FAILURE() << "gap before " << Describe(run.frames[i]);
  EXPECT_EQ(run.callsOffSceneFrames, 0);
}

// The sounds as the built wave files play them, a cue on a sound still
// playing leaving it alone. Each unbroken run of frames on which a shot,
// crash, pop or thump is due is heard: its sound starts on one of them or at
// most a scene frame and 30 ms before, and the single-event sounds at no
// other time. The volley is heard with every muzzle flash, or in the 400 ms
// aim picture before it.
TEST_P(ShowTimeline, EveryShotCrashPopAndThumpIsHeard) {
  PlayingSounds playing;
  for (const SoundBankRow& row : SoundBank()) {
    const std::optional<std::string> bytes = ReadSoundFile(std::string(GS_DATA_DIR) + "/" + row.file);
    const std::optional<double> seconds = bytes ? WaveSeconds(*bytes) : std::nullopt;
    EXPECT_TRUE(seconds.has_value()) << row.file;
    if (seconds) playing.SetLength(f.*row.slot, std::llround(*seconds * 1e6));
  }
  std::map<int32_t, std::vector<int64_t>> starts;
  for (const SceneFrame& r : run.frames)
    for (int32_t id : r.plays)
      if (r.show <= 2 && playing.Play(id, r.us) == PlayingSounds::Cue::Started) starts[id].push_back(r.us);
  std::vector<std::pair<Cue, int64_t>> events;
  for (const Cue& c : Cues())
    if ((c.sound == &F::sndGun && c.when.step != 10) || c.sound == &F::sndGunBig || c.sound == &F::sndCrash ||
        c.sound == &F::sndPop || c.sound == &F::sndThump)
      events.push_back({c, static_cast<int64_t>(spacing * 1e6) + 30000});
  events.push_back({{&F::sndGun, {4, 10, {S, 0, 5}, {Dr, &F::hPilgrim19, 2}}}, 400000});
  std::map<int32_t, size_t> due;
  for (const auto& [c, early] : events) {
    const auto holds = [&](size_t k, int show) {
      return k < run.frames.size() && run.frames[k].show == show && c.when(run.frames[k], f);
    };
    for (size_t i = 0; i < run.frames.size(); ++i) {
      const int show = run.frames[i].show;
      if (show > 2 || !holds(i, show) || (i > 0 && holds(i - 1, show))) continue;
      size_t last = i;
      while (holds(last + 1, show)) ++last;
      ++due[f.*c.sound];
      const auto& at = starts[f.*c.sound];
      if (std::none_of(at.begin(), at.end(), [&](int64_t t) { return t >= run.frames[i].us - early && t <= run.frames[last].us; }))
        ADD_FAILURE() << "sound " << f.*c.sound << " not heard: " << Describe(run.frames[i]);
    }
  }
  for (Slot s : {&F::sndGunBig, &F::sndCrash, &F::sndPop, &F::sndThump}) EXPECT_EQ(starts[f.*s].size(), due[f.*s]);
}

// The reset puts every sprite back to its first frame, the gun where scene 3
// left it, and the backdrop and the cows back on.
TEST_P(ShowTimeline, ResetBringsTheShowBack) {
  int resets = 0;
  for (const SceneFrame& r : run.frames) {
    if (r.before.scene != 8 || r.after.scene != 1) continue;
    ++resets;
    EXPECT_TRUE(r.draws.empty()) << "the frame that resets shows only black";
    for (size_t id = 1; id < r.frameAfter.size(); ++id) EXPECT_LE(r.frameAfter[id], 1) << "sprite " << id;
    EXPECT_EQ(r.xAfter[static_cast<size_t>(f.hGun)], 380);
    const SceneFrame::State& a = r.after;
    EXPECT_TRUE(a.showBackdrop && a.cowPlaying && a.cannonArmed && !a.pilgrimHop);
  }
  EXPECT_GE(resets, 2);
}

INSTANTIATE_TEST_SUITE_P(Paces, ShowTimeline, ::testing::Values(0, 6, 20));

}  // namespace
}  // namespace gs::testing
