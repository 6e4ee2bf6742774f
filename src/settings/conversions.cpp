#include "settings/conversions.h"

#include <cstdint>
#include <optional>

#include "platform/text.h"

namespace gs {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Decimal {
  bool negative = false;
  int64_t whole = 0;  // saturates well above the 16-bit range
  bool anyNonZeroDigit = false;
  // The fraction compared with one half: -1 below, 0 exactly, 1 above.
  int fractionVsHalf = -1;
};

std::optional<Decimal> ParseDecimal(std::string_view text) {
  text = Trim(text);
  Decimal d;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    d.negative = text[i] == '-';
    ++i;
  }
  size_t digits = 0;
  constexpr int64_t kCap = 1'000'000;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    if (d.whole < kCap) d.whole = d.whole * 10 + (text[i] - '0');
    if (text[i] != '0') d.anyNonZeroDigit = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    bool first = true;
    bool restNonZero = false;
    int firstDigit = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      if (text[i] != '0') d.anyNonZeroDigit = true;
      if (first) {
        firstDigit = text[i] - '0';
        first = false;
      } else if (text[i] != '0') {
        restNonZero = true;
      }
    }
    if (!first) {
      if (firstDigit > 5 || (firstDigit == 5 && restNonZero)) d.fractionVsHalf = 1;
      else if (firstDigit == 5) d.fractionVsHalf = 0;
    }
  }
  if (digits == 0 || i != text.size()) return std::nullopt;
  return d;
}

}  // namespace

int16_t ToInteger(std::string_view text) {
  std::optional<Decimal> d = ParseDecimal(text);
  if (!d) return 0;
  int64_t magnitude = d->whole;
  if (d->fractionVsHalf > 0 || (d->fractionVsHalf == 0 && (magnitude % 2) == 1)) ++magnitude;
  int64_t value = d->negative ? -magnitude : magnitude;
  if (value < INT16_MIN) return INT16_MIN;
  if (value > INT16_MAX) return INT16_MAX;
  return static_cast<int16_t>(value);
}

bool ToBoolean(std::string_view text) {
  std::string_view trimmed = Trim(text);
  if (SameName(trimmed, "true")) return true;
  if (SameName(trimmed, "false")) return false;
  std::optional<Decimal> d = ParseDecimal(trimmed);
  return d && d->anyNonZeroDigit;
}

}  // namespace gs
