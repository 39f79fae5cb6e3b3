// JavaTestSupport.h - a real JVM for the tests of the Java displays, the calls its
// receiver recorded, an environment that watches the displays' JNI calls, and scenarios
// run by a new process of this program (a process with a JVM cannot fork and go on).
#pragma once

#include <jni.h>

#include <string>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "ORVGlobalObjectCleaner.h"

// The process's JVM, started on the first call with the jar of the recording receiver,
// or of a receiver without display methods, or with no receiver (iClassPath).
JNIEnv* StartJvm(const std::string& iClassPath = ORV_RECORDER_JAR);

// The calls the receiver recorded since the last look, each "Method:text" in UTF-8. The
// receiver throws at a call of the text "refused" once it has recorded it.
std::vector<std::string> ReceivedCalls(JNIEnv* iEnv);

struct JniCallCounts {
  int _LocalReferencesMade = 0;
  int _LocalReferencesDeleted = 0;
  int _CallsWithExceptionPending = 0;
};
// An environment forwarding to iEnv only the JNI functions the displays use, counting.
JNIEnv* WatchingEnv(JNIEnv* iEnv, JniCallCounts& ioCounts);

// A scenario is a body that a new process of this program runs alone (main looks for
// one first); RunScenario gives its outputs and exit status.
struct JavaScenario {
  JavaScenario(const char* iName, void (*iBody)());
};
#define JAVA_SCENARIO(name)                       \
  void name();                                    \
  const JavaScenario name##Scenario(#name, name); \
  void name()
ChildResult RunScenario(const std::string& iName,
                        std::vector<std::pair<std::string, const char*>> iEnvironment);
