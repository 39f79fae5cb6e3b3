// CmdLnTestSupport.h - helpers shared by the tests of the command-line classes.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ErrorRecord.h"
#include "FatalReport.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "PEVError.h"

// The text as UTF-8.
inline std::string Utf8(const PEVUnicodeString& iText) {
  return iText.ConvertToChar().GetChars();
}

// A new builder of the test catalog CMDLNTEST.
inline ORVParamNLSMsgBldrCtlgRfHndlr TestMessage(const char* iKey) {
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg("CMDLNTEST", iKey, nullptr));
  return builder;
}

// Analyses the arguments given as a list.
inline long Analyze(ORVCmdLnAnalyzer& ioAnalyzer, const std::vector<const char*>& iArguments) {
  return ioAnalyzer.Analyze(iArguments.data(), (int)iArguments.size());
}

// A cleaner, the test catalogs first on the catalog path, the last error forgotten after.
class CmdLnTest : public testing::Test {
protected:
  void SetUp() override { setenv("PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs", 1); }
  void TearDown() override {
    PEVError::PEVCleanLastError();
    unsetenv("PEV_CATALOG_PATH");
  }

  // The description of the last error of iCode (ErrorRecord.h), with the request, the
  // diagnostic and the advice checked to be the expected ones.
  static std::string Failure(const std::string& iFile, const std::string& iFragment,
                             const std::string& iDiagnostic, const std::string& iAdvice) {
    return "type 1 in src/" + iFile + "; request ORVBC 0013: " + iFragment + "; diagnostic ORVBC " +
           iDiagnostic + "; advice " + iAdvice;
  }

  ORVGlobalObjectCleaner _Cleaner;
};
