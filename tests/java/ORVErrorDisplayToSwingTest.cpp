// Tests of the Java error display in a real JVM.
#include "ORVErrorDisplayToSwing.h"

#include <gtest/gtest.h>

#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVSwingUtilities.h"

namespace {

ORVNLSMsgBldrRfHndlr Text(const char* iText) {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, "CAT", "KEY"));
  return builder;
}

}  // namespace

TEST(ORVErrorDisplayToSwing, EachTypeSendsTheTerminalTextToItsMethod) {
  ORVGlobalObjectCleaner cleaner;
  JNIEnv* env = StartJvm();
  ReceivedCalls(env);
  JniCallCounts counts;
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(env, counts));
  const std::string lines = "Diagnostic é\nAdvice\n\n";
  const std::string expected[] = {
      "DisplayInformationError:Request\n" + lines,
      "DisplayCriticalError:Request\n#ERR# CAT - KEY: " + lines,
      "DisplayFatalError:Request\n#ERR# FATAL ERROR CAT - KEY IN src/X.cpp AT LINE 7: " + lines,
      "DisplayWarningError:Request\n!WNG! CAT - KEY: " + lines,
      "DisplayInformationError:Request\n" + lines,
      "DisplayInformationError:Request\n" + lines};
  testing::internal::CaptureStderr();  // what the receiver's fatal method echoes
  for (int type = 0; type <= 5; ++type) {
    ORVError error("src/X.cpp", 7, Text("Request"), Text("Diagnostic é"), Text("Advice"),
                   (PEVErrorType)type, PEV_E_FAIL);
    ORVErrorDisplayToSwing().Display(error);
    EXPECT_EQ(ReceivedCalls(env), std::vector<std::string>{expected[type]}) << type;
  }
  testing::internal::GetCapturedStderr();
  ORVSwingUtilities::SetJNIEnvVariable(nullptr);
  EXPECT_EQ(counts._LocalReferencesMade, 2 * 6);
  EXPECT_EQ(counts._LocalReferencesDeleted, counts._LocalReferencesMade);
}
