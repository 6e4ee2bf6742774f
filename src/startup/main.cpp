// The entry routine: turns the screen-saver switch into the saver, the
// preview, the settings dialog or the password message.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "display/sdl/sdl_display.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "scene_host/form1.h"
#include "settings/saver_settings_store.h"
#include "sound/sdl/sdl_audio.h"
#include "startup/command_line.h"
#include "startup/desktop_platform.h"
#include "startup/instance_lock.h"
#include "startup/runtime_folder.h"
#include "startup/silent_audio.h"
#include "startup/x11_desktop.h"

namespace gs {
namespace {

unsigned long HostWindowFromEnvironment() {
  const char* v = std::getenv("XSCREENSAVER_WINDOW");
  if (!v || !*v) return 0;
  char* end = nullptr;
  unsigned long id = std::strtoul(v, &end, 0);
  return end && *end == '\0' ? id : 0;
}

bool HasArgument(int argc, char** argv, const char* arg) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], arg) == 0) return true;
  return false;
}

int RunSaver(int argc, char** argv) {
  const std::string runtime = RuntimeFolder();
  const unsigned long hostWindow = HostWindowFromEnvironment();
  bool displayProperties = TopLevelWindowExists("Display Properties");
  auto lock = std::make_unique<InstanceLock>(runtime + "gobbleshot1.lock");
  // A host cycling savers may start us before the last one has ended.
  for (int i = 0; hostWindow && lock->OtherInstanceRunning() && i < 20; ++i) {
    lock.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    lock = std::make_unique<InstanceLock>(runtime + "gobbleshot1.lock");
  }
  if (lock->OtherInstanceRunning() && !displayProperties) return 0;

  SystemClock clock;
  EventLoop loop(clock);
  SaverSettingsStore store(DefaultSettingsPath());
  DesktopPlatform platform(runtime, hostWindow == 0);
  Form1* formPtr = nullptr;
  SdlDisplay::Options options;
  options.hostWindow = hostWindow;
  options.onQuit = [&] {
    if (formPtr && !formPtr->Closed()) formPtr->ExitSaver();
    loop.Quit(0);
  };
  SdlDisplay display(clock, options);
  // A preview in a host's settings pane stays silent.
  std::unique_ptr<Audio> audio;
  if (HasArgument(argc, argv, "--window-id")) audio = std::make_unique<SilentAudio>();
  else audio = std::make_unique<SdlAudio>();
  Form1 form(display, *audio, store, loop, platform, InstallFolderOfExecutable());
  formPtr = &form;
  form.Form_Load();
  if (form.Closed()) return form.ExitStatus();
  platform.SetSaverRunning(true);
  loop.Run();
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
  std::fprintf(stderr, "gobbleshot1: cannot start the settings dialog %s: %s\n", program.c_str(), std::strerror(errno));
  return 1;
}

int Main(int argc, char** argv) {
  CommandLine cl = ParseCommandLine(argc, argv);
  switch (cl.mode) {
    case SaverMode::Saver:
      return RunSaver(argc, argv);
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
      return 0;
  }
  return 0;
}

}  // namespace
}  // namespace gs

int main(int argc, char** argv) { return gs::Main(argc, argv); }
