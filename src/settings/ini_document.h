#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gs {

// The text of a settings file as a list of lines. Lines that are not a
// section header or a key=value pair (comments, blanks, hand-edit mistakes,
// garbage) are kept exactly as read, so rewriting the file after one change
// keeps everything else byte for byte.
//
// Values are escaped so that any text round-trips: "\\" backslash, "\n" line
// feed, "\r" carriage return, "\s" a space at either end of the value, "\xHH"
// any other control byte (tab included). Any other backslash is read
// literally, so a hand-typed path such as C:\temp\file stays as typed.
// A UTF-8 byte-order mark, which some editors write, is read past and kept.
class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);
  std::string Serialize() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Answers false when nothing changed (same value already stored) or the
  // names cannot be written as a section header or a key.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  static bool IsWritableSection(std::string_view name);
  static bool IsWritableKey(std::string_view name);
  static std::string EscapeValue(std::string_view value);
  static std::string UnescapeValue(std::string_view stored);

 private:
  enum class LineKind { Other, Section, Entry };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string raw;      // the line as read or written, without its line feed
    std::string name;     // section name, or key of an entry
    std::string section;  // the section an entry belongs to ("" before any header)
    std::string value;    // unescaped value of an entry
  };
  static Line ParseLine(std::string_view raw, const std::string& currentSection);

  std::vector<Line> lines_;
  bool endsWithNewline_ = true;
  bool byteOrderMark_ = false;
};

}  // namespace gs
