// gobbleshot1-render: the show in simulated time, headless, for tests and
// screenshots. It reads the user's settings but never writes them.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/install_folder.h"
#include "display/frame_events.h"
#include "platform/clock.h"
#include "settings/ini_settings_store.h"
#include "settings/overlay_settings_store.h"
#include "startup/headless_show.h"

namespace gs {
namespace {

// Prints every save the run makes, with the simulated time.
class LoggingStore : public SettingsStore {
 public:
  LoggingStore(SettingsStore& inner, const Clock& clock, bool print) : inner_(inner), clock_(clock), print_(print) {}
  void Save(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
    if (print_)
      std::printf("t=%.3f save %.*s %.*s %.*s\n", clock_.MonotonicUs() / 1e6, static_cast<int>(section.size()),
                  section.data(), static_cast<int>(key.size()), key.data(), static_cast<int>(value.size()),
                  value.data());
    inner_.Save(app, section, key, value);
  }
  std::vector<std::optional<std::string>> FindAll(std::string_view app, std::span<const SettingName> names) override {
    return inner_.FindAll(app, names);
  }

 private:
  SettingsStore& inner_;
  const Clock& clock_;
  bool print_;
};

int Usage(const char* why) {
  std::fprintf(stderr,
               "gobbleshot1-render: %s\n"
               "usage: gobbleshot1-render --snapshot SECONDS --out FILE.png\n"
               "       gobbleshot1-render --timeline SECONDS\n"
               "       gobbleshot1-render --sounds SECONDS\n",
               why);
  return 2;
}

bool ReadSeconds(const char* text, double& out) {
  char* end = nullptr;
  out = std::strtod(text, &end);
  return end && *end == '\0' && end != text && std::isfinite(out) && out >= 0 && out <= 7 * 24 * 3600;
}

// The timeline names scenes 6 to 8 step 1.
int16_t StepOf(const Form1& f) { return CurrentStep(f.show()).value_or(1); }

int Main(int argc, char** argv) {
  std::string mode, out;
  double seconds = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if ((a == "--snapshot" || a == "--timeline" || a == "--sounds") && i + 1 < argc) {
      if (!mode.empty()) return Usage("give one of --snapshot, --timeline and --sounds");
      mode = a;
      if (!ReadSeconds(argv[++i], seconds)) return Usage("SECONDS must be a number from 0 to 604800");
    } else if (a == "--out" && i + 1 < argc) {
      out = argv[++i];
    } else {
      return Usage(("unknown argument: " + a).c_str());
    }
  }
  if (mode.empty()) return Usage("nothing to do");
  if (mode == "--snapshot" && out.empty()) return Usage("--snapshot needs --out FILE.png");
  const bool timeline = mode == "--timeline", sounds = mode == "--sounds";

  SimClock clock;
  IniSettingsStore real(DefaultSettingsPath());
  OverlaySettingsStore overlay(real);
  LoggingStore store(overlay, clock, timeline);
  HeadlessShow headless(clock, store, "gobbleshot1-render", InstallFolderOfExecutable());
  ShowRig<SdlDisplay>& show = headless.show;
  Form1& form = show.form;
  // Every cue, and whether it started its sound or found it still playing.
  if (sounds)
    headless.audio.Listen([](int64_t us, const std::string& file, bool started) {
      std::printf("t=%.3f sound %s %s\n", us / 1e6, file.c_str(), started ? "started" : "playing");
    });
  form.Form_Load();
  if (form.Closed()) return 1;
  int16_t scene = -1, step = -1;
  // Added after the form's frame timer, so it runs right after every frame.
  show.loop.AddTimer(1000000, kFrameEventsPerSecond, [&] {
    if ((timeline || sounds) && (form.show().Scene != scene || StepOf(form) != step)) {
      scene = form.show().Scene;
      step = StepOf(form);
      std::printf("t=%.3f scene=%d step=%d\n", clock.MonotonicUs() / 1e6, scene, step);
    }
  });
  show.loop.RunUntil(clock, static_cast<int64_t>(std::llround(seconds * 1e6)));
  if (mode == "--snapshot" && !show.display.WriteComposedPng(out)) {
    std::fprintf(stderr, "gobbleshot1-render: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace gs

int main(int argc, char** argv) { return gs::Main(argc, argv); }
