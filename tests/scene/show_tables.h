#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/show_trace.h"

namespace gs::testing {

// The runs every table is checked on: the pace of the first run (6), the
// fastest (0) and the slowest the dialog offers (20).
inline const int kPaces[] = {0, 6, 20};

using When = bool (*)(const SceneFrame&, const ShowIds&);
using Slot = int32_t ShowIds::*;

// A sound cue: the slot played on a scene frame of the scene and step when
// the condition holds, and on no other.
struct Cue {
  const char* name;
  Slot sound;
  int scene, step;
  When when;
};

// A draw: the sprite drawn, in this order among the scene's draws, on a
// scene frame of the scene and step when the condition holds.
struct DrawRule {
  Slot sprite;
  int scene, step;
  When when;
};

// How a step ends: the condition on the frame that leaves it (no earlier
// frame of the step meets it), where the show goes and which counters the
// change sets to 0 and which it leaves alone.
enum class Counter { StepTicks, Scene1Ticks, Scene2Ticks, Scene3Ticks, HoleTicks };
struct StepRule {
  int scene, step;
  When leaves;
  int nextScene, nextStep;
  std::vector<Counter> zeroed, kept;
};

// A sprite's place, by sprite holder: the place every draw of it shows.
struct Place {
  Slot sprite;
  int x, y;
};

// Shorthands for the tables, as the scripts name their values.
inline int T1(const SceneFrame& r) { return r.before.scene1Ticks; }
inline int T2(const SceneFrame& r) { return r.before.scene2Ticks; }
inline int T3(const SceneFrame& r) { return r.before.scene3Ticks; }
inline int H(const SceneFrame& r) { return r.before.holeTicks; }
inline int S(const SceneFrame& r) { return r.before.stepTicks; }
inline int FrameAfter(const SceneFrame& r, int32_t id) { return r.frameAfter[static_cast<size_t>(id)]; }
inline int XAfter(const SceneFrame& r, int32_t id) { return r.xAfter[static_cast<size_t>(id)]; }
inline int YAfter(const SceneFrame& r, int32_t id) { return r.yAfter[static_cast<size_t>(id)]; }
// y at which id was first drawn on the frame (-1: not drawn).
int DrawnY(const SceneFrame& r, int32_t id);
int DrawnX(const SceneFrame& r, int32_t id);

// The sounds and draws of every scene frame of the given scenes against the
// tables; failures name the frame (show, time, scene, step, counters).
void ExpectCues(const ShowRun& run, const std::vector<Cue>& cues, std::vector<int> scenes);
void ExpectDraws(const ShowRun& run, const std::vector<DrawRule>& rules, std::vector<int> scenes);
void ExpectSteps(const ShowRun& run, const std::vector<StepRule>& rules);
void ExpectPlaces(const ShowRun& run, const std::vector<Place>& places);
// Each cue fires in every show of the run at least once.
void ExpectEveryCueHeard(const ShowRun& run, const std::vector<Cue>& cues);

std::string Describe(const SceneFrame& r);

// A test on the run at one of kPaces.
class ShowAtPace : public ::testing::TestWithParam<int> {
 protected:
  const ShowRun& run = RunOf(GetParam());
  const ShowIds& f = run.ids;
  const double spacing = 1.0 / run.SceneFramesPerSecond();  // seconds between scene frames
};
inline std::string PaceName(const ::testing::TestParamInfo<int>& i) { return "TunePC" + std::to_string(i.param); }

// Consecutive scene frames of one show that play the same scene and step.
struct Segment {
  int show, scene, step;
  size_t first, last;  // indices into run.frames; last is the frame that leaves
};
std::vector<Segment> Segments(const ShowRun& run);
// The segments of one scene and step, in order (one per show).
std::vector<Segment> SegmentsOf(const ShowRun& run, int scene, int step);
// Simulated seconds from a segment's first frame to the frame that leaves it.
double Seconds(const ShowRun& run, const Segment& s);

}  // namespace gs::testing
