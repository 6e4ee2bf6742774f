#pragma once
#include <string>

#include "startup/command_line.h"

namespace gs {

// Where the saver draws: a screen-saver host's window, named by the
// --window-id switch (a host's settings preview) or by XSCREENSAVER_WINDOW;
// window 0 means our own full-screen windows.
struct SaverTarget {
  unsigned long window = 0;
  bool windowIdSwitch = false;
  // XSCREENSAVER_WINDOW was set to something that is no window id.
  bool hostVariableUnusable = false;
};
SaverTarget ReadSaverTarget(int argc, const char* const* argv, const char* xscreensaverWindow);

// The single-instance rule guards "/s" on its own windows only: the empty
// command line runs even beside another saver, and a host asks for one
// saver in each of its windows.
bool SingleInstanceRuleApplies(const CommandLine& cl, const SaverTarget& target);

// Whether this saver may try for the sound. A host that numbers the savers
// it starts, one for each monitor (XSCREENSAVER_SAVER_INDEX), gives it to
// number 0; without a usable number the savers race for the sound lock.
bool MayClaimSound(const char* saverIndex);

// Answers to --help and --version, and the hint for a switch nobody knows.
std::string UsageText();
std::string VersionText();
std::string UnknownSwitchHint(const CommandLine& cl);

}  // namespace gs
