#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
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
// Lines may end in LF, CR LF or a lone CR (files from other systems); each
// line keeps its own ending, and a new line takes that of the line before it.
class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);
  std::string Serialize() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Answers false when nothing changed (same value already stored) or the
  // names cannot be written as a section header or a key.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // Whether every key of other is here too, whatever its value.
  bool HasEveryKeyOf(const IniDocument& other) const;
  // Adds the keys of earlier that this one lacks, with earlier's values;
  // answers whether it added any.
  bool KeepKeysOf(const IniDocument& earlier);

  static bool IsWritableSection(std::string_view name);
  static bool IsWritableKey(std::string_view name);
  static std::string EscapeValue(std::string_view value);
  static std::string UnescapeValue(std::string_view stored);

 private:
  enum class LineKind { Other, Section, Entry };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string raw;      // the line as read or written, without its ending
    std::string ending;   // "\n", "\r\n", "\r", or "" for a last line without one
    std::string name;     // section name, or key of an entry
    std::string section;  // the section an entry belongs to ("" before any header)
    std::string value;    // unescaped value of an entry
  };
  // Section and key of every entry, folded, one string each.
  std::unordered_set<std::string> Keys() const;
  static Line ParseLine(std::string_view raw, const std::string& currentSection);
  // The ending for a line added at position at: that of the line before it,
  // else the file's first, else LF.
  std::string NewLineEnding(size_t at) const;
  // Makes sure the line before position at is ended before a line goes there.
  void EndLineBefore(size_t at);

  std::vector<Line> lines_;
  bool byteOrderMark_ = false;
};

}  // namespace gs
