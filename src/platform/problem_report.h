#pragma once
#include <string>
#include <string_view>

namespace gs {

// text as it may be shown on one line of a terminal or a log: line breaks
// and tabs become blanks, and every other control character (the escape
// that starts a terminal's commands, and its 8-bit form) becomes '?'.
std::string OneLine(std::string_view text);

// One line on standard error for a person to read; screen-saver hosts keep
// a saver's standard error in their logs. The line reads
// "gobbleshot1: <subject>: <problem>".
void ReportProblem(std::string_view subject, std::string_view problem);

// The same, but each distinct line only once in the life of the process, so
// that a failure met on every save or every frame does not flood the log.
void ReportProblemOnce(std::string_view subject, std::string_view problem);

}  // namespace gs
