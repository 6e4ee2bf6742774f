#include "display/sprite_table.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

TEST(SpriteTable, MovesFramesAndUnknownIds) {
  SimClock clock;
  SpriteTable t(clock);
  int32_t a = t.Create(), b = t.Create();
  EXPECT_NE(a, b);
  EXPECT_EQ(t.Frame(a), 1);
  t.SetX(a, 800);
  t.MoveX(a, -3);
  t.SetY(a, 600);
  t.MoveY(a, 3);  // positive moves up
  EXPECT_EQ(t.X(a), 797);
  EXPECT_EQ(t.Y(a), 597);
  for (int i = 0; i < 100000; ++i) t.MoveX(b, 2147483647);  // never overflows
  EXPECT_GT(t.X(b), 0);
  t.MoveX(999, 5);
  EXPECT_EQ(t.X(999), 0);
  EXPECT_FALSE(t.FrameDue(999));
}

TEST(SpriteTable, NextFrameWrapsAfterHighestLoadedFrameIncludingGaps) {
  SimClock clock;
  SpriteTable t(clock);
  int32_t s = t.Create();
  t.NoteFrameLoaded(s, 1);
  t.NoteFrameLoaded(s, 12);
  for (int i = 0; i < 11; ++i) t.NextFrame(s);
  EXPECT_EQ(t.Frame(s), 12);
  t.NextFrame(s);
  EXPECT_EQ(t.Frame(s), 1);
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
