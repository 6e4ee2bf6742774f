#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/show_trace.h"

namespace gs::testing {

using F = ShowIds;
using Slot = int32_t ShowIds::*;

// What a row's guard reads on a scene frame: a counter or flag as the frame
// found it, or a sprite's frame or place, drawn (0 / -1: not drawn) or after.
enum Kind { Always, T1, T2, T3, H, S, Armed, Hop, CowScene, CowPlaying, FrameAfter, Drawn, Stepped, XAfter, YAfter, DrawnY };
struct Var {
  Var(Kind k = Always, Slot s = nullptr) : kind(k), sprite(s) {}
  Kind kind;
  Slot sprite;
};
inline Var Fr(Slot s) { return {FrameAfter, s}; }
inline Var Dr(Slot s) { return {Drawn, s}; }
constexpr int N = 32767;  // open end
// Holds when lo <= value < hi; {v, n} holds when the value is n.
struct Guard {
  Guard() = default;
  Guard(Var var, int from) : v(var), lo(from), hi(from + 1) {}
  Guard(Var var, int from, int below) : v(var), lo(from), hi(below) {}
  Var v;
  int lo = 0, hi = 1;
  bool operator()(const SceneFrame& r, const ShowIds& f) const;
};

// Scene and step (0: any step) and up to three guards, as the scripts read.
struct When {
  When(int sc, int st, Guard g1 = {}, Guard g2 = {}, Guard g3 = {}) : scene(sc), step(st), a(g1), b(g2), c(g3) {}
  int scene, step;
  Guard a, b, c;
  bool operator()(const SceneFrame& r, const ShowIds& f) const;
};
// The sound played on exactly the scene frames where `when` holds.
struct Cue {
  Slot sound;
  When when;
};
// The sprites drawn in this order where `when` holds, at x, y unless x < 0.
struct DrawRow {
  DrawRow(When w, std::vector<Slot> s, int px = -1, int py = -1) : when(w), sprites(std::move(s)), x(px), y(py) {}
  When when;
  std::vector<Slot> sprites;
  int x = -1, y = -1;
};
// The frame that leaves a step (and no other of it) and what it zeroes and keeps.
enum Counters : unsigned { ST = 1, C1 = 2, C2 = 4, C3 = 8, HT = 16 };
struct StepRow {
  StepRow(When w, int sc, int st, unsigned z, unsigned k = 0) : leaves(w), nextScene(sc), nextStep(st), zeroed(z), kept(k) {}
  When leaves;
  int nextScene, nextStep;
  unsigned zeroed, kept = 0;
};

const std::vector<Cue>& Cues();

// Consecutive scene frames of one show that play the same scene and step.
struct Segment {
  int show, scene, step;
  size_t first, last;  // indices into run.frames; last is the frame that leaves
};
std::vector<Segment> SegmentsOf(const ShowRun& run, int scene = -1, int step = -1);
double Seconds(const ShowRun& run, size_t from, size_t to);
std::string Describe(const SceneFrame& r);

// A test on the run at one of the paces: the first run's (6), the fastest
// and the slowest the dialog offers.
class ShowAtPace : public ::testing::TestWithParam<int> {
 protected:
  const ShowRun& run = RunOf(GetParam());
  const ShowIds& f = run.ids;
  const double spacing = 1.0 / run.SceneFramesPerSecond();  // seconds between scene frames
};

}  // namespace gs::testing
