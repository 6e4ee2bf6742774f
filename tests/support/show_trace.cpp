#include "support/show_trace.h"

#include <map>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "scene_host/show_rig.h"
#include "settings/memory_settings_store.h"
#include "support/form_fixture.h"
#include "support/recording_audio.h"
#include "support/recording_display.h"

namespace gs::testing {

namespace {

SceneFrame::State StateOf(const Show& f) {
  return {f.Scene,     CurrentStep(f).value_or(0), f.StepTicks,     f.Scene1Ticks, f.Scene2Ticks, f.Scene3Ticks,
          f.HoleTicks, f.ShowBackdrop,               f.CannonArmed,   f.PilgrimHop,  f.CowPlaying};
}

// Between the display and the form: notes what each Frame event cues in the
// frame's record (and, through the display, what it draws).
struct Tracer : DisplayEvents, RecordingAudio {
  Tracer(ShowRun& run, const Clock& clock) : run(run), clock(clock) {}
  void PlaySound(int32_t id, int32_t a, int32_t b) override {
    if (now && id != 0 && a == -1 && b == -1) now->plays.push_back(id);  // a call with 0 does nothing
  }
  void Frame() override {
    const Show& show = form->show();
    const bool sceneFrame = show.PaceCount == show.settings.TunePC;
    SceneFrame quiet;
    SceneFrame& r = *(now = sceneFrame ? &run.frames.emplace_back() : &quiet);
    r.us = clock.MonotonicUs();
    r.show = resets + 1;
    r.before = StateOf(show);
    form->Frame();
    now = nullptr;
    run.callsOffSceneFrames += static_cast<int>(quiet.plays.size() + quiet.draws.size() + quiet.clears.size());
    if (!sceneFrame) return;
    r.after = StateOf(show);
    resets += r.before.scene == 8 && r.after.scene == 1;
    const SpriteTable& t = display->sprites();
    const size_t n = static_cast<size_t>(show.sprites.hCow3) + 8;  // above every id the catalogue hands out
    r.frameAfter.resize(n), r.xAfter.resize(n), r.yAfter.resize(n);
    for (int32_t id = 1; id < static_cast<int32_t>(n); ++id) {
      if (!t.Exists(id)) continue;
      const auto i = static_cast<size_t>(id);
      r.frameAfter[i] = static_cast<int16_t>(t.Frame(id));
      r.xAfter[i] = static_cast<int16_t>(t.X(id));
      r.yAfter[i] = static_cast<int16_t>(t.Y(id));
    }
  }
  int64_t QuietFramesAhead() const override { return form->QuietFramesAhead(); }
  void KeyDown(int16_t k, int16_t s) override { form->KeyDown(k, s); }
  void MouseDown(int16_t b, int16_t s, int32_t x, int32_t y) override { form->MouseDown(b, s, x, y); }
  void MouseMove(int16_t b, int16_t s, int32_t x, int32_t y) override { form->MouseMove(b, s, x, y); }

  ShowRun& run;
  const Clock& clock;
  Form1* form = nullptr;
  RecordingDisplay* display = nullptr;
  SceneFrame* now = nullptr;
  int resets = 0;
};

// Notes draws in the frame record instead of the call log, which would grow long.
struct TracingDisplay : RecordingDisplay {
  TracingDisplay(const Clock& clock, Tracer& tracer) : RecordingDisplay(clock), tracer(tracer) { logQueries = false; }
  void Attach(EventLoop& loop, DisplayEvents&) override { RecordingDisplay::Attach(loop, tracer); }
  void DrawSprite(int32_t id) override {
    if (tracer.now) tracer.now->draws.push_back({id, sprites().Frame(id), sprites().X(id), sprites().Y(id)});
  }
  void ClearFrame(int32_t colour) override {
    if (tracer.now) tracer.now->clears.push_back(colour);
  }
  void PresentFrame() override {}
  Tracer& tracer;
};

struct Parts {
  explicit Parts(ShowRun& run) : tracer(run, clock) { tracer.form = &show.form, tracer.display = &show.display; }
  SimClock clock;
  Tracer tracer;
  MemorySettingsStore store;
  RecordingPlatform platform;
  // No file needs to exist: the doubles load nothing.
  ShowRig<TracingDisplay> show{clock, tracer, store, platform, "/nonexistent/", tracer};
};

ShowRun MakeRun(int tunePC) {
  ShowRun run;
  run.tunePC = tunePC;
  Parts p(run);
  const std::string pace = std::to_string(tunePC);
  for (auto [key, value] : {std::pair{Setting::SetReg, "2"}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"},
                            {Setting::Clock, "0"}, {Setting::ShowMessage, "0"}, {Setting::SoundTurkey, "1"},
                            {Setting::SoundGuns, "1"}, {Setting::SoundCow, "1"}, {Setting::TunePC, pace.c_str()}})
    SaveSetting(p.store, key, value);
  p.show.form.Form_Load();
  static_cast<SpriteHolders&>(run.ids) = p.show.form.show().sprites;
  static_cast<SoundSlots&>(run.ids) = p.show.form.show().sounds;
  // Two shows, then a few seconds of the next one; bounded in case a show never ends.
  while (p.tracer.resets < 2 && p.clock.MonotonicUs() < 1500LL * 1000000)
    p.show.loop.RunUntil(p.clock, p.clock.MonotonicUs() + 1000000);
  p.show.loop.RunUntil(p.clock, p.clock.MonotonicUs() + 5000000);
  return run;
}

}  // namespace

const ShowRun& RunOf(int tunePC) {
  static std::map<int, ShowRun> runs;
  auto it = runs.find(tunePC);
  return it != runs.end() ? it->second : runs.emplace(tunePC, MakeRun(tunePC)).first->second;
}

}  // namespace gs::testing
