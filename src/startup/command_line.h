#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace gs {

enum class SaverMode { Saver, Preview, Configure, Password, None };

struct CommandLine {
  std::string text;    // arguments joined by blanks, trimmed, lower case
  std::string sw;      // the first two characters of text
  SaverMode mode = SaverMode::None;
  // Preview mode: the host window read from the longest numeric tail of the
  // text; hasWindow is false when there is none or it is no valid window id.
  bool hasWindow = false;
  uint32_t window = 0;
};

CommandLine ParseCommandLine(std::string_view arguments);
CommandLine ParseCommandLine(int argc, const char* const* argv);

// Whether text reads as a number the way the form language's number test
// sees it: blanks around, an optional sign, digits with an optional decimal
// fraction (or a 0x hexadecimal number, as X11 tools print window ids).
// On success value holds it, rounded half to even.
bool ReadNumber(std::string_view text, double& value);

// The longest tail of text that ReadNumber accepts (empty when none does).
std::string_view LongestNumericTail(std::string_view text);

}  // namespace gs
