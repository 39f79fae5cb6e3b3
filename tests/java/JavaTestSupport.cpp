// The real JVM of the Java display tests, and the program's main.
#include "JavaTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

// For the leak check of a sanitizer build: the JVM and its zip library keep what they
// allocate (class data, compiled code, the jar's inflater) until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libjvm.so\nleak:libzip.so\nleak:libz.so\n";
}

int main(int argc, char** argv) {
  // A death test's child inherits its parent's report directory; anyone else's ORV_TMP
  // must not be taken for it.
  if (!std::any_of(argv, argv + argc, [](const char* iArgument) {
        return strstr(iArgument, "--gtest_internal_run_death_test") == iArgument;
      }))
    unsetenv("ORV_TMP");
  testing::InitGoogleTest(&argc, argv);
  // A process with a JVM cannot be forked: death tests start this program again.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
