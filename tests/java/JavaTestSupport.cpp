// The support of the Java display tests, and the program's main.
#include "JavaTestSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>

#include "SuiteHelpers.h"

namespace {

const char kScenarioVariable[] = "ORV_JAVA_TEST_SCENARIO";

std::map<std::string, void (*)()>& Scenarios() {
  static std::map<std::string, void (*)()> scenarios;
  return scenarios;
}

// Calls the receiver's static method iName of signature iSignature.
jobject CallRecorder(JNIEnv* iEnv, const char* iName, const char* iSignature, jint iArgument) {
  jclass recorder = iEnv->FindClass("com/marvolt/tovakconfigmanagement/orvcmjservices/ORVJniError");
  jmethodID method = recorder ? iEnv->GetStaticMethodID(recorder, iName, iSignature) : nullptr;
  jobject result = nullptr;
  if (method && iSignature[strlen(iSignature) - 1] == 'V')
    iEnv->CallStaticVoidMethod(recorder, method, iArgument);
  else if (method)
    result = iEnv->CallStaticObjectMethod(recorder, method);
  if (iEnv->ExceptionCheck() || !method) {
    iEnv->ExceptionClear();
    ADD_FAILURE() << "the receiver did not answer " << iName;
  }
  if (recorder) iEnv->DeleteLocalRef(recorder);
  return result;
}

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
  auto text = (jstring)CallRecorder(iEnv, "Received", "()Ljava/lang/String;", 0);
  if (!text) return {};
  const jchar* units = iEnv->GetStringChars(text, nullptr);
  std::string all = Utf8(PEVUnicodeString((const char16_t*)units, iEnv->GetStringLength(text)));
  iEnv->ReleaseStringChars(text, units);
  iEnv->DeleteLocalRef(text);
  std::vector<std::string> calls;
  for (std::size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos;
       start = end + 1)
    calls.push_back(all.substr(start, end - start));
  return calls;
}

void FailNextCalls(JNIEnv* iEnv, int iCount) {
  CallRecorder(iEnv, "FailNextCalls", "(I)V", iCount);
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

JavaScenario::JavaScenario(const char* iName, void (*iBody)()) {
  Scenarios()[iName] = iBody;
}

ChildResult RunScenario(const std::string& iName,
                        std::vector<std::pair<std::string, const char*>> iEnvironment) {
  iEnvironment.emplace_back(kScenarioVariable, iName.c_str());
  // The forked child only starts the program again: it never calls the JVM.
  return RunInChild([] { execl("/proc/self/exe", "ORVJavaTests", (char*)nullptr); }, iEnvironment);
}

// For the leak check of a sanitizer build: the JVM and its zip library keep what they
// allocate (class data, compiled code, the jar's inflater) until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libjvm.so\nleak:libzip.so\nleak:libz.so\n";
}

// The tests, or, in a child that RunScenario started, the scenario alone.
int main(int argc, char** argv) {
  if (const char* name = getenv(kScenarioVariable)) {
    auto scenario = Scenarios().find(name);
    if (scenario != Scenarios().end()) scenario->second();
    _exit(scenario != Scenarios().end() ? 0 : 2);
  }
  testing::InitGoogleTest(&argc, argv);
  // A process with a JVM cannot be forked: death tests start this program again.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
