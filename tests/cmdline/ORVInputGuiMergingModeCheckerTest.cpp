// Tests of the merging-mode checker and of the merging modes' set.
#include "ORVInputGuiMergingModeChecker.h"

#include <gtest/gtest.h>

#include "CmdLnTestSupport.h"
#include "ORVMergingModes.h"
#include "ORVVector.h"

TEST_F(CmdLnTest, OnlyMergingModesOneToFourPass) {
  auto checked = [](std::vector<const char*> iValues) {
    ORVVector values(ORVDestroyElementsAtDelete);
    for (const char* value : iValues)
      values.Append(new ORVString(value));
    return Outcome(ORVInputGuiMergingModeChecker().Check(values, TestMessage("R")));
  };
  auto failed = [](const std::string& iNumberRead) {
    return "type 1 in src/ORVInputGuiMergingModeChecker.cpp; request CMDLNTEST R; diagnostic "
           "ORVBC 0023: " +
           iNumberRead + " | 1|2|3|4; advice <none>";
  };
  EXPECT_EQ(checked({}), "success");
  EXPECT_EQ(checked({"1", "2", "3", "4"}), "success");
  std::pair<const char*, const char*> failures[] = {{"0", "0"},
                                                    {"5", "5"},
                                                    {"", "0"},
                                                    {"abc", "0"},
                                                    {"4.0", "4"},
                                                    {"-1", "-1"},
                                                    {"99999999999", "2147483647"}};
  for (const auto& [value, read] : failures)
    EXPECT_EQ(checked({value}), failed(read)) << value;
  EXPECT_EQ(checked({"1", "7", "0"}), failed("7"));  // the first offending value
}

TEST_F(CmdLnTest, TheMergingModesSetLeavesItsElementsToTheirOwner) {
  // The given vector destroys its elements; the global set, released later by the
  // cleaner, must not destroy them again.
  ORVVector owned(ORVDestroyElementsAtDelete);
  owned.Append(new ORVString("1"));
  owned.Append(new ORVString("4"));
  ORVMergingModes* modes = ORVMergingModes::GetGlobal();
  EXPECT_EQ(ORVMergingModes::GetGlobal(), modes);
  modes->SetMergingModesSet(owned);
  EXPECT_EQ(Texts(modes->GetMergingModesSet()), (std::vector<std::string>{"1", "4"}));
  EXPECT_EQ(modes->GetMergingModesSet().GetWhatToDoAtDelete(), ORVDoNothingAtDelete);
}
