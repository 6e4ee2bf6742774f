#include "startup/saver_start.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/problem_report.h"

namespace gs {

namespace {

// An X11 window id: a positive number of at most 32 bits, decimal or 0x
// hexadecimal, nothing around it. A larger one would be cut to its low 32
// bits on the way to the server and name some other window.
bool ReadWindowId(const char* text, unsigned long& id) {
  if (!text || !std::isdigit(static_cast<unsigned char>(*text))) return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 0);
  if (errno != 0 || !end || *end != '\0' || v == 0 || v > 0xFFFFFFFFull) return false;
  id = static_cast<unsigned long>(v);
  return true;
}

}  // namespace

SaverTarget ReadSaverTarget(int argc, const char* const* argv, const char* xscreensaverWindow) {
  SaverTarget t;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window-id") == 0 || std::strcmp(argv[i], "-window-id") == 0) {
      t.windowIdSwitch = true;
      if (i + 1 < argc && ReadWindowId(argv[i + 1], t.window)) return t;
    }
  }
  if (xscreensaverWindow && *xscreensaverWindow && !ReadWindowId(xscreensaverWindow, t.window))
    t.hostVariableUnusable = true;
  return t;
}

bool SingleInstanceRuleApplies(const CommandLine& cl, const SaverTarget& target) {
  return cl.sw == "/s" && target.window == 0;
}

bool MayClaimSound(const char* saverIndex) {
  if (!saverIndex || !*saverIndex) return true;
  bool zero = true;
  for (const char* c = saverIndex; *c; ++c) {
    if (!std::isdigit(static_cast<unsigned char>(*c))) return true;
    zero = zero && *c == '0';
  }
  return zero;
}

std::string VersionText() { return "gobbleshot1 " GS_VERSION "\n"; }

std::string UsageText() {
  return "Usage: gobbleshot1 [/s | -root | /p WINDOW | /c | /a]\n"
         "A full-screen cartoon show of turkeys, a pilgrim and a cow.\n"
         "\n"
         "  /s, or nothing   run the saver on every monitor (/s: unless one runs already)\n"
         "  -root            the same as nothing (X screen-saver hosts start savers so)\n"
         "  /p WINDOW        show the preview still inside the X11 window WINDOW\n"
         "  /c               open the settings dialog\n"
         "  /a               say who manages the password\n"
         "  --window-id ID   run the show, silent, inside the X11 window ID\n"
         "  --help           show this text\n"
         "  --version        show the version\n"
         "\n"
         "A screen-saver host's window is taken from XSCREENSAVER_WINDOW.\n"
         "Settings: $XDG_CONFIG_HOME/gobbleshot1/settings.ini (~/.config/...).\n"
         "\n"
         "Hosts:\n"
         "  xscreensaver: add \"gobbleshot1 /s\" to the programs: list in\n"
         "    ~/.xscreensaver, or install with --prefix /usr.\n"
         "  mate-screensaver, xfce4-screensaver: install with --prefix /usr, or\n"
         "    ~/.local and, as root:\n"
         "    ln -s ~/.local/bin/gobbleshot1 /usr/libexec/xscreensaver/gobbleshot1\n"
         "  xsecurelock: XSECURELOCK_SAVER=/usr/bin/gobbleshot1 xsecurelock\n"
         "    (the saver's absolute path).\n"
         "  Wayland (sway and others), from an idle daemon:\n"
         "    swayidle -w timeout 300 'gobbleshot1 /s &' before-sleep 'pkill -x gobbleshot1'\n"
         "See gobbleshot1(6).\n";
}

std::string UnknownSwitchHint(const CommandLine& cl) {
  return "gobbleshot1: unknown switch \"" + OneLine(cl.text) + "\"; gobbleshot1 --help lists the switches\n";
}

}  // namespace gs
