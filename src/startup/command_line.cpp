#include "startup/command_line.h"

#include <cctype>
#include <cmath>

namespace gs {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

}  // namespace

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
      v = v * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
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
  std::string_view trimmed = Trim(arguments);
  c.text.reserve(trimmed.size());
  for (char ch : trimmed) c.text.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
  c.sw = c.text.substr(0, 2);
  if (c.sw.empty() || c.sw == "/s") c.mode = SaverMode::Saver;
  else if (c.sw == "/p") c.mode = SaverMode::Preview;
  else if (c.sw == "/c") c.mode = SaverMode::Configure;
  else if (c.sw == "/a") c.mode = SaverMode::Password;
  else c.mode = SaverMode::None;

  if (c.mode == SaverMode::Preview) {
    std::string_view s = c.text;
    for (size_t n = s.size(); n >= 1; --n) {
      double v = 0;
      if (ReadNumber(s.substr(s.size() - n), v)) {
        // X11 window ids are positive 32-bit numbers; anything else names no window.
        if (v > 0 && v <= 4294967295.0) {
          c.hasWindow = true;
          c.window = static_cast<uint32_t>(v);
        }
        break;
      }
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
