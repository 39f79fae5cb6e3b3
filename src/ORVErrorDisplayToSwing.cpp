#include "ORVErrorDisplayToSwing.h"

#include "ORVErrorDisplayText.h"
#include "ORVFatal.h"
#include "ORVSwingJni.h"
#include "ORVSwingUtilities.h"
#include "PEVError.h"

ORV_META_OBJECT_DEFINE(ORVErrorDisplayToSwing, ORVErrorDisplay)

void ORVErrorDisplayToSwing::Display(PEVError& iError) {
  PEVUnicodeString text;
  BuildMsgTxt(iError, text);
  JNIEnv* env = ORVSwingUtilities::GetJNIEnvVariable();
  ORVJniRecordingClass recorder(env);
  if (!recorder.Get())
    ORV_FATAL("Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError'.");
  jmethodID method = nullptr;
  switch (iError.GetInformationOnErrorType()) {
    case PEVErrorTypeCritical:
      method = recorder.FindMethod("DisplayCriticalError");
      if (!method) ORV_FATAL("Unable to find recording method 'ORVError.DisplayCriticalError'.");
      break;
    case PEVErrorTypeFatal:
      method = recorder.FindMethod("DisplayFatalError");
      if (!method) ORV_FATAL("Unable to find recording method 'ORVError.DisplayFatalError'.");
      break;
    case PEVErrorTypeWarning:
      method = recorder.FindMethod("DisplayWarningError");
      if (!method) ORV_FATAL("Unable to find recording method 'ORVError.DisplayWarningError'.");
      break;
    default:  // information, and any other type as the terminal shows it
      method = recorder.FindMethod("DisplayInformationError");
      if (!method) ORV_FATAL("Unable to find recording method 'ORVError.DisplayInformationError'.");
      break;
  }
  recorder.Call(method, text);
}

void ORVErrorDisplayToSwing::BuildMsgTxt(PEVError& iError, PEVUnicodeString& oText) {
  ORVBuildErrorDisplayText(iError, oText);
}
