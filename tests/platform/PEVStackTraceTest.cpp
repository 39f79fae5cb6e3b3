// Tests of PEVStackTrace and PEVBasicStackTrace: capture and symbolised printing.
#include "PEVBasicStackTrace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TemporaryDirectory.h"

// Exported from the test program so that its name is in the dynamic symbol table.
extern "C" __attribute__((noinline, visibility("default"))) int PevTraceProbe(FILE* iOutput,
                                                                              int iAddressesOnly) {
  PEVBasicStackTrace trace;
  int frames = trace.GetTrace();
  trace.Print(iOutput, 0, iAddressesOnly);
  return frames;
}

TEST(PEVBasicStackTrace, PrintsTheCallersByNameOrAsAddressesAndSkipsFrames) {
  FILE* output = tmpfile();
  ASSERT_NE(output, nullptr);
  int frames = PevTraceProbe(output, 0);
  std::string text = ReadStream(output);
  EXPECT_GT(frames, 2);
  EXPECT_EQ(text.rfind("Stack trace:\n", 0), 0u) << text;
  EXPECT_NE(text.find("PevTraceProbe"), std::string::npos) << text;
  EXPECT_NE(text.find("#1 "), std::string::npos) << text;
  fclose(output);
  output = tmpfile();
  PevTraceProbe(output, 1);
  text = ReadStream(output);
  EXPECT_NE(text.find("[0x"), std::string::npos) << text;
  fclose(output);
  PEVBasicStackTrace trace;
  frames = trace.GetTrace();
  output = tmpfile();
  trace.Print(output, frames, 0);
  EXPECT_EQ(ReadStream(output), "");
  fclose(output);
  trace.Print(nullptr, 0, 0);  // no stream, no output, no crash
}
