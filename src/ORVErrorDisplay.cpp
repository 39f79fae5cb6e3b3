#include "ORVErrorDisplay.h"

#include "ORVError.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVErrorDisplay, PEVBaseUnknown)

ORVErrorDisplay* ORVErrorDisplay::_pGlobalErrorDisplay = nullptr;

ORVErrorDisplay::~ORVErrorDisplay() {
  ORVForgetGlobal(_pGlobalErrorDisplay, this);
}

void ORVErrorDisplay::DisplayAndCleanLastError(long iCode) {
  PEVError* error = ORVError::GetOrMakeLastError(iCode);
  if (error) {
    Display(*error);
    error->Release();
  }
  PEVError::PEVCleanLastError();
}

ORVErrorDisplay* ORVErrorDisplay::GetGlobal() {
  if (!_pGlobalErrorDisplay) ORV_FATAL("A global object displayer should have been set");
  return _pGlobalErrorDisplay;
}

void ORVErrorDisplay::SetGlobal(ORVErrorDisplay& iDisplay) {
  _pGlobalErrorDisplay = &iDisplay;
}
