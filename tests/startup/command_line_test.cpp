#include "startup/command_line.h"

#include <gtest/gtest.h>

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
                      Case{"s", SaverMode::None, false, 0}, Case{"/x", SaverMode::None, false, 0}));

TEST(CommandLine, JoinsArgumentsLikeOneArgumentString) {
  const char* argv[] = {"gobbleshot1", "/P", "4321"};
  CommandLine cl = ParseCommandLine(3, argv);
  EXPECT_EQ(cl.mode, SaverMode::Preview);
  EXPECT_TRUE(cl.hasWindow);
  EXPECT_EQ(cl.window, 4321u);
}

}  // namespace
}  // namespace gs
