// Tests of the Java message display in a real JVM: texts arrive whole as UTF-16, one
// call each; a throwing receiver does not poison later calls; no local reference stays.
#include "ORVMessageDisplayToSwing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JavaTestSupport.h"
#include "ORVSwingUtilities.h"

namespace {

class ORVMessageDisplayToSwingTest : public testing::Test {
protected:
  void SetUp() override {
    _pEnv = StartJvm(RecorderClassPath());
    ReceivedCalls(_pEnv);  // what earlier tests left
  }
  void TearDown() override { ORVSwingUtilities::SetJNIEnvVariable(nullptr); }

  JNIEnv* _pEnv = nullptr;
  ORVGlobalObjectCleaner _Cleaner;
};

}  // namespace

TEST_F(ORVMessageDisplayToSwingTest, EachTextArrivesWholeAsOneCall) {
  ORVSwingUtilities::SetJNIEnvVariable(_pEnv);
  ORVMessageDisplayToSwing display;
  // Outside the basic plane a character is two UTF-16 units: a count of characters
  // instead of units would cut the last one.
  std::vector<std::string> texts = {"Hello", "",        "two\nlines",
                                    "é ≠ €", "a 😀 b 𝄞", std::string(100000, 'x') + "😀"};
  std::vector<std::string> expected;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    display.Display(PEVUnicodeString(texts[i].c_str(), (int)texts[i].size()), i % 2);
    expected.push_back("DisplayMessage:" + texts[i]);
  }
  EXPECT_EQ(ReceivedCalls(_pEnv), expected);
}

TEST_F(ORVMessageDisplayToSwingTest, AThrowingReceiverIsDescribedAndTheNextCallsArrive) {
  JniCallCounts counts;
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(_pEnv, counts));
  ORVMessageDisplayToSwing display;
  FailNextCalls(_pEnv, 2);
  testing::internal::CaptureStderr();
  for (const char* text : {"one", "two", "three"})
    display.Display(text, 1);
  std::string described = testing::internal::GetCapturedStderr();
  EXPECT_EQ(counts._CallsWithExceptionPending, 0);
  EXPECT_EQ(ReceivedCalls(_pEnv),
            (std::vector<std::string>{"DisplayMessage:one", "DisplayMessage:two",
                                      "DisplayMessage:three"}));
  EXPECT_NE(described.find("IllegalStateException: the front end refused DisplayMessage"),
            std::string::npos)
      << described;
}

TEST_F(ORVMessageDisplayToSwingTest, ALongListingLeavesNoLocalReference) {
  JniCallCounts counts;
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(_pEnv, counts));
  ORVMessageDisplayToSwing display;
  for (int i = 0; i < 5000; ++i)
    display.Display("line", 1);
  EXPECT_EQ(counts._LocalReferencesMade, 2 * 5000);  // the class and the text of each call
  EXPECT_EQ(counts._LocalReferencesDeleted, counts._LocalReferencesMade);
  EXPECT_EQ(ReceivedCalls(_pEnv).size(), 5000u);
}
