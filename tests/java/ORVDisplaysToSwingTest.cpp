// Tests of the Java message and error displays in a real JVM: what the receiver gets, and
// that every local reference a display makes is deleted again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToSwing.h"
#include "ORVMessageDisplayToSwing.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVSwingUtilities.h"

namespace {

class ORVDisplaysToSwingTest : public testing::Test {
protected:
  void SetUp() override {
    ReceivedCalls(_Env);
    ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(_Env, _Counts));
    testing::internal::CaptureStderr();  // what the receiver echoes or describes
  }
  void TearDown() override {
    ORVSwingUtilities::SetJNIEnvVariable(nullptr);
    EXPECT_EQ(_Counts._CallsWithExceptionPending, 0);
    EXPECT_EQ(_Counts._LocalReferencesDeleted, _Counts._LocalReferencesMade);
  }

  ORVGlobalObjectCleaner _Cleaner;
  JNIEnv* _Env = StartJvm();
  JniCallCounts _Counts;
};

ORVNLSMsgBldrRfHndlr Text(const char* iText) {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, "CAT", "KEY"));
  return builder;
}

TEST_F(ORVDisplaysToSwingTest, EachErrorTypeSendsTheTerminalTextToItsMethod) {
  const std::string lines = "Diagnostic é\nAdvice\n\n";
  const std::string expected[] = {
      "DisplayInformationError:Request\n" + lines,
      "DisplayCriticalError:Request\n#ERR# CAT - KEY: " + lines,
      "DisplayFatalError:Request\n#ERR# FATAL ERROR CAT - KEY IN src/X.cpp AT LINE 7: " + lines,
      "DisplayWarningError:Request\n!WNG! CAT - KEY: " + lines,
      "DisplayInformationError:Request\n" + lines,
      "DisplayInformationError:Request\n" + lines};
  for (int type = 0; type <= 5; ++type) {
    ORVError error("src/X.cpp", 7, Text("Request"), Text("Diagnostic é"), Text("Advice"),
                   (PEVErrorType)type, PEV_E_FAIL);
    ORVErrorDisplayToSwing().Display(error);
    EXPECT_EQ(ReceivedCalls(_Env), std::vector<std::string>{expected[type]}) << type;
  }
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(_Counts._LocalReferencesMade, 2 * 6);
}

// Outside the basic plane a character is two UTF-16 units; the receiver throws at the
// first call, refused, which must not poison the next ones.
TEST_F(ORVDisplaysToSwingTest, EachMessageArrivesWholeAndLeavesNothingBehind) {
  std::vector<std::string> texts = {"refused", "",        "two\nlines",
                                    "é ≠ €",   "a 😀 b 𝄞", std::string(100000, 'x') + "😀"};
  texts.resize(texts.size() + 1000, "a long listing");
  std::vector<std::string> expected;
  for (const std::string& text : texts) {
    ORVMessageDisplayToSwing().Display(PEVUnicodeString(text.c_str(), (int)text.size()), 1);
    expected.push_back("DisplayMessage:" + text);
  }
  EXPECT_THAT(testing::internal::GetCapturedStderr(),
              testing::HasSubstr("IllegalStateException: the front end refused DisplayMessage"));
  EXPECT_EQ(ReceivedCalls(_Env), expected);
  EXPECT_EQ(_Counts._LocalReferencesMade, 2 * (int)expected.size());  // the class, the text
}

}  // namespace
