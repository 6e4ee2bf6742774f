#include "support/show_trace.h"

#include <map>

#include "display/frame_events.h"
#include "support/recording_audio.h"
#include "support/recording_display.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "support/form_fixture.h"
#include "scene_host/show_rig.h"
#include "settings/memory_settings_store.h"

namespace gs::testing {

int32_t SceneFrame::DrawnFrame(int32_t id) const {
  for (const Draw& d : draws)
    if (d.id == id) return d.frame;
  return 0;
}

namespace {

SceneFrame::State StateOf(const Show& f) {
  SceneFrame::State s;
  s.scene = f.Scene;
  s.step = CurrentStep(f).value_or(0);
  s.stepTicks = f.StepTicks;
  s.scene1Ticks = f.Scene1Ticks;
  s.scene2Ticks = f.Scene2Ticks;
  s.scene3Ticks = f.Scene3Ticks;
  s.holeTicks = f.HoleTicks;
  s.showBackdrop = f.ShowBackdrop;
  s.showCowScene = f.ShowCowScene;
  s.gunShown = f.GunShown;
  s.cannonArmed = f.CannonArmed;
  s.pilgrimHop = f.PilgrimHop;
  s.cowPlaying = f.CowPlaying;
  return s;
}

// Notes what each Frame event draws and cues, frame by frame.
class Tracer : public DisplayEvents {
 public:
  Tracer(ShowRun& run, const Clock& clock) : run_(run), clock_(clock) {}
  void Watch(Form1& form, RecordingDisplay& display) {
    form_ = &form;
    display_ = &display;
  }
  SceneFrame* current() { return current_; }
  int showsEnded() const { return resets_; }

  void Frame() override {
    ++run_.frameEvents;
    if (form_->show().PaceCount != form_->show().settings.TunePC) {
      SceneFrame quiet;
      current_ = &quiet;
      form_->Frame();
      current_ = nullptr;
      run_.playsOffSceneFrames += static_cast<int>(quiet.plays.size());
      run_.drawsOffSceneFrames += static_cast<int>(quiet.draws.size());
      return;
    }
    SceneFrame& r = run_.frames.emplace_back();
    r.us = clock_.MonotonicUs();
    r.show = resets_ + 1;
    r.before = StateOf(form_->show());
    current_ = &r;
    form_->Frame();
    current_ = nullptr;
    r.after = StateOf(form_->show());
    if (r.before.scene == 8 && r.after.scene == 1) ++resets_;
    SpriteTable& t = display_->sprites();
    const int32_t n = form_->show().sprites.hCow3 + 8;  // above every id the catalogue hands out
    r.frameAfter.resize(static_cast<size_t>(n));
    r.xAfter.resize(static_cast<size_t>(n));
    r.yAfter.resize(static_cast<size_t>(n));
    for (int32_t id = 1; id < n; ++id) {
      if (!t.Exists(id)) continue;
      r.frameAfter[static_cast<size_t>(id)] = static_cast<int16_t>(t.Frame(id));
      r.xAfter[static_cast<size_t>(id)] = static_cast<int16_t>(t.X(id));
      r.yAfter[static_cast<size_t>(id)] = static_cast<int16_t>(t.Y(id));
    }
  }
  int64_t QuietFramesAhead() const override { return form_->QuietFramesAhead(); }
  void KeyDown(int16_t k, int16_t s) override { form_->KeyDown(k, s); }
  void MouseDown(int16_t b, int16_t s, int32_t x, int32_t y) override { form_->MouseDown(b, s, x, y); }
  void MouseMove(int16_t b, int16_t s, int32_t x, int32_t y) override { form_->MouseMove(b, s, x, y); }

 private:
  ShowRun& run_;
  RecordingDisplay* display_ = nullptr;
  const Clock& clock_;
  Form1* form_ = nullptr;
  SceneFrame* current_ = nullptr;
  int resets_ = 0;
};

// The recording display with the tracer between it and the form. Calls are
// noted in the frame record instead of the call log, which would grow long.
class TracingDisplay : public RecordingDisplay {
 public:
  TracingDisplay(const Clock& clock, Tracer& tracer) : RecordingDisplay(clock), tracer(tracer) { logQueries = false; }
  void Attach(EventLoop& loop, DisplayEvents&) override { RecordingDisplay::Attach(loop, tracer); }
  void DrawSprite(int32_t id) override {
    if (SceneFrame* r = tracer.current()) r->draws.push_back({id, sprites().Frame(id), sprites().X(id), sprites().Y(id)});
  }
  void ClearFrame(int32_t colour) override {
    if (SceneFrame* r = tracer.current()) r->clears.push_back(colour);
  }
  void PresentFrame() override {}
  Tracer& tracer;
};

class TracingAudio : public RecordingAudio {
 public:
  explicit TracingAudio(Tracer& tracer) : tracer_(tracer) {}
  void PlaySound(int32_t id, int32_t a, int32_t b) override {
    if (id == 0 || a != -1 || b != -1) return;  // a call with 0 does nothing
    if (SceneFrame* r = tracer_.current()) r->plays.push_back(id);
  }

 private:
  Tracer& tracer_;
};

}  // namespace

struct ShowRun::Parts {
  explicit Parts(ShowRun& run) : tracer(run, clock), audio(tracer) { tracer.Watch(show.form, show.display); }
  SimClock clock;
  Tracer tracer;
  TracingAudio audio;
  MemorySettingsStore store;
  RecordingPlatform platform;
  // No file needs to exist: the doubles load nothing.
  ShowRig<TracingDisplay> show{clock, audio, store, platform, "/nonexistent/", tracer};
};

double ShowRun::SceneFramesPerSecond() const {
  return static_cast<double>(kFrameEventsPerSecond) / (tunePC == 0 ? 1 : tunePC);
}

namespace {

std::unique_ptr<ShowRun> MakeRun(int tunePC, int shows) {
  auto run = std::make_unique<ShowRun>();
  run->tunePC = tunePC;
  run->parts = std::make_shared<ShowRun::Parts>(*run);
  ShowRun::Parts& p = *run->parts;
  SaveSetting(p.store, Setting::SetReg, "2");
  for (auto [key, value] : {std::pair{Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"},
                            {Setting::Clock, "0"}, {Setting::ShowMessage, "0"}})
    SaveSetting(p.store, key, value);
  SaveSetting(p.store, Setting::TunePC, std::to_string(tunePC));
  for (Setting group : {Setting::SoundTurkey, Setting::SoundGuns, Setting::SoundCow})
    SaveSetting(p.store, group, "1");
  p.show.form.Form_Load();
  static_cast<SpriteHolders&>(run->ids) = p.show.form.show().sprites;
  static_cast<SoundSlots&>(run->ids) = p.show.form.show().sounds;
  // The shows, then a few seconds of the next one; bounded in case a show never ends.
  const int64_t limitUs = 1500LL * 1000000;
  while (p.tracer.showsEnded() < shows && p.clock.MonotonicUs() < limitUs)
    p.show.loop.RunUntil(p.clock, p.clock.MonotonicUs() + 1000000);
  p.show.loop.RunUntil(p.clock, p.clock.MonotonicUs() + 5000000);
  return run;
}

}  // namespace

const ShowRun& RunOf(int tunePC, int shows) {
  static std::map<std::pair<int, int>, std::unique_ptr<ShowRun>> runs;
  auto& run = runs[{tunePC, shows}];
  if (!run) run = MakeRun(tunePC, shows);
  return *run;
}

}  // namespace gs::testing
