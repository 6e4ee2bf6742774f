// The entry routine: turns the screen-saver switch into the saver, the
// preview, the settings dialog or the password message.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include "desktop/desktop_platform.h"
#include "desktop/install_folder.h"
#include "desktop/instance_lock.h"
#include "desktop/reset_signal.h"
#include "desktop/runtime_folder.h"
#include "desktop/sound_owner_lock.h"
#include "desktop/x11_desktop.h"
#include "display/sdl/sdl_display.h"
#include "platform/clock.h"
#include "platform/problem_report.h"
#include "scene_host/show_rig.h"
#include "settings/saver_settings_store.h"
#include "sound/sdl/sdl_audio.h"
#include "startup/command_line.h"
#include "startup/saver_start.h"
#include "startup/silent_audio.h"

namespace gs {
namespace {

int RunSaver(const CommandLine& cl, int argc, char** argv) {
  EndCleanlyOnResetSignal();
  const SaverTarget target = ReadSaverTarget(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (target.windowIdSwitch && !target.window) {
    std::fprintf(stderr,
                 "gobbleshot1: --window-id needs the id of the window to draw into, as in: --window-id 0x1e00003\n");
    return 1;
  }
  if (target.hostVariableUnusable)
    ReportProblem("XSCREENSAVER_WINDOW", "names no X11 window; the show runs in its own windows");
  // The host's window is watched from our first look at it: a host may
  // destroy it at any moment of the start.
  std::shared_ptr<X11HostWindow> hostWatch;
  if (target.window) hostWatch = X11HostWindow::For(target.window);
  HostGeometry geometry;
  // The host took its window away before we came: nothing to draw into.
  if (target.window && (X11HostWindow::GoneNow() || !QueryHostWindow(target.window, geometry))) return 0;
  const std::string runtime = RuntimeFolder();
  InstanceLock lock(runtime + "gobbleshot1.lock");
  if (SingleInstanceRuleApplies(cl, target) && lock.OtherInstanceRunning() &&
      !TopLevelWindowExists("Display Properties"))
    return 0;
  // A preview in a host's settings pane stays silent; of several savers at
  // once, one plays. A host cycling savers starts the next while the last
  // one still ends and lets go of the sound.
  const bool preview = target.windowIdSwitch || (target.window && IsPreviewPane(geometry));
  std::unique_ptr<SoundOwnerLock> sound;
  if (!preview && MayClaimSound(std::getenv("XSCREENSAVER_SAVER_INDEX")))
    sound = std::make_unique<SoundOwnerLock>(runtime + "gobbleshot1.sound", target.window ? 300 : 0);

  SystemClock clock;
  SaverSettingsStore store(DefaultSettingsPath());
  DesktopPlatform platform(runtime, target.window == 0);
  std::unique_ptr<Audio> audio;
  if (sound && sound->Owned()) audio = std::make_unique<SdlAudio>();
  else audio = std::make_unique<SilentAudio>();
  // The show is made after its quit handler, which it holds; a quit asked
  // for while it is still being made only lets go of the sound.
  std::optional<ShowRig<SdlDisplay>> rig;
  SdlDisplay::Options options;
  options.hostWindow = target.window;
  options.onQuit = [&sound, &rig] {
    if (sound) sound->Release();
    if (!rig) return;
    if (!rig->form.Closed()) rig->form.ExitSaver();
    rig->loop.Quit(0);
  };
  ShowRig<SdlDisplay>& show =
      rig.emplace(clock, *audio, store, platform, InstallFolderOfExecutable(), std::move(options));
  Form1& form = show.form;
  form.Form_Load();
  if (form.Closed()) return form.ExitStatus();
  // The "Disable any Power Saving settings" box: on its own windows the saver
  // then keeps the monitors on. In a host's window the host decides.
  if (form.show().settings.PwrSave == 1 && !target.window) show.display.KeepScreenAwake();
  platform.SetSaverRunning(true);
  show.loop.Run();
  if (sound) sound->Release();
  if (!form.Closed()) form.ExitSaver();
  return form.ExitStatus();
}

// The dialog is a program of its own, so that the saver never loads Qt; it
// takes this process's place, which keeps the id a host may wait on.
int RunSetupProgram() {
  const std::string program = SetupProgramOfExecutable();
  const std::string data = InstallFolderOfExecutable();
  char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(data.c_str()), nullptr};
  ::execv(program.c_str(), argv);
  ReportProblem(program, std::string("cannot start the settings dialog: ") + std::strerror(errno));
  return 1;
}

int Main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  CommandLine cl = ParseCommandLine(argc, argv);
  switch (cl.mode) {
    case SaverMode::Saver:
      return RunSaver(cl, argc, argv);
    case SaverMode::Preview:
      if (!cl.hasWindow) {
        std::fprintf(stderr, "gobbleshot1: /p needs the id of the window to draw into, as in: /p 12345\n");
        return 1;
      }
      return RunPreview(cl.window);
    case SaverMode::Configure:
      return RunSetupProgram();
    case SaverMode::Password:
      std::printf(
          "Gobbleshot1 has no password of its own: your desktop's screen locker asks for your login "
          "password.\n");
      return 0;
    case SaverMode::None:
      std::fputs(UnknownSwitchHint(cl).c_str(), stderr);
      return 0;
  }
  return 0;
}

}  // namespace
}  // namespace gs

int main(int argc, char** argv) { return gs::Main(argc, argv); }
