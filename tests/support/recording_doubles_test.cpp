#include <gtest/gtest.h>

#include "support/recording_audio.h"
#include "support/recording_display.h"

namespace gs {
namespace {

struct CountingEvents : DisplayEvents {
  int frames = 0, keys = 0;
  void Frame() override { ++frames; }
  void KeyDown(int16_t, int16_t) override { ++keys; }
  void MouseDown(int16_t, int16_t, int32_t, int32_t) override {}
  void MouseMove(int16_t, int16_t, int32_t, int32_t) override {}
};

TEST(RecordingDisplay, LogsCallsAndAnswersFromSpriteState) {
  SimClock clock;
  RecordingDisplay d(clock);
  int32_t s = d.CreateSprite();
  d.LoadSpriteFrame(s, 1, "/data/P&T01.bmp", -1);
  d.LoadSpriteFrame(s, 2, "/data/P&T02.bmp", -1);
  d.SetSpriteY(s, 600);
  d.MoveSpriteY(s, 3);
  d.DrawText("a, b", 1, 568, Rgb(255, 255, 0));
  EXPECT_EQ(d.GetSpriteY(s), 597);
  d.NextFrame(s);
  d.NextFrame(s);
  EXPECT_EQ(d.GetSpriteFrame(s), 1);
  std::vector<std::string> want = {"CreateSprite()=1",
                                   "LoadSpriteFrame(1,1,/data/P&T01.bmp,-1)",
                                   "LoadSpriteFrame(1,2,/data/P&T02.bmp,-1)",
                                   "SetSpriteY(1,600)",
                                   "MoveSpriteY(1,3)",
                                   "DrawText(\"a, b\",1,568,65535)",
                                   "GetSpriteY(1)=597",
                                   "NextFrame(1)",
                                   "NextFrame(1)",
                                   "GetSpriteFrame(1)=1"};
  EXPECT_EQ(d.calls(), want);
}

TEST(RecordingDisplay, RaisesFramesOnlyWhileOpen) {
  SimClock clock;
  EventLoop loop(clock);
  RecordingDisplay d(clock);
  CountingEvents ev;
  d.Attach(loop, ev);
  loop.RunUntil(clock, 1000000);
  EXPECT_EQ(ev.frames, 0);
  d.OpenDisplay(800, 600, 16, "");
  loop.RunUntil(clock, 2000000);
  EXPECT_EQ(ev.frames, 150);
  d.SendKey();
  EXPECT_EQ(ev.keys, 1);
}

TEST(RecordingAudio, HandsOutIdsAndLogs) {
  RecordingAudio a;
  EXPECT_EQ(a.LoadSound("/data/gun.wav"), 1);
  a.PlaySound(1, -1, -1);
  a.StopSound(0);
  EXPECT_EQ(a.PathOf(1), "/data/gun.wav");
  EXPECT_EQ(a.PathOf(0), "");
  EXPECT_EQ(a.CountCalls("PlaySound(1,"), 1);
}

}  // namespace
}  // namespace gs
