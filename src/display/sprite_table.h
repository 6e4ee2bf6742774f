#pragma once
#include <cstdint>
#include <unordered_map>

#include "platform/clock.h"

namespace gs {

// The position, frame and timing state of every sprite, shared by the real
// display and the test double so that both answer queries identically.
class SpriteTable {
 public:
  explicit SpriteTable(const Clock& clock) : clock_(clock) {}

  struct Sprite {
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 1;
    int32_t highestFrame = 0;  // highest frame number ever loaded (even if its file failed)
    int32_t periodMs = 0;      // 0: not animated, never due
    int64_t nextDueUs = 0;
  };

  int32_t Create();
  bool Exists(int32_t id) const { return sprites_.count(id) != 0; }
  // nullptr for an unknown id.
  Sprite* Find(int32_t id);
  const Sprite* Find(int32_t id) const;

  void NoteFrameLoaded(int32_t id, int32_t frame);
  void SetX(int32_t id, int32_t x);
  void SetY(int32_t id, int32_t y);
  int32_t X(int32_t id) const;
  int32_t Y(int32_t id) const;
  void MoveX(int32_t id, int32_t d);
  void MoveY(int32_t id, int32_t d);
  void SetFrame(int32_t id, int32_t frame);
  int32_t Frame(int32_t id) const;
  void SetInterval(int32_t id, int32_t ms);
  // True at most once per period. Frame events and timers land a few
  // microseconds either side of an exact period, so a period counts as run
  // out within kDueSlackUs of its end; a sprite that fell behind is due once
  // and then keeps its period from now.
  bool FrameDue(int32_t id);
  // frame + 1; after the highest-numbered frame, frame 1.
  void NextFrame(int32_t id);

  static constexpr int64_t kDueSlackUs = 1000;

 private:
  const Clock& clock_;
  int32_t nextId_ = 1;
  std::unordered_map<int32_t, Sprite> sprites_;
};

}  // namespace gs
