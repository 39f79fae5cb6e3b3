// Tests of the example tool msgping's command line, run as a user runs it: values out
// of range and options of the other mode are refused before any socket is opened, with
// the texts of the library's command-line failures, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleToolRun.h"

#ifdef ORV_MSGPING_PATH

TEST(MsgpingTool, RefusesBadValuesAndOptionsOfTheOtherMode) {
  const struct {
    std::vector<std::string> _Arguments;
    const char* _Outcome;
  } cases[] = {
      {{"-n", "0"},
       "2\nout: \nerr: Incorrect command line: msgping -n \"0\"\n#ERR# ORVBC - 0013: The value "
       "\"0\" is not a whole number from 1 to 10000000.\n-n <count>\n    Client: the number of "
       "messages to send (1 to 10000000), 1000 unless given.\n\n"},
      {{"-b", "12x"},
       "2\nout: \nerr: Incorrect command line: msgping -b \"12x\"\n#ERR# ORVBC - 0013: The value "
       "\"12x\" is not a whole number from 0 to 1048576.\n-b <bytes>\n    Client: the bytes of "
       "data in each message (0 to 1048576), 64 unless given.\n\n"},
      // Checked before the mode: no port is ever bound for it.
      {{"-server", "-p", "65536"},
       "2\nout: \nerr: Incorrect command line: msgping -p \"65536\"\n#ERR# ORVBC - 0013: The "
       "value \"65536\" is not a whole number from 1 to 65535.\n-p <port>\n    The server's port "
       "(1 to 65535). A server without it takes the first free of 23400 to 23499 and shows it; "
       "a client's default is 23400.\n\n"},
      {{"-server", "-n", "5"},
       "2\nout: \nerr: Incorrect command line: msgping -n\n#ERR# ORVBC - 0013: -n is an option "
       "of the client mode only.\n-n <count>\n    Client: the number of messages to send (1 to "
       "10000000), 1000 unless given.\n\n"},
      {{"-c", "2"},
       "2\nout: \nerr: Incorrect command line: msgping -c\n#ERR# ORVBC - 0013: -c is an option "
       "of the server mode only.\n-c <clients>\n    Server: stops once this many clients (1 to "
       "1000000) have exchanged messages and gone.\n\n"},
  };
  for (const auto& refusal : cases)
    EXPECT_EQ(RunExampleTool(ORV_MSGPING_PATH, "msgping", refusal._Arguments), refusal._Outcome)
        << refusal._Arguments[0];
}

#else

TEST(MsgpingTool, NotBuilt) {
  GTEST_SKIP() << "the example tools are not built (ORV_BUILD_EXAMPLES=OFF)";
}

#endif
