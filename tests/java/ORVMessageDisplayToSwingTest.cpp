// Tests of the Java message display in a real JVM.
#include "ORVMessageDisplayToSwing.h"

#include <gtest/gtest.h>

#include "JavaTestSupport.h"
#include "ORVSwingUtilities.h"

TEST(ORVMessageDisplayToSwing, EachTextArrivesWholeAndLeavesNothingBehind) {
  ORVGlobalObjectCleaner cleaner;
  JNIEnv* env = StartJvm();
  ReceivedCalls(env);
  JniCallCounts counts;
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(env, counts));
  // Outside the basic plane a character is two UTF-16 units; the receiver throws at the
  // first call, which must not poison the next ones.
  std::vector<std::string> texts = {"refused", "",        "two\nlines",
                                    "é ≠ €",   "a 😀 b 𝄞", std::string(100000, 'x') + "😀"};
  std::vector<std::string> expected;
  FailNextCalls(env, 1);
  testing::internal::CaptureStderr();
  for (int i = 0; i < 1000; ++i)
    texts.push_back("a long listing");
  for (const std::string& text : texts) {
    ORVMessageDisplayToSwing().Display(PEVUnicodeString(text.c_str(), (int)text.size()), 1);
    expected.push_back("DisplayMessage:" + text);
  }
  std::string described = testing::internal::GetCapturedStderr();
  ORVSwingUtilities::SetJNIEnvVariable(nullptr);
  EXPECT_EQ(ReceivedCalls(env), expected);
  EXPECT_NE(described.find("IllegalStateException: the front end refused DisplayMessage"),
            std::string::npos)
      << described;
  EXPECT_EQ(counts._CallsWithExceptionPending, 0);
  EXPECT_EQ(counts._LocalReferencesMade, 2 * (int)expected.size());  // the class, the text
  EXPECT_EQ(counts._LocalReferencesDeleted, counts._LocalReferencesMade);
}
