#pragma once
#include <string>

namespace gs {

// What the scene window needs from the desktop beyond the display and the
// audio layer: the pointer, the running-saver flag, the error box and the
// other windows of the program. The real program implements it on X11 and the
// file system; tests record the calls.
class FormPlatform {
 public:
  virtual ~FormPlatform() = default;
  // Counted like a window system's pointer: every hide is balanced by a show.
  virtual void ShowPointer(bool show) = 0;
  virtual void SetSaverRunning(bool running) = 0;
  // A modal box with a stop icon and one OK button; returns when it is closed.
  virtual void ShowErrorBox(const std::string& title, const std::string& text) = 0;
  // Destroys the preview window and the settings dialog, where they exist.
  virtual void DestroyOtherWindows() = 0;
};

}  // namespace gs
