// JavaTestSupport.h - the real JVM of the tests of the Java displays.
#pragma once

#include <jni.h>

#include <string>

// The process's JVM, started on the first call with the jar of the recording receiver,
// or of a receiver without display methods, or with no receiver (iClassPath).
JNIEnv* StartJvm(const std::string& iClassPath = ORV_RECORDER_JAR);
