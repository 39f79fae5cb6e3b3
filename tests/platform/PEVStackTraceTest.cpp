// Tests of PEVStackTrace and PEVBasicStackTrace: capture and symbolised printing.
#include "PEVBasicStackTrace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TemporaryDirectory.h"

// Exported from the test program so that its name is in the dynamic symbol table. Prints
// the trace of its caller after iSkipped frames, by name or as addresses.
// All frames are skipped for iSkipped -1.
extern "C" __attribute__((noinline, visibility("default"))) void PevTraceProbe(std::string* oText,
                                                                               int iSkipped,
                                                                               int iAddressesOnly) {
  PEVBasicStackTrace trace;
  int frames = trace.GetTrace();
  EXPECT_GT(frames, 2);
  FILE* output = tmpfile();
  trace.Print(output, iSkipped < 0 ? frames : iSkipped, iAddressesOnly);
  *oText = ReadStream(output);
  fclose(output);
}

TEST(PEVBasicStackTrace, PrintsTheCallersByNameOrAsAddressesAndSkipsFrames) {
  std::string text, addresses, none = "?";
  PevTraceProbe(&text, 0, 0);
  PevTraceProbe(&addresses, 0, 1);
  PevTraceProbe(&none, -1, 0);
  EXPECT_EQ(text.rfind("Stack trace:\n", 0), 0u) << text;
  EXPECT_NE(text.find("PevTraceProbe"), std::string::npos) << text;
  EXPECT_NE(text.find("#1 "), std::string::npos) << text;
  EXPECT_NE(addresses.find("[0x"), std::string::npos) << addresses;
  EXPECT_EQ(none, "");
  PEVBasicStackTrace().Print(nullptr, 0, 0);  // no stream, no output, no crash
}
