#pragma once
#include <string>
#include <string_view>

namespace gs {

// What counts as blank around a text: the C locale's white space, and the
// narrower set of INI files, whose values keep any other control byte.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
inline constexpr std::string_view kSpaceAndTab = " \t";

// text without the characters of blanks at either end.
inline std::string_view Trim(std::string_view text, std::string_view blanks = kWhiteSpace) {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Names (settings, switches, file names) compare without regard to ASCII
// letter case; other bytes, UTF-8 ones included, stay as they are.
inline char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

inline bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace gs
