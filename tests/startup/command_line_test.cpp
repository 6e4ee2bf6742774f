#include "startup/command_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace gs {
namespace {

struct Case {
  const char* text;
  SaverMode mode;
  bool hasWindow;
  uint32_t window;
};

class CommandLineTable : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTable, ChoosesTheModeAndReadsTheHostWindow) {
  const Case& c = GetParam();
  CommandLine cl = ParseCommandLine(c.text);
  EXPECT_EQ(cl.mode, c.mode) << c.text;
  if (c.mode == SaverMode::Preview) {
    EXPECT_EQ(cl.hasWindow, c.hasWindow) << c.text;
    if (c.hasWindow) {
      EXPECT_EQ(cl.window, c.window) << c.text;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineTable,
    ::testing::Values(Case{"", SaverMode::Saver, false, 0}, Case{"/s", SaverMode::Saver, false, 0},
                      Case{"/S", SaverMode::Saver, false, 0}, Case{"   /s   ", SaverMode::Saver, false, 0},
                      Case{"/scr", SaverMode::Saver, false, 0}, Case{"/s --window-id 0x40001", SaverMode::Saver, false, 0},
                      Case{"/p 1234", SaverMode::Preview, true, 1234}, Case{"/P 1234", SaverMode::Preview, true, 1234},
                      Case{"/p:1234", SaverMode::Preview, true, 1234}, Case{"/p", SaverMode::Preview, false, 0},
                      Case{"/c", SaverMode::Configure, false, 0}, Case{"/c:1234", SaverMode::Configure, false, 0},
                      Case{"/a 1234", SaverMode::Password, false, 0}, Case{"-s", SaverMode::None, false, 0},
                      Case{"s", SaverMode::None, false, 0}, Case{"/x", SaverMode::None, false, 0},
                      Case{"-root", SaverMode::Saver, false, 0}, Case{" -ROOT -fps", SaverMode::Saver, false, 0},
                      Case{"-r", SaverMode::None, false, 0}, Case{"-rooted", SaverMode::None, false, 0}));

TEST(CommandLine, JoinsArgumentsLikeOneArgumentString) {
  const char* argv[] = {"gobbleshot1", "/P", "4321"};
  CommandLine cl = ParseCommandLine(3, argv);
  EXPECT_EQ(cl.mode, SaverMode::Preview);
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
