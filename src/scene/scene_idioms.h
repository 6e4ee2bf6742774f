#pragma once
#include <cstdint>

#include "scene_host/form1.h"

namespace gs {

// The few things every scene script does, named as the scripts say them.
inline void Draw(Form1& f, int32_t s) { f.TegoDDrw1.DrawSprite(s); }
inline void Animate(Form1& f, int32_t s) {
  if (f.TegoDDrw1.FrameDue(s)) f.TegoDDrw1.NextFrame(s);
}
inline int16_t FrameOf(Form1& f, int32_t s) { return static_cast<int16_t>(f.TegoDDrw1.GetSpriteFrame(s)); }
inline void Play(Form1& f, int32_t snd) { f.TegoDS1.PlaySound(snd, -1, -1); }
inline void SetFrame(Form1& f, int32_t s, int32_t n) { f.TegoDDrw1.SetSpriteFrame(s, n); }
// Sets the step and StepTicks; the caller then returns at once, which ends
// the scene work of this frame.
inline void StepChange(Form1& f, int16_t& step, int16_t to) {
  step = to;
  f.StepTicks = 0;
}

}  // namespace gs
