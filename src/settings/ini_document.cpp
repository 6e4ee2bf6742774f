#include "settings/ini_document.h"

#include <unordered_set>

#include "platform/text.h"

namespace gs {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasControlByte(std::string_view s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7f) return true;
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

IniDocument::Line IniDocument::ParseLine(std::string_view raw, const std::string& currentSection) {
  Line line;
  line.raw = std::string(raw);
  line.section = currentSection;
  std::string_view trimmed = Trim(raw, kSpaceAndTab);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return line;
  if (trimmed.front() == '[') {
    if (trimmed.back() != ']' || trimmed.size() < 2) return line;
    std::string_view name = Trim(trimmed.substr(1, trimmed.size() - 2), kSpaceAndTab);
    if (name.empty() || !IsWritableSection(name)) return line;
    line.kind = LineKind::Section;
    line.name = std::string(name);
    return line;
  }
  size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) return line;
  std::string_view key = Trim(trimmed.substr(0, eq), kSpaceAndTab);
  if (key.empty() || !IsWritableKey(key)) return line;
  line.kind = LineKind::Entry;
  line.name = std::string(key);
  line.value = UnescapeValue(Trim(trimmed.substr(eq + 1), kSpaceAndTab));
  return line;
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  if (text.starts_with(kByteOrderMark)) {
    doc.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  std::string section;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    const size_t length = end == std::string_view::npos ? std::string_view::npos : end - start;
    std::string_view raw = text.substr(start, length);
    Line line = ParseLine(raw, section);
    if (end == std::string_view::npos) {
      start = text.size();
    } else {
      size_t endingSize = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
      line.ending = std::string(text.substr(end, endingSize));
      start = end + endingSize;
    }
    if (line.kind == LineKind::Section) section = line.name;
    doc.lines_.push_back(std::move(line));
  }
  return doc;
}

std::string IniDocument::Serialize() const {
  std::string out(byteOrderMark_ ? kByteOrderMark : std::string_view());
  for (const Line& line : lines_) {
    out += line.raw;
    out += line.ending;
  }
  return out;
}

std::string IniDocument::NewLineEnding(size_t at) const {
  if (at > 0 && at <= lines_.size() && !lines_[at - 1].ending.empty()) return lines_[at - 1].ending;
  for (const Line& line : lines_)
    if (!line.ending.empty()) return line.ending;
  return "\n";
}

void IniDocument::EndLineBefore(size_t at) {
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = NewLineEnding(at - 1);
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  for (const Line& line : lines_)
    if (line.kind == LineKind::Entry && SameName(line.section, section) && SameName(line.name, key))
      return line.value;
  return std::nullopt;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsWritableSection(section) || !IsWritableKey(key)) return false;
  std::string escaped = EscapeValue(value);
  for (Line& line : lines_) {
    if (line.kind == LineKind::Entry && SameName(line.section, section) && SameName(line.name, key)) {
      if (line.value == value) return false;
      line.value = std::string(value);
      line.raw = line.name + "=" + escaped;  // the first writer's spelling of the key stays
      return true;
    }
  }
  Line entry;
  entry.kind = LineKind::Entry;
  entry.value = std::string(value);
  entry.name = std::string(key);
  entry.raw = entry.name + "=" + escaped;

  // Put the new key after the last entry of the section's first block.
  size_t insertAt = lines_.size();
  bool found = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::Section || !SameName(lines_[i].name, section)) continue;
    found = true;
    entry.section = lines_[i].name;
    insertAt = i + 1;
    for (size_t j = i + 1; j < lines_.size() && lines_[j].kind != LineKind::Section; ++j)
      if (lines_[j].kind == LineKind::Entry) insertAt = j + 1;
    break;
  }
  if (!found) {
    EndLineBefore(lines_.size());
    const std::string ending = NewLineEnding(lines_.size());
    if (!lines_.empty() && !Trim(lines_.back().raw, kSpaceAndTab).empty()) {
      Line blank;
      blank.ending = ending;
      lines_.push_back(std::move(blank));
    }
    Line header;
    header.kind = LineKind::Section;
    header.name = std::string(section);
    header.raw = "[" + header.name + "]";
    header.ending = ending;
    lines_.push_back(header);
    entry.section = header.name;
    insertAt = lines_.size();
  }
  EndLineBefore(insertAt);
  entry.ending = NewLineEnding(insertAt);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
  return true;
}

std::unordered_set<std::string> IniDocument::Keys() const {
  std::unordered_set<std::string> keys;
  for (const Line& line : lines_)
    if (line.kind == LineKind::Entry) keys.insert(FoldCase(line.section) + '\n' + FoldCase(line.name));
  return keys;
}

bool IniDocument::HasEveryKeyOf(const IniDocument& other) const {
  const std::unordered_set<std::string> mine = Keys();
  for (const Line& line : other.lines_)
    if (line.kind == LineKind::Entry && !mine.contains(FoldCase(line.section) + '\n' + FoldCase(line.name)))
      return false;
  return true;
}

bool IniDocument::KeepKeysOf(const IniDocument& earlier) {
  const std::unordered_set<std::string> mine = Keys();
  bool added = false;
  for (const Line& line : earlier.lines_)
    if (line.kind == LineKind::Entry && !mine.contains(FoldCase(line.section) + '\n' + FoldCase(line.name)))
      added = Set(line.section, line.name, line.value) || added;
  return added;
}

bool IniDocument::IsWritableSection(std::string_view name) {
  if (name.empty() || name != Trim(name, kSpaceAndTab) || HasControlByte(name)) return false;
  return name.find(']') == std::string_view::npos && name.front() != ';' && name.front() != '#';
}

bool IniDocument::IsWritableKey(std::string_view name) {
  if (name.empty() || name != Trim(name, kSpaceAndTab) || HasControlByte(name)) return false;
  return name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';' &&
         name.front() != '#';
}

std::string IniDocument::EscapeValue(std::string_view value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(value[i]);
    bool atEdge = i == 0 || i + 1 == value.size();
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == ' ' && atEdge) out += "\\s";
    else if (c < 0x20 || c == 0x7f) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xf];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string IniDocument::UnescapeValue(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (size_t i = 0; i < stored.size(); ++i) {
    char c = stored[i];
    if (c != '\\' || i + 1 == stored.size()) {
      out += c;
      continue;
    }
    char n = stored[i + 1];
    switch (n) {
      case '\\': out += '\\'; ++i; break;
      case 'n': out += '\n'; ++i; break;
      case 'r': out += '\r'; ++i; break;
      case 's': out += ' '; ++i; break;
      case 'x': {
        int hi = i + 2 < stored.size() ? HexDigit(stored[i + 2]) : -1;
        int lo = i + 3 < stored.size() ? HexDigit(stored[i + 3]) : -1;
        if (hi >= 0 && lo >= 0) {
          out += static_cast<char>(hi * 16 + lo);
          i += 3;
        } else {
          out += c;
        }
        break;
      }
      default: out += c; break;  // a hand-typed backslash stays as it is
    }
  }
  return out;
}

}  // namespace gs
