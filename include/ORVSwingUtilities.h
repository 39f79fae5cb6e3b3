// ORVSwingUtilities.h - installs the Java displays and keeps the JNI environment they use.
//
// A client whose user interface is Java calls MakeAndSetAsGlobalDisplayToSwing, then
// SetJNIEnvVariable with the environment of the thread that uses the library. The
// displays send their texts to static methods of the Java class
// com.marvolt.tovakconfigmanagement.orvcmjservices.ORVJniError. The environment is a
// plain process-wide pointer, valid only on the thread it belongs to. No instances.
#pragma once

#include "ORVExport.h"

// As jni.h declares it for C++, so that this header needs no JDK.
struct JNIEnv_;
typedef JNIEnv_ JNIEnv;

class ORV_EXPORT ORVSwingUtilities {
public:
  ORVSwingUtilities() = delete;

  // Forgets the environment, then makes the Java message, error and fatal-error
  // displays, registers them with the global object cleaner in that order and makes
  // them the global displays.
  static void MakeAndSetAsGlobalDisplayToSwing();
  static void SetJNIEnvVariable(JNIEnv* iEnv);
  // The stored environment; none is the fatal internal error
  // "JNI Environment pointer is not initialized."
  static JNIEnv* GetJNIEnvVariable();
  // The stored environment, or null: for a display that must not end the process.
  static JNIEnv* FindJNIEnvVariable();

private:
  static JNIEnv* _pJNIEnv;
};
