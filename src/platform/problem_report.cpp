#include "platform/problem_report.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace gs {
namespace {

std::string Line(std::string_view subject, std::string_view problem) {
  std::string line = "gobbleshot1: ";
  line += subject;
  line += ": ";
  line += problem;
  // One line, whatever a file name holds.
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  line += '\n';
  return line;
}

void Say(const std::string& line) {
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

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
