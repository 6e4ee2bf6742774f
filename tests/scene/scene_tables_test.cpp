// Every scene frame of two whole shows against the scripts' tables: what it
// cues, what it draws and where, and how each step ends.
#include <algorithm>
#include <sstream>

#include "display/display.h"
#include "scene/show_tables.h"

namespace gs::testing {

bool Guard::operator()(const SceneFrame& r, const ShowIds& f) const {
  const SceneFrame::State& b = r.before;
  const size_t id = v.sprite ? static_cast<size_t>(f.*v.sprite) : 0;
  const auto drawn = [&](int SceneFrame::Draw::*field, int none) {
    for (const SceneFrame::Draw& d : r.draws)
      if (d.id == f.*v.sprite) return d.*field;
    return none;
  };
  int x = 0;
  switch (v.kind) {
    case Always: return true;
    case T1: x = b.scene1Ticks; break;
    case T2: x = b.scene2Ticks; break;
    case T3: x = b.scene3Ticks; break;
    case H: x = b.holeTicks; break;
    case S: x = b.stepTicks; break;
    case Armed: x = b.cannonArmed; break;
    case Hop: x = b.pilgrimHop; break;
    case CowScene: x = b.showCowScene; break;
    case CowPlaying: x = b.cowPlaying; break;
    case FrameAfter: x = r.frameAfter[id]; break;
    case Drawn: x = drawn(&SceneFrame::Draw::frame, 0); break;
    case Stepped: x = r.frameAfter[id] != drawn(&SceneFrame::Draw::frame, 0); break;
    case XAfter: x = r.xAfter[id]; break;
    case YAfter: x = r.yAfter[id]; break;
    case DrawnY: x = drawn(&SceneFrame::Draw::y, -1); break;
  }
  return x >= lo && x < hi;
}

bool When::operator()(const SceneFrame& r, const ShowIds& f) const {
  return r.before.scene == scene && (step == 0 || r.before.step == step) && a(r, f) && b(r, f) && c(r, f);
}

std::vector<Segment> SegmentsOf(const ShowRun& run, int scene, int step) {
  std::vector<Segment> all, out;
  for (size_t i = 0; i < run.frames.size(); ++i) {
    const SceneFrame& r = run.frames[i];
    if (!all.empty() && all.back().show == r.show && all.back().scene == r.before.scene && all.back().step == r.before.step)
      all.back().last = i;
    else
      all.push_back({r.show, r.before.scene, r.before.step, i, i});
  }
  for (const Segment& s : all)
    if (scene < 0 || (s.scene == scene && s.step == step)) out.push_back(s);
  return out;
}

double Seconds(const ShowRun& run, size_t from, size_t to) {
  return static_cast<double>(run.frames[to].us - run.frames[from].us) / 1e6;
}

std::string Describe(const SceneFrame& r) {
  std::ostringstream out;
  out << "show " << r.show << " at " << r.us / 1e6 << " s, scene " << r.before.scene << " step " << r.before.step
      << ", StepTicks " << r.before.stepTicks << ", Scene1/2/3Ticks " << r.before.scene1Ticks << "/"
      << r.before.scene2Ticks << "/" << r.before.scene3Ticks << ", HoleTicks " << r.before.holeTicks;
  return out.str();
}

const std::vector<Cue>& Cues() {
  static const std::vector<Cue> cues = {
      {&F::sndTurkey, {1, 1, {T1, 4, 6}}}, {&F::sndGun, {1, 1, {T1, 10}}}, {&F::sndBow, {1, 1, {T1, 16}}},
      {&F::sndGun, {2, 1, {T2, 10}}},
      {&F::sndGun, {2, 1, {T2, 10, 14}, {Fr(&F::hT2_04), 4}}},
      {&F::sndGun, {2, 1, {T2, 10, 14}, {Fr(&F::hT2_04), 9}}},
      {&F::sndTurkey, {2, 1, {T2, 14}}},
      {&F::sndGunBig, {2, 1, {T2, 24}, {Armed, 1}}},
      {&F::sndGunBig, {2, 1, {T2, 32}, {Armed, 1}}},
      {&F::sndCrash, {2, 1, {T2, 33, N}, {Fr(&F::hT2_24), 5}}},
      {&F::sndTurkey, {3, 1, {T3, 2}}},
      {&F::sndTurkey, {3, 1, {T3, 14, 21}, {Fr(&F::hT3_14), 2}}},
      {&F::sndGun, {3, 1, {T3, 14, 21}, {Fr(&F::hT3_14), 11}}},
      {&F::sndTurkey, {3, 1, {T3, 23}}},
      {&F::sndGun, {3, 1, {T3, 26, 28}, {Fr(&F::hT3_21), 3}}},
      {&F::sndGun, {3, 1, {T3, 28}}}, {&F::sndGun, {3, 1, {T3, 30}}}, {&F::sndGun, {3, 1, {T3, 31}}},
      {&F::sndTurkey, {4, 6, {S, 0}}}, {&F::sndGun, {4, 6, {S, 1}}}, {&F::sndBowPop, {4, 6, {S, 2}}},
      {&F::sndBowPop, {4, 7, {S, 1}}},
      {&F::sndGun, {4, 10, {S, 0, 5}}},
      {&F::sndImpact, {5, 5, {Fr(&F::hPT07), 2}}},
      {&F::sndPop, {5, 5, {Fr(&F::hPT07), 13}}}, {&F::sndPop, {5, 5, {Fr(&F::hPT07), 16}}},
      // Read before the draw: the frame the draw shows.
      {&F::sndThump, {5, 7, {Dr(&F::hPT18), 1}}}, {&F::sndThump, {5, 7, {Dr(&F::hPT18), 8}}},
      {&F::sndThump, {5, 7, {Dr(&F::hPT18), 16}}},
      {&F::sndWhizz, {5, 9, {S, 0, 5}}},
      // On the frames the walker takes a step.
      {&F::sndGrunt, {6, 0, {S, 1}, {{Stepped, &F::hTC01}, 1}}},
      {&F::sndGrunt, {6, 0, {S, 4}, {{Stepped, &F::hTC01}, 1}}},
      {&F::sndCow, {6, 0, {S, 2}}}, {&F::sndCow, {6, 0, {S, 5}}},
      {&F::sndPlop, {8, 0, {CowPlaying, 1}, {Fr(&F::hCow3), 5}}},
  };
  return cues;
}

namespace {

const std::vector<DrawRow>& Draws() {
  static const Slot glass[] = {&F::hGlass1, &F::hGlass2, &F::hGlass3};
  static const std::vector<DrawRow> draws = {
      {{1, 1}, {&F::hGun}}, {{1, 1, {T1, 0, 10}}, {&F::hT1_01}}, {{1, 1, {T1, 10}}, {&F::hT1_04b}},
      {{1, 1, {T1, 11, 13}}, {&F::hT1_04}}, {{1, 1, {T1, 13, 16}}, {&F::hT1_05}},
      {{1, 1, {T1, 16}}, {&F::hT1_06a}}, {{1, 1, {T1, 17, N}}, {&F::hT1_07}},
      {{1, 2}, {&F::hT1_13}},
      // The gun is hidden once T2-04 has shown its frame 11.
      {{2, 1, {T2, 0, 10}}, {&F::hGun}}, {{2, 1, {T2, 10, 14}, {Dr(&F::hT2_04), 0, 11}}, {&F::hGun}},
      {{2, 1, {T2, 0, 10}}, {&F::hT2_01}}, {{2, 1, {T2, 10, 14}}, {&F::hT2_04}},
      {{2, 1, {T2, 14, 16}}, {&F::hT2_08}}, {{2, 1, {T2, 16, 18}}, {&F::hT2_10}},
      {{2, 1, {T2, 18, 25}}, {&F::hCannon}}, {{2, 1, {T2, 18, 24}}, {&F::hT2_11}},
      {{2, 1, {T2, 24, 26}}, {&F::hT2_13}}, {{2, 1, {T2, 26}}, {&F::hT2_15}}, {{2, 1, {T2, 27}}, {&F::hT2_17}},
      {{2, 1, {T2, 28}}, {&F::hT2_19}}, {{2, 1, {T2, 29, 31}}, {&F::hT2_20}},
      {{2, 1, {T2, 31, 33}}, {&F::hCannon, &F::hT2_22}}, {{2, 1, {T2, 33, N}}, {&F::hT2_24}},
      {{2, 2}, {&F::hT2_28}},
      {{3, 1}, {&F::hGun}}, {{3, 1, {T3, 0, 5}}, {&F::hT3_01}}, {{3, 1, {T3, 5, 14}}, {&F::hT3_06}},
      {{3, 1, {T3, 14, 21}}, {&F::hT3_14}}, {{3, 1, {T3, 21, 23}}, {&F::hT3_18}},
      {{3, 1, {T3, 23, 26}}, {&F::hT3_20}}, {{3, 1, {T3, 26, 28}}, {&F::hT3_21}},
      {{3, 1, {T3, 26, 28}, {Fr(&F::hT3_21), 3, N}}, {glass[0]}},
      {{3, 1, {T3, 28, 30}}, {&F::hT3_24, glass[0], glass[1]}},
      {{3, 1, {H, 56, N}}, {&F::hGunHole1}, 150, 320}, {{3, 1, {H, 57, N}}, {&F::hGunHole2}, 200, 250},
      {{3, 1, {H, 58, N}}, {&F::hGunHole3}, 250, 300},
      {{3, 1, {T3, 30}}, {&F::hT3_25, glass[0], glass[1], glass[2]}},
      {{3, 1, {T3, 34, N}}, {&F::hGunHole3}},
      {{3, 1, {T3, 31}}, {&F::hT3_26, glass[0], glass[1], glass[2]}},
      {{3, 1, {T3, 32, 34}}, {glass[0], glass[1], glass[2], &F::hT3_27}},
      {{3, 2}, {&F::hT3_27, glass[0], glass[1], glass[2], &F::hGunHole1, &F::hGunHole2, &F::hGunHole3}},
      {{4, 1}, {&F::hPilgrimA}, 330},  // the walk never starts above 318
      {{4, 2, {S, 0, 3}}, {&F::hPilgrimA}, 330, 315},
      // The hop: frame 12 lifts the pilgrim 20 pixels.
      {{4, 2, {Hop, 1}, {Dr(&F::hPilgrim01), 0, 12}}, {&F::hPilgrim01}, 330, 320},
      {{4, 2, {Hop, 1}, {Dr(&F::hPilgrim01), 12, 14}}, {&F::hPilgrim01}, 330, 300},
      {{4, 2, {Hop, 0}, {S, 3}}, {&F::hPilgrim01}, 330, 320},
      // Poses: the frame each second sets, shown from the next scene frame on.
      {{4, 3, {S, 0, 2}, {Fr(&F::hPilgrim07), 1}}, {&F::hPilgrim07}, 330, 233},
      {{4, 3, {S, 2, 4}, {Fr(&F::hPilgrim07), 2}}, {&F::hPilgrim07}, 330, 233},
      {{4, 3, {S, 4, 6}, {Fr(&F::hPilgrim07), 3}}, {&F::hPilgrim07}, 330, 233},
      {{4, 3, {S, 6}, {Fr(&F::hPilgrim07), 4}}, {&F::hPilgrim07}, 330, 233},
      {{4, 4, {S, 0}}, {&F::hPilgrimC}, 330, 196},
      {{4, 5, {S, 0}, {Fr(&F::hPilgrim09), 1}}, {&F::hPilgrim09}, 330, 198},
      {{4, 5, {S, 1}, {Fr(&F::hPilgrim09), 2}}, {&F::hPilgrim09}, 330, 198},
      {{4, 5, {S, 2}, {Fr(&F::hPilgrim09), 3}}, {&F::hPilgrim09}, 330, 198},
      {{4, 6, {S, 0}, {Fr(&F::hPilgrim11), 1}}, {&F::hPilgrim11}, 330, 188},
      {{4, 6, {S, 1}, {Fr(&F::hPilgrim11), 2}}, {&F::hPilgrim11}, 330, 188},
      {{4, 6, {S, 2}, {Fr(&F::hPilgrim11), 3}}, {&F::hPilgrim11}, 330, 188},
      {{4, 7, {S, 0}, {Fr(&F::hPilgrim14), 1}}, {&F::hPilgrim14}, 330, 188},
      {{4, 7, {S, 1, 3}, {Fr(&F::hPilgrim14), 2}}, {&F::hPilgrim14}, 330, 188},
      {{4, 8, {S, 0, 3}}, {&F::hPilgrim16}, 330, 188},
      {{4, 9, {S, 0}, {Fr(&F::hPilgrim17), 1}}, {&F::hPilgrim17}, 330, 188},
      {{4, 9, {S, 1, N}, {Fr(&F::hPilgrim17), 2}}, {&F::hPilgrim17}, 330, 188},
      {{4, 10, {S, 0, 5}}, {&F::hPilgrim19}, 330, 186}, {{4, 11, {S, 0, 6}}, {&F::hPilgrim21}, 342, 186},
      // The jump: up to 172, then down 40 a frame (the landing is checked where the step ends).
      {{4, 12, {Dr(&F::hPilgrim23), 0, 4}}, {&F::hPilgrim23}, 338, 178},
      {{4, 12, {Dr(&F::hPilgrim23), 4}}, {&F::hPilgrim23}, 338, 172},
      {{4, 12, {Dr(&F::hPilgrim23), 5}}, {&F::hPilgrim23}, 338, 212},
      {{4, 12, {Dr(&F::hPilgrim23), 6}}, {&F::hPilgrim23}, 338, 252},
      {{4, 12, {Dr(&F::hPilgrim23), 7}}, {&F::hPilgrim23}, 338, 292},
      {{4, 13, {S, 0, 5}}, {&F::hPilgrim28}, 338, 390},
      {{5, 1, {S, 0, 6}}, {&F::hPT01}, 330, 390}, {{5, 2, {S, 0, 5}}, {&F::hPT03}, 330, 390},
      {{5, 3, {S, 0, 2}}, {&F::hPT05}, 330, 390}, {{5, 4, {S, 0, 2}}, {&F::hPT06}, 244, 399},
      {{5, 5}, {&F::hPT07}, 330, 398}, {{5, 6, {S, 0, 3}}, {&F::hPT17}, 330, 398}, {{5, 7}, {&F::hPT18}, 328, 344},
      // P&T23 holds its first frame for two seconds.
      {{5, 8, {S, 0, 2}, {Dr(&F::hPT23), 1}}, {&F::hPT23}, 333, 391}, {{5, 8, {S, 2, 3}}, {&F::hPT23}, 333, 391},
      {{5, 9, {S, 0, 5}}, {&F::hPT26}, 334, 391}, {{5, 9, {S, 0, 5}}, {&F::hSmoke}, 450, 430},
      {{5, 10, {S, 0, 6}}, {&F::hPT26}, 334, 391},
      {{6, 0}, {&F::hPT26}, 334, 391}, {{6, 0}, {&F::hTC01}},
      {{7, 0, {CowScene, 1}}, {&F::hTCP01}, 334, 391}, {{7, 0, {CowScene, 1}}, {&F::hCow1}, 610, 450},
      {{7, 0, {S, 8, N}}, {&F::hVertBarL, &F::hVertBarR, &F::hHorizBarT, &F::hHorizBarB}},
      // The cow runs to frame 10, drawn twice on the frame it gets there, then holds it.
      {{8, 0, {CowPlaying, 1}}, {&F::hCow3}, 350, 250},
      {{8, 0, {CowPlaying, 0}, {S, 0, 7}}, {&F::hCow3}, 350, 250},
      {{8, 0, {CowPlaying, 1}, {Fr(&F::hCow3), 10}}, {&F::hCow3}},
  };
  return draws;
}

const std::vector<StepRow>& Steps() {
  static const std::vector<StepRow> steps = {
      {{1, 1, {T1, 17, N}, {Fr(&F::hT1_07), 17}}, 1, 2, ST, C1},
      // 1 to 2 leaves StepTicks alone: scene 2 times its first step by its own counter.
      {{1, 2, {S, 3}}, 2, 1, C2, ST | C1 | C3 | HT},
      {{2, 1, {T2, 33, N}, {Fr(&F::hT2_24), 6}}, 2, 2, ST, C2},
      {{2, 2, {S, 3}}, 3, 1, C3 | HT, ST | C1 | C2},
      {{3, 1, {T3, 32, 34}, {Fr(&F::hT3_27), 10}}, 3, 2, ST, HT},
      {{3, 2, {S, 3}}, 4, 1, ST, C1 | C2 | C3 | HT},
      {{4, 1, {{DrawnY, &F::hPilgrimA}, 318}}, 4, 2, ST},
      {{4, 2, {Fr(&F::hPilgrim01), 13}}, 4, 3, ST},
      {{4, 3, {S, 7, N}}, 4, 4, ST}, {{4, 4, {S, 1, N}}, 4, 5, ST}, {{4, 5, {S, 3, N}}, 4, 6, ST},
      {{4, 6, {S, 3, N}}, 4, 7, ST}, {{4, 7, {S, 2, N}}, 4, 8, ST}, {{4, 8, {S, 2, N}}, 4, 9, ST},
      {{4, 9, {S, 3, N}}, 4, 10, ST}, {{4, 10, {S, 5, N}}, 4, 11, ST}, {{4, 11, {S, 6, N}}, 4, 12, ST},
      // Stepped to 8 on this frame (drawn at 7) and landed at 335.
      {{4, 12, {Fr(&F::hPilgrim23), 8}, {Dr(&F::hPilgrim23), 1, 8}, {{YAfter, &F::hPilgrim23}, 335}}, 4, 13, ST},
      {{4, 13, {S, 3, N}}, 5, 1, ST, C1 | C2 | C3 | HT},
      {{5, 1, {S, 5}}, 5, 2, ST}, {{5, 2, {S, 4}}, 5, 3, ST}, {{5, 3, {S, 1}}, 5, 4, ST}, {{5, 4, {S, 1}}, 5, 5, ST},
      {{5, 5, {Fr(&F::hPT07), 19}}, 5, 6, ST}, {{5, 6, {S, 2}}, 5, 7, ST}, {{5, 7, {Dr(&F::hPT18), 23}}, 5, 8, ST},
      {{5, 8, {Fr(&F::hPT23), 3}}, 5, 9, ST}, {{5, 9, {S, 0, 5}, {Fr(&F::hSmoke), 4}}, 5, 10, ST},
      {{5, 10, {S, 5, N}}, 6, 0, ST, C1 | C2 | C3 | HT},
      {{6, 0, {{XAfter, &F::hTC01}, -N, 410}}, 7, 0, ST, C1 | C2 | C3 | HT},
      {{7, 0, {S, 8, N}, {{XAfter, &F::hVertBarL}, 401, N}}, 8, 0, ST, C1 | C2 | C3 | HT},
      {{8, 0, {S, 7, N}, {CowPlaying, 0}}, 1, 1, ST | C1 | C2 | C3 | HT},
  };
  return steps;
}

std::string Join(const std::vector<int32_t>& v) {
  std::ostringstream out;
  for (int32_t x : v) out << x << " ";
  return out.str();
}

class SceneTables : public ShowAtPace {
 protected:
  int reports = 0;  // a fault shows on many frames: report the first few
  bool Report() { return reports++ < 5; }
};

TEST_P(SceneTables, EachFrameCuesWhatTheScriptSaysAndEveryCueIsDueInBothShows) {
  for (const SceneFrame& r : run.frames) {
    std::vector<int32_t> expected, played = r.plays;
    for (const Cue& c : Cues())
      if (c.when(r, f)) expected.push_back(f.*c.sound);
    std::sort(expected.begin(), expected.end());
    std::sort(played.begin(), played.end());
    if (played != expected && Report())
      ADD_FAILURE() << Describe(r) << ": sounds " << Join(played) << "expected " << Join(expected);
  }
  for (const Cue& c : Cues())
    for (int show = 1; show <= 2; ++show)
      EXPECT_TRUE(std::any_of(run.frames.begin(), run.frames.end(),
                              [&](const SceneFrame& r) { return r.show == show && c.when(r, f); }))
          << "sound " << f.*c.sound << " of scene " << c.when.scene << " step " << c.when.step << ", show " << show;
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
    for (const DrawRow& d : Draws()) {
      if (!d.when(r, f)) continue;
      for (Slot s : d.sprites) expected.push_back(f.*s), places.emplace_back(d.x, d.y);
    }
    for (const SceneFrame::Draw& d : r.draws) drawn.push_back(d.id);
    if ((drawn != expected || clears != r.clears) && Report())
      ADD_FAILURE() << Describe(r) << ": drew " << Join(drawn) << "cleared " << Join(r.clears) << "; expected "
                    << Join(expected) << "cleared " << Join(clears);
    for (size_t k = 0; drawn == expected && k < drawn.size(); ++k) {
      const auto [x, y] = places[k];
      if (x >= 0 && (r.draws[k].x != x || (y >= 0 && r.draws[k].y != y)) && Report())
        ADD_FAILURE() << Describe(r) << ": sprite " << drawn[k] << " at " << r.draws[k].x << "," << r.draws[k].y
                      << ", expected " << x << "," << y;
    }
  }
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
    const bool timed = w.a.v.kind == S && w.a.lo > 0 && w.b.v.kind == Always;
    int ended = 0;
    for (size_t k = 0; k + 1 < all.size(); ++k) {  // the run stops inside the last segment
      const Segment& s = all[k];
      if (s.scene != w.scene || s.step != w.step) continue;
      for (size_t i = s.first; i <= s.last; ++i)
        if (w(run.frames[i], f) != (i == s.last)) {
          ADD_FAILURE() << Describe(run.frames[i]) << (i == s.last ? ": leaves but" : ": goes on but")
                        << " the leave condition says otherwise";
          break;
        }
      ++ended;
      const SceneFrame& last = run.frames[s.last];
      EXPECT_EQ(last.after.scene, rule.nextScene) << Describe(last);
      EXPECT_EQ(last.after.step, rule.nextStep) << Describe(last);
      for (unsigned c = ST; c <= HT; c <<= 1) {
        const int16_t expected = rule.zeroed & c ? 0 : counter(last.before, c);
        EXPECT_TRUE(!(rule.zeroed & c || rule.kept & c) || counter(last.after, c) == expected)
            << "counter " << c << ", " << Describe(last);
      }
      if (timed) {
        EXPECT_GT(Seconds(run, s.first, s.last), w.a.lo - 1 - spacing) << Describe(last);
        EXPECT_LE(Seconds(run, s.first, s.last), w.a.lo + spacing) << Describe(last);
      }
    }
    EXPECT_GE(ended, 2) << "scene " << w.scene << " step " << w.step << " did not end in both shows";
  }
}

// At the pace of the first run; the other paces are checked where they change something.
INSTANTIATE_TEST_SUITE_P(Pace, SceneTables, ::testing::Values(6), [](const auto& i) { return std::to_string(i.param); });

}  // namespace
}  // namespace gs::testing
