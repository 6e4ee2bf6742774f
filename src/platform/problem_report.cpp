#include "platform/problem_report.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace gs {
namespace {

std::string Line(std::string_view subject, std::string_view problem) {
  std::string line = "gobbleshot1: ";
  // One line, whatever a file name holds.
  line += OneLine(subject);
  line += ": ";
  line += OneLine(problem);
  line += '\n';
  return line;
}

void Say(const std::string& line) {
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n' || c == '\r' || c == '\t') {
      line += ' ';
    } else if (c < 0x20 || c == 0x7F) {
      line += '?';
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      line += '?';  // U+0080 to U+009F, the 8-bit controls, in UTF-8
      ++i;
    } else {
      line += static_cast<char>(c);
    }
  }
  return line;
}

void ReportProblem(std::string_view subject, std::string_view problem) { Say(Line(subject, problem)); }

void ReportProblemOnce(std::string_view subject, std::string_view problem) {
  static std::mutex mutex;
  static std::set<std::string> said;
  const std::string line = Line(subject, problem);
  {
    std::lock_guard<std::mutex> hold(mutex);
    if (!said.insert(line).second) return;
  }
  Say(line);
}

}  // namespace gs
