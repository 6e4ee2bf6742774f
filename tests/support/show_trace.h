#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "scene_host/form1.h"

namespace gs::testing {

// What one scene frame did, with the show's state as the frame found it and
// as it left it.
struct SceneFrame {
  struct State {
    int16_t scene = 0, step = 0;  // step: the step variable of that scene (0 for scenes 6 to 8)
    int16_t stepTicks = 0, scene1Ticks = 0, scene2Ticks = 0, scene3Ticks = 0, holeTicks = 0;
    bool showBackdrop = false, cannonArmed = false, pilgrimHop = false, cowPlaying = false;
  };
  struct Draw { int32_t id, frame, x, y; };
  int64_t us = 0;  // simulated time of the Frame event
  int show = 0;    // 1 for the first show, 2 for the second...
  State before, after;
  std::vector<int32_t> clears, plays;  // ClearFrame colours and sound ids, in order
  std::vector<Draw> draws;             // in order
  std::vector<int16_t> frameAfter, xAfter, yAfter;  // of every sprite once the frame is done, by id
};

// The ids of a run's sprites and sounds, named as the scripts name them.
struct ShowIds : SpriteHolders, SoundSlots {};

// The whole show on the recording doubles in simulated time: the settings of
// a user past the first run (no notices, no clock, no message, every sound
// group on), at the given TunePC, for two full shows and a few seconds of
// the next one. Made once per TunePC for the whole test program.
struct ShowRun {
  int tunePC = 0;
  std::vector<SceneFrame> frames;  // the scene frames only
  int callsOffSceneFrames = 0;     // sounds and drawing on Frame events that were not scene frames
  ShowIds ids;
};
const ShowRun& RunOf(int tunePC);

}  // namespace gs::testing
