#include "ORVSwingUtilities.h"

#include "ORVErrorDisplayToSwing.h"
#include "ORVFatal.h"
#include "ORVFatalErrorDisplayToSwing.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplayToSwing.h"

JNIEnv* ORVSwingUtilities::_pJNIEnv = nullptr;

void ORVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing() {
  _pJNIEnv = nullptr;
  auto* messageDisplay = new ORVMessageDisplayToSwing();
  auto* errorDisplay = new ORVErrorDisplayToSwing();
  auto* fatalErrorDisplay = new ORVFatalErrorDisplayToSwing();
  ORVGlobalObjectCleaner::Add(messageDisplay);
  ORVGlobalObjectCleaner::Add(errorDisplay);
  ORVGlobalObjectCleaner::Add(fatalErrorDisplay);
  ORVMessageDisplay::SetGlobal(*messageDisplay);
  ORVErrorDisplay::SetGlobal(*errorDisplay);
  ORVFatalErrorDisplay::SetGlobal(*fatalErrorDisplay);
}

void ORVSwingUtilities::SetJNIEnvVariable(JNIEnv* iEnv) {
  _pJNIEnv = iEnv;
}

JNIEnv* ORVSwingUtilities::GetJNIEnvVariable() {
  if (!_pJNIEnv) ORV_FATAL("JNI Environment pointer is not initialized.");
  return _pJNIEnv;
}

JNIEnv* ORVSwingUtilities::FindJNIEnvVariable() {
  return _pJNIEnv;
}
