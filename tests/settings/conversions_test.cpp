#include "settings/conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace gs {
namespace {

TEST(ToInteger, ConvertsDecimalTextRoundingHalfToEvenAndClamping) {
  struct Case {
    std::string text;
    int expected;
  } cases[] = {
      {"0", 0},          {"-2500", -2500},  {"+7", 7},          {"  12\t", 12},
      {"2.5", 2},        {"3.5", 4},        {"-2.5", -2},       {"-3.5", -4},
      {"2.51", 3},       {"2.4999", 2},     {"0.5", 0},         {"1.5", 2},
      {".5", 0},         {"7.", 7},         {"32767", 32767},   {"32768", 32767},
      {"-32768", -32768}, {"-32769", -32768}, {"99999999999999999999", 32767},
      {"32767.5", 32767}, {"", 0},          {"abc", 0},         {"12abc", 0},
      {"1 2", 0},        {"+", 0},          {"-", 0},           {".", 0},
      {"1e3", 0},        {"True", 0},       {std::string("4\0", 2), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ToInteger(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ToBoolean, AcceptsWordsInAnyCaseAndNumbers) {
  struct Case {
    std::string text;
    bool expected;
  } cases[] = {
      {"True", true},  {"true", true},   {"TRUE", true}, {" tRuE ", true}, {"False", false},
      {"false", false}, {"0", false},    {"-1", true},   {"2", true},      {"0.0", false},
      {"0.25", true},  {"", false},      {"yes", false}, {"Truely", false}, {"1x", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ToBoolean(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace gs
