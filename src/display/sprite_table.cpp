#include "display/sprite_table.h"

#include <climits>

namespace gs {

namespace {
// Positions stay far inside int32 so that repeated moves can never overflow.
constexpr int32_t kCoordLimit = 1 << 24;
int32_t ClampCoord(int64_t v) {
  return static_cast<int32_t>(v < -kCoordLimit ? -kCoordLimit : v > kCoordLimit ? kCoordLimit : v);
}
}  // namespace

int32_t SpriteTable::Create() {
  int32_t id = nextId_++;
  sprites_[id] = Sprite{};
  return id;
}

SpriteTable::Sprite* SpriteTable::Find(int32_t id) {
  auto it = sprites_.find(id);
  return it == sprites_.end() ? nullptr : &it->second;
}

const SpriteTable::Sprite* SpriteTable::Find(int32_t id) const {
  auto it = sprites_.find(id);
  return it == sprites_.end() ? nullptr : &it->second;
}

void SpriteTable::NoteFrameLoaded(int32_t id, int32_t frame) {
  if (Sprite* s = Find(id); s && frame > s->highestFrame) s->highestFrame = frame;
}

void SpriteTable::SetX(int32_t id, int32_t x) {
  if (Sprite* s = Find(id)) s->x = ClampCoord(x);
}
void SpriteTable::SetY(int32_t id, int32_t y) {
  if (Sprite* s = Find(id)) s->y = ClampCoord(y);
}
int32_t SpriteTable::X(int32_t id) const {
  const Sprite* s = Find(id);
  return s ? s->x : 0;
}
int32_t SpriteTable::Y(int32_t id) const {
  const Sprite* s = Find(id);
  return s ? s->y : 0;
}
void SpriteTable::MoveX(int32_t id, int32_t d) {
  if (Sprite* s = Find(id)) s->x = ClampCoord(static_cast<int64_t>(s->x) + d);
}
void SpriteTable::MoveY(int32_t id, int32_t d) {
  if (Sprite* s = Find(id)) s->y = ClampCoord(static_cast<int64_t>(s->y) - d);
}
void SpriteTable::SetFrame(int32_t id, int32_t frame) {
  if (Sprite* s = Find(id)) s->frame = frame;
}
int32_t SpriteTable::Frame(int32_t id) const {
  const Sprite* s = Find(id);
  return s ? s->frame : 0;
}

void SpriteTable::SetInterval(int32_t id, int32_t ms) {
  Sprite* s = Find(id);
  if (!s) return;
  s->periodMs = ms > 0 ? ms : 0;
  s->nextDueUs = clock_.MonotonicUs() + static_cast<int64_t>(s->periodMs) * 1000;
}

bool SpriteTable::FrameDue(int32_t id) {
  Sprite* s = Find(id);
  if (!s || s->periodMs <= 0) return false;
  int64_t now = clock_.MonotonicUs();
  if (now + kDueSlackUs < s->nextDueUs) return false;
  int64_t period = static_cast<int64_t>(s->periodMs) * 1000;
  s->nextDueUs += period;
  if (s->nextDueUs + kDueSlackUs <= now) s->nextDueUs = now + period;
  return true;
}

void SpriteTable::NextFrame(int32_t id) {
  Sprite* s = Find(id);
  if (!s) return;
  s->frame = (s->frame >= s->highestFrame || s->frame < 0 || s->frame == INT32_MAX) ? 1 : s->frame + 1;
}

}  // namespace gs
