// CmdLnTestSupport.h - helpers shared by the tests of the command-line classes.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ErrorRecord.h"
#include "EveryOptionCommand.h"  // the analyzer, the options, strings, vectors, errors
#include "SuiteHelpers.h"

// No usage line.
inline const ORVParamNLSMsgBldrRfHndlr kNoUsage;

// A new builder of the test catalog CMDLNTEST.
inline constexpr auto TestMessage = &EveryOptionMessage;

// Analyses the arguments given as a list.
inline long Analyze(ORVCmdLnAnalyzer& ioAnalyzer, const std::vector<const char*>& iArguments) {
  return ioAnalyzer.Analyze(iArguments.data(), (int)iArguments.size());
}

// "success" for a zero iCode, otherwise the description of its last error, then forgotten.
inline std::string Outcome(long iCode) {
  if (iCode == 0) return "success";
  std::string description = DescribeLastError(iCode);
  PEVError::PEVCleanLastError();
  return description;
}

// The texts of a vector of ORVString.
inline std::vector<std::string> Texts(const ORVVector& iStrings) {
  std::vector<std::string> texts;
  for (int index = 0; index < iStrings.Size(); ++index)
    texts.push_back(ORVCheckedCast<ORVString>(iStrings[index])->GetChars());
  return texts;
}

// A cleaner, the test catalogs first on the catalog path, the last error forgotten after.
class CmdLnTest : public testing::Test {
protected:
  void SetUp() override { setenv("PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs", 1); }
  void TearDown() override {
    PEVError::PEVCleanLastError();
    unsetenv("PEV_CATALOG_PATH");
  }

  ORVGlobalObjectCleaner _Cleaner;
};
