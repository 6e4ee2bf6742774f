#include "display/sprite_table.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

// Moves never overflow; ids never handed out read as nothing and are never due.
TEST(SpriteTable, MovesSaturateAndUnknownIdsAreHarmless) {
  SimClock clock;
  SpriteTable t(clock);
  const int32_t s = t.Create();
  for (int i = 0; i < 100000; ++i) t.MoveX(s, 2147483647);
  EXPECT_GT(t.X(s), 0);
  for (int i = 0; i < 100000; ++i) t.MoveY(s, 2147483647);
  EXPECT_LT(t.Y(s), 0);
  t.MoveX(999, 5);
  t.SetInterval(999, 100);
  t.NextFrame(999);
  EXPECT_EQ(t.X(999), 0);
  EXPECT_EQ(t.Frame(999), 0);
  EXPECT_FALSE(t.FrameDue(999));
}

TEST(SpriteTable, FrameDueOncePerPeriodToleratingMicrosecondJitter) {
  SimClock clock;
  SpriteTable t(clock);
  int32_t s = t.Create();
  EXPECT_FALSE(t.FrameDue(s));  // not animated
  t.SetInterval(s, 100);
  EXPECT_FALSE(t.FrameDue(s));
  int due = 0;
  // Scene frames every 6 frame events at 60 Hz land 99,999 or 100,000 us apart.
  for (int k = 1; k <= 600; ++k) {
    clock.Set(k * 6 * 1000000LL / 60);
    due += t.FrameDue(s);
    EXPECT_FALSE(t.FrameDue(s));
  }
  EXPECT_EQ(due, 600);
  clock.Advance(5000000);
  EXPECT_TRUE(t.FrameDue(s));
  EXPECT_FALSE(t.FrameDue(s));  // a stall gives one due, not fifty
  clock.Advance(99000);
  EXPECT_TRUE(t.FrameDue(s));
}

}  // namespace
}  // namespace gs
