#include "startup/command_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace gs {
namespace {

TEST(CommandLine, ChoosesTheModeAndReadsTheHostWindow) {
  constexpr auto S = SaverMode::Saver, P = SaverMode::Preview, C = SaverMode::Configure, A = SaverMode::Password,
                 N = SaverMode::None;
  struct Case {
    const char* text;
    SaverMode mode;
    bool hasWindow;
    uint32_t window;
  } cases[] = {
      {"", S, false, 0},           {"/s", S, false, 0},          {"/S", S, false, 0},
      {"   /s   ", S, false, 0},   {"/scr", S, false, 0},        {"/s --window-id 0x40001", S, false, 0},
      {"/p 1234", P, true, 1234},  {"/P 1234", P, true, 1234},   {"/p:1234", P, true, 1234},
      {"/p", P, false, 0},         {"/c", C, false, 0},          {"/c:1234", C, false, 0},
      {"/a 1234", A, false, 0},    {"-s", N, false, 0},          {"s", N, false, 0},
      {"/x", N, false, 0},         {"-root", S, false, 0},       {" -ROOT -fps", S, false, 0},
      {"-r", N, false, 0},         {"-rooted", N, false, 0},
  };
  for (const Case& c : cases) {
    CommandLine cl = ParseCommandLine(c.text);
    EXPECT_EQ(cl.mode, c.mode) << c.text;
    if (c.mode != P) continue;
    EXPECT_EQ(cl.hasWindow, c.hasWindow) << c.text;
    EXPECT_EQ(cl.hasWindow ? cl.window : 0, c.window) << c.text;
  }
  // The arguments are joined like one argument string.
  const char* argv[] = {"gobbleshot1", "/P", "4321"};
  CommandLine cl = ParseCommandLine(3, argv);
  EXPECT_EQ(cl.mode, P);
  EXPECT_TRUE(cl.hasWindow);
  EXPECT_EQ(cl.window, 4321u);
}

// The tail found must be the one found by trying every tail from the
// longest down, on texts made of the characters that matter to it.
TEST(CommandLine, FindsTheLongestNumericTailOfAnyText) {
  std::mt19937 random(27);
  const std::string alphabet = "0123456789abfx.+- /p:";
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const size_t length = random() % 12;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    std::string_view expected;
    for (size_t n = text.size(); n >= 1 && expected.empty(); --n) {
      double v = 0;
      const std::string_view tail = std::string_view(text).substr(text.size() - n);
      if (ReadNumber(tail, v)) expected = tail;
    }
    EXPECT_EQ(LongestNumericTail(text), expected) << '"' << text << '"';
  }
}

// A host window id of a hundred thousand digits before a letter, and a
// megabyte over eight arguments: each answers at once.
TEST(CommandLine, VeryLongArgumentsAreReadInOnePass) {
  CommandLine cl = ParseCommandLine("/p " + std::string(100000, '7') + "a");
  EXPECT_EQ(cl.mode, SaverMode::Preview);
  EXPECT_FALSE(cl.hasWindow);
  const std::string eighth(1 << 17, '9');
  std::vector<const char*> argv{"gobbleshot1", "/p"};
  for (int i = 0; i < 8; ++i) argv.push_back(eighth.c_str());
  argv.push_back("x");
  cl = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
  EXPECT_FALSE(cl.hasWindow);
  cl = ParseCommandLine("/p " + std::string(100000, ' ') + "  4321");
  EXPECT_TRUE(cl.hasWindow);
  EXPECT_EQ(cl.window, 4321u);
}

}  // namespace
}  // namespace gs
