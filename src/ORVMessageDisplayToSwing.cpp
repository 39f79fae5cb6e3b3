#include "ORVMessageDisplayToSwing.h"

#include "ORVFatal.h"
#include "ORVSwingJni.h"
#include "ORVSwingUtilities.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToSwing, ORVMessageDisplay)

void ORVMessageDisplayToSwing::Display(const PEVUnicodeString& iText, unsigned int) {
  JNIEnv* env = ORVSwingUtilities::GetJNIEnvVariable();
  ORVJniRecordingClass recorder(env);
  if (!recorder.Get())
    ORV_FATAL("Unable to find recording class 'ORVCMJSERVICES_PACKAGE ORVJniError'.");
  jmethodID method = recorder.FindMethod("DisplayMessage");
  if (!method) ORV_FATAL("Unable to find recording method 'ORVError.DisplayMessage'.");
  recorder.Call(method, iText);
}

long ORVMessageDisplayToSwing::GetDisplayError(PEVError*& oError, unsigned int) {
  oError = nullptr;
  return 0;
}
