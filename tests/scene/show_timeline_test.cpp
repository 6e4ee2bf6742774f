// The show as a whole: scenes and steps in their order in every show, the
// pace of scene frames, nothing of the scene between them, and the places
// of the backdrop and the turkey pictures.
#include <gtest/gtest.h>

#include <utility>

#include "display/frame_events.h"
#include "scene/show_tables.h"

namespace gs::testing {
namespace {

using F = ShowIds;

class ShowTimeline : public ShowAtPace {};

TEST_P(ShowTimeline, EveryShowPlaysEveryStepOnceInOrder) {
  std::vector<std::pair<int, int>> order = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}};
  for (int step = 1; step <= 13; ++step) order.emplace_back(4, step);
  for (int step = 1; step <= 10; ++step) order.emplace_back(5, step);
  for (int scene : {6, 7, 8}) order.emplace_back(scene, 0);
  for (int show = 1; show <= 2; ++show) {
    std::vector<std::pair<int, int>> played;
    for (const Segment& s : Segments(run))
      if (s.show == show) played.emplace_back(s.scene, s.step);
    EXPECT_EQ(played, order) << "show " << show;
  }
  // The third show has begun, at scene 1.
  EXPECT_EQ(run.frames.back().show, 3);
}

// Both shows take the same time, but for the wipe, which runs 200 frames
// fewer from the second show on.
TEST_P(ShowTimeline, SecondShowIsTheFirstLessTheWipe) {
  std::vector<int64_t> start;
  for (const SceneFrame& r : run.frames)
    if (start.size() < static_cast<size_t>(r.show)) start.push_back(r.us);
  ASSERT_EQ(start.size(), 3u);
  const double first = static_cast<double>(start[1] - start[0]) / 1e6;
  const double second = static_cast<double>(start[2] - start[1]) / 1e6;
  // Every step waits for whole seconds from a phase of its own: up to one
  // second apart per timed step, in either direction, is not a fault.
  EXPECT_NEAR(first - second, 200 * spacing, 8.0);
  EXPECT_GT(second, 150.0);
}

TEST_P(ShowTimeline, SceneFramesComeEveryTunePCthFrameEvent) {
  const int n = run.tunePC == 0 ? 1 : run.tunePC;
  // PaceCount starts at 0: the first scene frame is event n + 1 (1 at TunePC 0).
  const int64_t firstEvent = run.tunePC == 0 ? 1 : n + 1;
  EXPECT_EQ(run.frames.front().us, firstEvent * 1000000 / kFrameEventsPerSecond);
  int wrong = 0;
  for (size_t i = 1; i < run.frames.size(); ++i) {
    const int64_t gap = run.frames[i].us - run.frames[i - 1].us;
    const int64_t expected = n * 1000000 / kFrameEventsPerSecond;
    if ((gap < expected - 1 || gap > expected + 1) && wrong++ < 3)
      ADD_FAILURE() << "gap " << gap << " us before " << Describe(run.frames[i]);
  }
  EXPECT_EQ(run.playsOffSceneFrames, 0);
  EXPECT_EQ(run.drawsOffSceneFrames, 0);
}

TEST_P(ShowTimeline, BackdropAndTurkeyPicturesStandAtTheirPlaces) {
  std::vector<Place> places = {{&F::hBackground, 0, 0}, {&F::hInside, 107, 181}, {&F::hShack, 57, 40},
                               {&F::hCannon, 200, 529}, {&F::hT1_13, 433, 282},  {&F::hT2_28, 215, 210},
                               {&F::hT3_27, 320, 194},  {&F::hGlass1, 100, 100}, {&F::hGlass2, 700, 525},
                               {&F::hGlass3, 300, 400}, {&F::hGunHole1, 150, 320}, {&F::hGunHole2, 200, 250},
                               {&F::hGunHole3, 250, 300}};
  for (Slot s : {&F::hT1_01, &F::hT1_04b, &F::hT1_04, &F::hT1_05, &F::hT1_06a, &F::hT1_07})
    places.push_back({s, 473, 200});
  for (Slot s : {&F::hT2_01, &F::hT2_04, &F::hT2_08, &F::hT2_10, &F::hT2_11, &F::hT2_13, &F::hT2_15, &F::hT2_17,
                 &F::hT2_19, &F::hT2_20, &F::hT2_22, &F::hT2_24})
    places.push_back({s, 173, 200});
  for (Slot s : {&F::hT3_01, &F::hT3_06, &F::hT3_14, &F::hT3_18, &F::hT3_20, &F::hT3_21, &F::hT3_24, &F::hT3_25,
                 &F::hT3_26})
    places.push_back({s, 320, 200});
  ExpectPlaces(run, places);
}

INSTANTIATE_TEST_SUITE_P(Paces, ShowTimeline, ::testing::ValuesIn(kPaces), PaceName);

}  // namespace
}  // namespace gs::testing
