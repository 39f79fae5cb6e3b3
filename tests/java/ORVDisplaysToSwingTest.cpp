// Tests of the Java message and error displays in a real JVM: what the receiver gets, and
// that every local reference a display makes is deleted again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "JavaTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToSwing.h"
#include "ORVMessageDisplayToSwing.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVSwingUtilities.h"
#include "SuiteHelpers.h"

namespace {

JNIEnv* watched = nullptr;
// What the displays did through the watching environment.
int made = 0, deleted = 0, callsWithExceptionPending = 0;

// The watched environment, once a call made with an exception pending is counted.
JNIEnv* Watched() {
  callsWithExceptionPending += watched->ExceptionCheck();
  return watched;
}
template <class Result>
Result Made(Result iReference) {
  made += iReference != nullptr;
  return iReference;
}

// An environment forwarding to iEnv only the JNI functions the displays use, counting.
// Every other function is null: a display calling one fails loudly.
JNIEnv* WatchingEnv(JNIEnv* iEnv) {
  static JNINativeInterface_ functions{};
  static JNIEnv_ env{&functions};
  watched = iEnv;
  made = deleted = callsWithExceptionPending = 0;
  functions.FindClass = [](JNIEnv*, const char* iName) {
    return Made(Watched()->FindClass(iName));
  };
  functions.ExceptionCheck = [](JNIEnv*) { return watched->ExceptionCheck(); };
  functions.ExceptionDescribe = [](JNIEnv*) { watched->ExceptionDescribe(); };
  functions.ExceptionClear = [](JNIEnv*) { watched->ExceptionClear(); };
  functions.DeleteLocalRef = [](JNIEnv*, jobject iReference) {
    deleted += iReference != nullptr;
    Watched()->DeleteLocalRef(iReference);
  };
  functions.GetStaticMethodID = [](JNIEnv*, jclass iClass, const char* iName, const char* iSig) {
    return Watched()->GetStaticMethodID(iClass, iName, iSig);
  };
  functions.NewString = [](JNIEnv*, const jchar* iUnits, jsize iCount) {
    return Made(Watched()->NewString(iUnits, iCount));
  };
  functions.CallStaticVoidMethodV = [](JNIEnv*, jclass iClass, jmethodID iMethod, va_list iArgs) {
    Watched()->CallStaticVoidMethodV(iClass, iMethod, iArgs);
  };
  return &env;
}

// The calls the receiver recorded since the last look, each "Method:text" in UTF-8. The
// receiver throws at a call of the text "refused" once it has recorded it.
std::vector<std::string> ReceivedCalls(JNIEnv* iEnv) {
  jclass recorder = iEnv->FindClass("com/marvolt/tovakconfigmanagement/orvcmjservices/ORVJniError");
  jmethodID method = iEnv->GetStaticMethodID(recorder, "Received", "()Ljava/lang/String;");
  auto text = (jstring)iEnv->CallStaticObjectMethod(recorder, method);
  const jchar* units = iEnv->GetStringChars(text, nullptr);
  std::istringstream all(
      Utf8(PEVUnicodeString((const char16_t*)units, iEnv->GetStringLength(text))));
  iEnv->ReleaseStringChars(text, units);
  iEnv->DeleteLocalRef(text);
  iEnv->DeleteLocalRef(recorder);
  std::vector<std::string> calls;
  for (std::string call; std::getline(all, call, '\0');)
    calls.push_back(call);
  return calls;
}

ORVNLSMsgBldrRfHndlr Text(const char* iText) {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, "CAT", "KEY"));
  return builder;
}

// Outside the basic plane a character is two UTF-16 units; the receiver throws at the
// first message, refused, which must not poison the next ones.
TEST(ORVDisplaysToSwing, EachErrorAndMessageArrivesWholeAtItsMethodAndLeavesNothingBehind) {
  ORVGlobalObjectCleaner cleaner;
  JNIEnv* env = StartJvm();
  ReceivedCalls(env);
  ORVSwingUtilities::SetJNIEnvVariable(WatchingEnv(env));
  testing::internal::CaptureStderr();  // what the receiver echoes or describes
  const std::string lines = "Diagnostic é\nAdvice\n\n";
  std::vector<std::string> expected = {
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
  }
  std::vector<std::string> texts = {"refused", "",        "two\nlines",
                                    "é ≠ €",   "a 😀 b 𝄞", std::string(100000, 'x') + "😀"};
  texts.resize(texts.size() + 1000, "a long listing");
  for (const std::string& text : texts) {
    ORVMessageDisplayToSwing().Display(PEVUnicodeString(text.c_str(), (int)text.size()), 1);
    expected.push_back("DisplayMessage:" + text);
  }
  EXPECT_THAT(testing::internal::GetCapturedStderr(),
              testing::HasSubstr("IllegalStateException: the front end refused DisplayMessage"));
  ORVSwingUtilities::SetJNIEnvVariable(nullptr);
  EXPECT_EQ(ReceivedCalls(env), expected);
  EXPECT_EQ(made, 2 * (int)expected.size());  // the class, the text
  EXPECT_EQ(deleted, made);
  EXPECT_EQ(callsWithExceptionPending, 0);
}

}  // namespace
