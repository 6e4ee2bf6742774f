#include "startup/saver_start.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

SaverTarget Target(std::initializer_list<const char*> args, const char* env) {
  std::vector<const char*> argv{"gobbleshot1", "/s"};
  argv.insert(argv.end(), args);
  return ReadSaverTarget(static_cast<int>(argv.size()), argv.data(), env);
}

// The --window-id switch before the host's variable; no usable id means our
// own windows. Xlib would send only the low 32 bits of an id: 2^32 + 0x2a3
// would name window 0x2a3, so an id beyond them, or with a sign, names none.
TEST(SaverTarget, TakesTheWindowIdSwitchBeforeTheHostsVariable) {
  struct Case {
    std::vector<const char*> args;
    const char* env;
    unsigned long window;
    bool windowIdSwitch, hostVariableUnusable;
  } cases[] = {
      {{"--window-id", "0x2a00003"}, "0x1e00001", 0x2a00003, true, false},
      {{"-window-id", "123"}, nullptr, 123, true, false},
      {{}, "0x1e00001", 0x1e00001, false, false},
      {{}, "0xffffffff", 0xffffffff, false, false},
      {{}, nullptr, 0, false, false},
      {{}, "", 0, false, false},
      {{}, "0", 0, false, true},
      {{}, "0x12zz", 0, false, true},
      {{"--window-id"}, nullptr, 0, true, false},       // asks for a window it does not name
      {{"--window-id", "junk"}, "77", 77, true, false},  // falls back to the host's variable
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"gobbleshot1", "/s"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const SaverTarget t = ReadSaverTarget(static_cast<int>(argv.size()), argv.data(), c.env);
    const std::string what = (c.args.empty() ? "" : c.args.back()) + std::string(" / ") + (c.env ? c.env : "unset");
    EXPECT_EQ(t.window, c.window) << what;
    EXPECT_EQ(t.windowIdSwitch, c.windowIdSwitch) << what;
    EXPECT_EQ(t.hostVariableUnusable, c.hostVariableUnusable) << what;
  }
  for (const char* id : {"0x1000002a3", "4294967296", "99999999999999999999999", "-4294967295", "+5", " 5"}) {
    EXPECT_EQ(Target({}, id).window, 0u) << id;
    EXPECT_TRUE(Target({}, id).hostVariableUnusable) << id;
    EXPECT_EQ(Target({"--window-id", id}, nullptr).window, 0u) << id;
  }
}

TEST(SingleInstanceRule, GuardsOnlySlashSOnItsOwnWindows) {
  const SaverTarget own{}, host{0x1e00001, false};
  EXPECT_TRUE(SingleInstanceRuleApplies(ParseCommandLine("/s"), own));
  EXPECT_TRUE(SingleInstanceRuleApplies(ParseCommandLine(" /SCR "), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine(""), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("   "), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("-root"), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("/s"), host));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine(""), host));
}

// Of the savers a host numbers, one for each monitor, number 0 plays; a
// host that numbers none leaves it to the sound lock.
TEST(SoundClaim, NumberZeroOrAnUnnumberedSaverTriesForTheSound) {
  for (const char* index : {static_cast<const char*>(nullptr), "", "0", "00", "x", "-1", " 1", "1x"})
    EXPECT_TRUE(MayClaimSound(index)) << (index ? index : "unset");
  for (const char* index : {"1", "10", "99999999999999999999999"}) EXPECT_FALSE(MayClaimSound(index)) << index;
}

// The hint names the switch meant; what the user typed reaches the terminal
// as text, never as its commands.
TEST(ProgramTexts, TheUnknownSwitchHintIsOneLineOfPlainText) {
  const std::string hint = UnknownSwitchHint(ParseCommandLine("-S"));
  EXPECT_EQ(hint.find('\n'), hint.size() - 1) << "one line";
  EXPECT_NE(hint.find("\"-s\""), std::string::npos);
  EXPECT_NE(hint.find("--help"), std::string::npos);
  const std::string hostile = UnknownSwitchHint(ParseCommandLine("-\x1b]0;owned\x07\x1b[2J\nsecond line\xc2\x9b"));
  EXPECT_EQ(hostile.find('\n'), hostile.size() - 1) << "one line";
  for (char c : hostile.substr(0, hostile.size() - 1))
    EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << "control character " << int(c);
  EXPECT_EQ(hostile.find("\xc2\x9b"), std::string::npos);
  EXPECT_NE(hostile.find("second line"), std::string::npos);
}

}  // namespace
}  // namespace gs
