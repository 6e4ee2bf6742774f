#pragma once
#include <string>

#include "desktop/saver_running_flag.h"
#include "scene_host/form_platform.h"

namespace gs {

// The scene window's desktop calls on Linux: the pointer through SDL, the
// running-saver flag as a file in the runtime folder, and the error box on
// standard error and, unless the show was to go into a host's window (the
// host is waiting for the saver to end), on the screen.
class DesktopPlatform : public FormPlatform {
 public:
  explicit DesktopPlatform(const std::string& runtimeFolder, bool boxesOnScreen = true);
  ~DesktopPlatform() override;
  void ShowPointer(bool show) override;
  void SetSaverRunning(bool running) override;
  void ShowErrorBox(const std::string& title, const std::string& text) override;
  void DestroyOtherWindows() override {}

 private:
  SaverRunningFlag flag_;
  bool flagSet_ = false;
  bool boxesOnScreen_ = true;
};

}  // namespace gs
