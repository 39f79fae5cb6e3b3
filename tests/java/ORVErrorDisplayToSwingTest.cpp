// Tests of the Java error display in a real JVM: the terminal's text, markers included,
// goes to the receiver's method of the error's type; no local reference stays.
#include "ORVErrorDisplayToSwing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVSwingUtilities.h"

namespace {

ORVNLSMsgBldrRfHndlr Text(const char* iText, const char* iCatalog, const char* iKey) {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, iCatalog, iKey));
  return builder;
}

class ORVErrorDisplayToSwingTest : public testing::Test {
protected:
  void SetUp() override {
    _pEnv = StartJvm(RecorderClassPath());
    ReceivedCalls(_pEnv);
  }
  void TearDown() override { ORVSwingUtilities::SetJNIEnvVariable(nullptr); }

  JNIEnv* _pEnv = nullptr;
  ORVGlobalObjectCleaner _Cleaner;
};

}  // namespace

TEST_F(ORVErrorDisplayToSwingTest, EachTypeSendsTheTerminalTextToItsMethod) {
  ORVSwingUtilities::SetJNIEnvVariable(_pEnv);
  ORVErrorDisplayToSwing display;
  struct Case {
    int _Type;
    std::string _Expected;
  } cases[] = {
      {1, "DisplayCriticalError:Request\n#ERR# CAT - KEY: Diagnostic é\nAdvice\n\n"},
      {2,
       "DisplayFatalError:Request\n#ERR# FATAL ERROR CAT - KEY IN src/X.cpp AT LINE 7: "
       "Diagnostic é\nAdvice\n\n"},
      {3, "DisplayWarningError:Request\n!WNG! CAT - KEY: Diagnostic é\nAdvice\n\n"},
      {4, "DisplayInformationError:Request\nDiagnostic é\nAdvice\n\n"},
      {0, "DisplayInformationError:Request\nDiagnostic é\nAdvice\n\n"},
      {5, "DisplayInformationError:Request\nDiagnostic é\nAdvice\n\n"},
  };
  for (const Case& c : cases) {
    ORVError error("src/X.cpp", 7, Text("Request", "CAT", "KEY"), Text("Diagnostic é", "D", "K"),
                   Text("Advice", "A", "K"), (PEVErrorType)c._Type, PEV_E_FAIL);
    display.Display(error);
    EXPECT_EQ(ReceivedCalls(_pEnv), std::vector<std::string>{c._Expected}) << c._Type;
  }
}

TEST_F(ORVErrorDisplayToSwingTest, ManyErrorsLeaveNoLocalReference) {
  JniCallCounts counts;
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(_pEnv, counts));
  ORVErrorDisplayToSwing display;
  FailNextCalls(_pEnv, 1);
  testing::internal::CaptureStderr();
  for (int i = 0; i < 2000; ++i) {
    ORVError error("f", 1, Text("R", "C", "K"), Text("D", "C", "K"), Text("A", "C", "K"),
                   (PEVErrorType)(1 + i % 4), PEV_E_FAIL);
    display.Display(error);
  }
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(counts._CallsWithExceptionPending, 0);
  EXPECT_EQ(counts._LocalReferencesMade, 2 * 2000);
  EXPECT_EQ(counts._LocalReferencesDeleted, counts._LocalReferencesMade);
  EXPECT_EQ(ReceivedCalls(_pEnv).size(), 2000u);
}
