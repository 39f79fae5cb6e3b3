// Tests of the merging-mode checker and of the merging modes' set: modes 1 to 4 pass,
// the first other value fails with the number read, and the set never disposes of the
// elements it was given.
#include "ORVInputGuiMergingModeChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "ORVMergingModes.h"
#include "ORVVector.h"

namespace {

class ORVInputGuiMergingModeCheckerTest : public CmdLnTest {
protected:
  std::string Checked(const std::vector<const char*>& iValues) {
    ORVVector values(ORVDestroyElementsAtDelete);
    for (const char* value : iValues)
      values.Append(new ORVString(value));
    ORVInputGuiMergingModeChecker checker;
    return Outcome(checker.Check(values, TestMessage("REQUEST")));
  }
  static std::string Failed(const std::string& iDiagnostic) {
    return "type 1 in src/ORVInputGuiMergingModeChecker.cpp; request CMDLNTEST REQUEST; "
           "diagnostic ORVBC 0023: " +
           iDiagnostic + " | 1|2|3|4; advice <none>";
  }
};

}  // namespace

TEST_F(ORVInputGuiMergingModeCheckerTest, OnlyModesOneToFourPass) {
  EXPECT_EQ(Checked({}), "success");
  EXPECT_EQ(Checked({"1", "2", "3", "4"}), "success");
  struct Case {
    const char* _Value;
    const char* _Number;  // what the conversion read
  } failures[] = {{"0", "0"},  {"5", "5"},   {"", "0"},    {"abc", "0"},
                  {"2x", "2"}, {"-1", "-1"}, {"4.0", "4"}, {"99999999999", "2147483647"}};
  for (const Case& c : failures)
    EXPECT_EQ(Checked({c._Value}), Failed(c._Number)) << c._Value;
  // The first offending value is the one reported.
  EXPECT_EQ(Checked({"1", "7", "0"}), Failed("7"));
}

TEST_F(ORVInputGuiMergingModeCheckerTest, TheModesSetLeavesItsElementsToTheirOwner) {
  // The given vector destroys its elements; the global set must not.
  ORVVector owned(ORVDestroyElementsAtDelete);
  owned.Append(new ORVString("1"));
  owned.Append(new ORVString("4"));
  ORVMergingModes* modes = ORVMergingModes::GetGlobal();
  EXPECT_EQ(ORVMergingModes::GetGlobal(), modes);
  modes->SetMergingModesSet(owned);
  EXPECT_EQ(Texts(modes->GetMergingModesSet()), (std::vector<std::string>{"1", "4"}));
  EXPECT_EQ(modes->GetMergingModesSet().GetWhatToDoAtDelete(), ORVDoNothingAtDelete);
}  // the strings go with the vector; the cleaner then releases the set, which must not touch them
