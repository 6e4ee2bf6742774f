#pragma once
#include <string>

namespace gs {

// Shows a modal box with a stop icon, title, text and one OK button, and
// returns when it is closed: 0, or 1 when there is no display to show it on.
// Qt draws it with the desktop's own fonts, so it shows on a plain X server
// where neither zenity nor the X core fonts are installed.
int RunErrorBox(const std::string& title, const std::string& text);

}  // namespace gs
