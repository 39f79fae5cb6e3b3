// The support of the Java display tests, and the program's main.
#include "JavaTestSupport.h"

#include <cstdlib>
#include <sstream>

#include "SuiteHelpers.h"

namespace {

JNIEnv* watched = nullptr;
JniCallCounts* counts = nullptr;

// The watched environment, once a call made with an exception pending is counted.
JNIEnv* Watched() {
  counts->_CallsWithExceptionPending += watched->ExceptionCheck();
  return watched;
}
template <class Result>
Result Made(Result iReference) {
  counts->_LocalReferencesMade += iReference != nullptr;
  return iReference;
}

}  // namespace

JNIEnv* StartJvm(const std::string& iClassPath) {
  static JNIEnv* env = nullptr;
  if (env) return env;
  std::string classPath = "-Djava.class.path=" + iClassPath;
  JavaVMOption options[] = {{&classPath[0], nullptr}, {const_cast<char*>("-Xcheck:jni"), nullptr}};
  JavaVMInitArgs arguments{JNI_VERSION_1_8, 2, options, JNI_FALSE};
  JavaVM* jvm = nullptr;
  if (JNI_CreateJavaVM(&jvm, (void**)&env, &arguments) != JNI_OK) abort();
  return env;
}

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

JNIEnv* WatchingEnv(JNIEnv* iEnv, JniCallCounts& ioCounts) {
  // Every other function is null: a display calling one fails loudly.
  static JNINativeInterface_ functions{};
  static JNIEnv_ env{&functions};
  watched = iEnv;
  counts = &ioCounts;
  functions.FindClass = [](JNIEnv*, const char* iName) {
    return Made(Watched()->FindClass(iName));
  };
  functions.ExceptionCheck = [](JNIEnv*) { return watched->ExceptionCheck(); };
  functions.ExceptionDescribe = [](JNIEnv*) { watched->ExceptionDescribe(); };
  functions.ExceptionClear = [](JNIEnv*) { watched->ExceptionClear(); };
  functions.DeleteLocalRef = [](JNIEnv*, jobject iReference) {
    counts->_LocalReferencesDeleted += iReference != nullptr;
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

// For the leak check of a sanitizer build: the JVM and its zip library keep what they
// allocate (class data, compiled code, the jar's inflater) until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libjvm.so\nleak:libzip.so\nleak:libz.so\n";
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // A process with a JVM cannot be forked: death tests start this program again.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
