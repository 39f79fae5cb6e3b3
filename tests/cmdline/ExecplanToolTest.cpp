// Tests of the example tool execplan, run as a user runs it on the sample plans: the
// ranked plan, a collapsed cycle, the graph listing, and its failures, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleToolRun.h"

#ifdef ORV_EXECPLAN_PATH

TEST(ExecplanTool, ShowsThePlanByRankAndTheGraphOnRequest) {
  const struct {
    std::vector<std::string> _Arguments;
    const char* _Outcome;
  } cases[] = {
      // docs needs nothing: rank 1 beside headers, in the order of the file.
      {{"-f", "build-plan.txt"},
       "0\nout: 1: \"headers\"\n1: \"docs\"\n2: \"libcore\"\n3: \"libui\"\n4: \"app\"\n"
       "5: \"tests\"\n\nerr: "},
      // b and c close a cycle inside the cycle a, b, c, d: one step.
      {{"-f", "nested-cycles.txt", "-g"},
       "0\nout: 1: \"a\" \"d\" \"b\" \"c\" (a cycle of 4 targets)\n2: \"e\"\n3: \"f\"\n"
       "The graph of the steps:\n> 1:  \"a\" \"d\" \"b\" \"c\"\n> 2:  \"e\"\n> 3:  \"f\"\n\nerr: "},
      {{"-f", "no-colon.txt"},
       "2\nout: \nerr: Cannot make a plan from \"no-colon.txt\"\n#ERR# EXECPLAN - 0013: Line 2 "
       "has no colon after a single target.\nWrite each line as \"target: dependency dependency "
       "...\".\n\n"},
      {{"-f", "no-such-plan.txt"},
       "2\nout: \nerr: Cannot make a plan from \"no-such-plan.txt\"\n#ERR# ... - ...: Cannot open "
       "the file \"no-such-plan.txt\": No such file or directory.\n\n"},
  };
  for (const auto& planCase : cases)
    EXPECT_EQ(
        RunExampleTool(ORV_EXECPLAN_PATH, "execplan", planCase._Arguments, ORV_EXAMPLES_DATA_DIR),
        planCase._Outcome)
        << planCase._Arguments[1];
}

#else

TEST(ExecplanTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
