#pragma once
#include <cstdint>

#include "scene/show.h"

namespace gs {

// The few things every scene script does, named as the scripts say them.
inline void Draw(Show& show, int32_t s) { show.TegoDDrw1.DrawSprite(s); }
inline void Animate(Show& show, int32_t s) {
  if (show.TegoDDrw1.FrameDue(s)) show.TegoDDrw1.NextFrame(s);
}
inline int16_t FrameOf(Show& show, int32_t s) { return static_cast<int16_t>(show.TegoDDrw1.GetSpriteFrame(s)); }
inline void Play(Show& show, int32_t snd) { show.TegoDS1.PlaySound(snd, -1, -1); }
inline void SetFrame(Show& show, int32_t s, int32_t n) { show.TegoDDrw1.SetSpriteFrame(s, n); }
// Sets the step and StepTicks; the caller then returns at once, which ends
// the scene work of this frame.
inline void StepChange(Show& show, int16_t& step, int16_t to) {
  step = to;
  show.StepTicks = 0;
}

}  // namespace gs
