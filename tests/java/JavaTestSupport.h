// JavaTestSupport.h - a real JVM for the tests of the Java displays, the calls its
// receiver recorded, an environment that watches the displays' JNI calls, and children
// that run one scenario of this program (a process with a JVM cannot be forked).
#pragma once

#include <jni.h>

#include <string>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "ORVGlobalObjectCleaner.h"

// Class paths of the recording receiver and of a receiver without display methods.
std::string RecorderClassPath();
std::string WithoutMethodsClassPath();

// The process's JVM, started with iClassPath on the first call; later calls give the
// same environment, whatever their class path.
JNIEnv* StartJvm(const std::string& iClassPath);

// The calls the receiver recorded since the last look, each "Method:text" in UTF-8.
std::vector<std::string> ReceivedCalls(JNIEnv* iEnv);
// The receiver's next iCount calls throw once they have recorded their text.
void FailNextCalls(JNIEnv* iEnv, int iCount);

// What the displays did through a watching environment.
struct JniCallCounts {
  int _LocalReferencesMade = 0;
  int _LocalReferencesDeleted = 0;
  int _CallsWithExceptionPending = 0;  // JNI calls made while an exception was pending
};
// An environment that forwards to iEnv the JNI functions the displays use (and only
// those), counting into ioCounts.
JNIEnv* WatchingEnv(JNIEnv* iEnv, JniCallCounts& ioCounts);

// Registers a scenario: a body that a child process of this program runs alone.
struct JavaScenario {
  JavaScenario(const char* iName, void (*iBody)());
};
#define JAVA_SCENARIO(name)                                        \
  void name();                                                     \
  const JavaScenario name##Registration(#name, name); /* NOLINT */ \
  void name()

// Runs scenario iName in a new process of this program with the environment changes
// iEnvironment; its outputs and exit status.
ChildResult RunScenario(const std::string& iName,
                        const std::vector<std::pair<std::string, std::string>>& iEnvironment);
// For main: runs the scenario the environment names and exits; returns when none is.
void RunScenarioOfEnvironment();
