#include "startup/command_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/text.h"

namespace gs {
namespace {

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsBlank(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

// -root, the switch every X screen-saver program takes (xsecurelock starts
// its savers with it): the saver, in the host's window when one is named.
bool IsRootSwitch(std::string_view text) {
  constexpr std::string_view kRoot = "-root";
  return text.starts_with(kRoot) && (text.size() == kRoot.size() || IsBlank(text[kRoot.size()]));
}

// Where a number that ends at end may begin: a run of digits holding at most
// one point, or "0x" and a run of hexadecimal digits. npos when there is none.
size_t DecimalStart(std::string_view s, size_t end) {
  size_t i = end;
  bool point = false, digits = false;
  while (i > 0 && (IsDigit(s[i - 1]) || (s[i - 1] == '.' && !point))) {
    point = point || s[i - 1] == '.';
    digits = digits || s[i - 1] != '.';
    --i;
  }
  return digits ? i : std::string_view::npos;
}

size_t HexStart(std::string_view s, size_t end) {
  size_t i = end;
  while (i > 0 && IsHexDigit(s[i - 1])) --i;
  if (i == end || i < 2 || s[i - 1] != 'x' || s[i - 2] != '0') return std::string_view::npos;
  return i - 2;
}

}  // namespace

std::string_view LongestNumericTail(std::string_view text) {
  // The tail's blanks, sign and digits are found from the end in one pass:
  // trying every tail in turn would read the digits once per tail.
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  size_t start = std::min(DecimalStart(text, end), HexStart(text, end));
  if (start == std::string_view::npos) return {};
  if (start > 0 && (text[start - 1] == '+' || text[start - 1] == '-')) --start;
  while (start > 0 && IsBlank(text[start - 1])) --start;
  return text.substr(start);
}

bool ReadNumber(std::string_view text, double& value) {
  std::string_view s = Trim(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  double v = 0;
  if (s.size() > 2 && s[0] == '0' && s[1] == 'x') {
    for (char c : s.substr(2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
      v = v * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : FoldCase(c) - 'a' + 10);
    }
  } else {
    bool digits = false, point = false;
    double scale = 1;
    for (char c : s) {
      if (c == '.' && !point) {
        point = true;
      } else if (std::isdigit(static_cast<unsigned char>(c))) {
        digits = true;
        if (point) {
          scale /= 10;
          v += (c - '0') * scale;
        } else {
          v = v * 10 + (c - '0');
        }
      } else {
        return false;
      }
    }
    if (!digits) return false;
  }
  value = std::nearbyint(negative ? -v : v);
  return true;
}

CommandLine ParseCommandLine(std::string_view arguments) {
  CommandLine c;
  c.text = FoldCase(Trim(arguments));
  c.sw = c.text.substr(0, 2);
  if (c.sw.empty() || c.sw == "/s") c.mode = SaverMode::Saver;
  else if (c.sw == "/p") c.mode = SaverMode::Preview;
  else if (c.sw == "/c") c.mode = SaverMode::Configure;
  else if (c.sw == "/a") c.mode = SaverMode::Password;
  else if (IsRootSwitch(c.text)) c.mode = SaverMode::Saver;
  else c.mode = SaverMode::None;

  double v = 0;
  if (c.mode == SaverMode::Preview && ReadNumber(LongestNumericTail(c.text), v)) {
    // X11 window ids are positive 32-bit numbers; anything else names no window.
    if (v > 0 && v <= 4294967295.0) {
      c.hasWindow = true;
      c.window = static_cast<uint32_t>(v);
    }
  }
  return c;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return ParseCommandLine(joined);
}

}  // namespace gs
