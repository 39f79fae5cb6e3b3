// Tests of the example tool deptree, run as a user runs it on the sample inputs: drawn
// directory and dependency trees with their depth limit and name filter, and its
// failures, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleToolRun.h"

#ifdef ORV_DEPTREE_PATH

TEST(DeptreeTool, DrawsDirectoriesAndPlansWithinTheLimitsGiven) {
  const struct {
    std::vector<std::string> _Arguments;
    const char* _Outcome;
  } cases[] = {
      {{"-d", "project"},
       "0\nout: - project\n   +- docs\n   !   +- README\n   +- include\n   !   +- util.h\n"
       "   +- src\n   !   +- main.c\n   !   +- net\n   !   !   +- socket.c\n"
       "   !   !   +- socket_test.c\n   !   +- util.c\n   +- tests\n       +- run_tests.sh\n"
       "       +- util_test.c\n\nerr: "},
      {{"-d", "project", "-l", "1"},
       "0\nout: - project\n   +- docs\n   +- include\n   +- src\n   +- tests\n\nerr: "},
      // The matches and the directories on the way to them.
      {{"-d", "project", "-n", "test"},
       "0\nout: - project\n   +- src\n   !   +- net\n   !       +- socket_test.c\n   +- tests\n"
       "       +- run_tests.sh\n       +- util_test.c\n\nerr: "},
      // Two tops: tests and docs need nothing else and nothing needs them.
      {{"-f", "build-plan.txt", "-l", "2"},
       "0\nout: - tests\n   +- app\n   !   +- libcore\n   !   +- libui\n   +- libcore\n"
       "       +- headers\n- docs\n\nerr: "},
      {{"-f", "nested-cycles.txt"},
       "0\nout: - f\n   +- e\n       +- b\n           +- a\n           !   +- d\n"
       "           !       +- c\n           !           +- b (needed by itself: not followed)\n"
       "           +- c\n               +- b (needed by itself: not followed)\n\nerr: "},
      {{"-d", "project", "-l", "deep"},
       "2\nout: \nerr: Cannot draw the tree of \"project\"\n#ERR# DEPTREE - 0013: The depth "
       "\"deep\" is not a whole number from 0 up.\nUsage: deptree -d <directory> | -f <file> "
       "[-l <depth>] [-n <text>] [-h|-help|-?]\n\n"},
      {{"-f", "build-plan.txt", "-d", "project"},
       "2\nout: \nerr: Cannot draw the tree of \"deptree\"\n#ERR# DEPTREE - 0013: Give either "
       "-d or -f.\nUsage: deptree -d <directory> | -f <file> [-l <depth>] [-n <text>] "
       "[-h|-help|-?]\n\n"},
  };
  for (const auto& treeCase : cases)
    EXPECT_EQ(
        RunExampleTool(ORV_DEPTREE_PATH, "deptree", treeCase._Arguments, ORV_EXAMPLES_DATA_DIR),
        treeCase._Outcome)
        << treeCase._Arguments[1];
}

#else

TEST(DeptreeTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
