#include <gmock/gmock.h>

#include "scene/scenes.h"
#include "support/form_fixture.h"

namespace gs {
namespace {

class SceneTest : public testing::FormTest {
 protected:
  Form1& Ready() {
    SeedStore({{Setting::TunePC, "0"}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}, {Setting::Clock, "0"},
               {Setting::ShowMessage, "0"}, {Setting::SoundTurkey, "1"}, {Setting::SoundGuns, "1"}, {Setting::SoundCow, "1"}});
    Form1& f = Load();
    display.ClearCalls();
    audio.ClearCalls();
    return f;
  }
  int Plays(int32_t snd) const { return audio.CountCalls("PlaySound(" + std::to_string(snd) + ","); }
};

TEST_F(SceneTest, CannonShowsFramesOneToThreeThenStaysDisarmed) {
  Show& f = Ready().show();
  f.Scene = 2;
  f.Scene2Ticks = 24;
  std::vector<int32_t> drawnFrames;
  for (int i = 0; i < 6; ++i) {
    drawnFrames.push_back(display.GetSpriteFrame(f.sprites.hCannon));
    Scene2(f);
  }
  EXPECT_EQ(drawnFrames, (std::vector<int32_t>{1, 2, 3, 1, 1, 1}));
  EXPECT_FALSE(f.CannonArmed);
  EXPECT_EQ(Plays(f.sounds.sndGunBig), 3);
  f.Scene2Ticks = 26;
  Scene2(f);
  EXPECT_TRUE(f.CannonArmed);
}

// In the show T2-04 and T3-14 run out of their seconds before their last
// frames, so these jumps are only reached with the state set up here.
TEST_F(SceneTest, LastFramesOfTheTurkeyRunsMoveTheirCounters) {
  Show& f = Ready().show();
  clock.Advance(10000000);  // every sprite's period has run out
  f.Scene2Ticks = 13;
  display.SetSpriteFrame(f.sprites.hT2_04, 13);
  Scene2(f);
  EXPECT_EQ(f.Scene2Ticks, 12);
  f.Scene3Ticks = 19;
  display.SetSpriteFrame(f.sprites.hT3_14, 15);
  Scene3(f);
  EXPECT_EQ(f.Scene3Ticks, 20);
}

TEST_F(SceneTest, OverlayTextsAndFontSizes) {
  SeedStore({{Setting::TunePC, "6"}, {Setting::Clock, "1"}, {Setting::ShowMessage, "1"},
             {Setting::FontSize, "not a number"}, {Setting::FontSizeMsg, "12.5"}, {Setting::Message, "Hello"},
             {Setting::RunMonitor, "False"}, {Setting::TuneScrSvr, "True"}});
  Show& f = Load().show();
  f.NoticeSecondsLeft = 7;
  display.ClearCalls();
  DrawOverlays(f);
  EXPECT_THAT(display.calls(), ::testing::Contains("SetTextFont(\"Arial\",24,1,False,False,False)"));
  EXPECT_THAT(display.calls(), ::testing::Contains("SetTextFont(\"Arial\",12,1,False,False,False)"));
  EXPECT_THAT(display.calls(), ::testing::Contains("DrawText(\"Hello\",1,568,65535)"));
  EXPECT_THAT(display.calls(),
              ::testing::Contains("DrawText(\"2 of 2 Messages. These messages will only be displayed one time\",150,225,0)"));
  EXPECT_THAT(display.calls(),
              ::testing::Contains("DrawText(\"This graphic will disappear in: 7 seconds\",150,235,65280)"));
  EXPECT_EQ(display.calls().back(), "DrawSprite(" + std::to_string(f.sprites.hMonitorNotice) + ")");
  f.settings.FontSize = "99999";
  display.ClearCalls();
  DrawOverlays(f);
  EXPECT_THAT(display.calls(), ::testing::Contains("SetTextFont(\"Arial\",200,1,False,False,False)"));
}

}  // namespace
}  // namespace gs
