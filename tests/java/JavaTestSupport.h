// JavaTestSupport.h - a real JVM for the tests of the Java displays, the calls its
// receiver recorded, and an environment that watches the displays' JNI calls.
#pragma once

#include <jni.h>

#include <string>
#include <vector>

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
