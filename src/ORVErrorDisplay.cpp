#include "ORVErrorDisplay.h"

#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "ORVLastError.h"

ORV_META_OBJECT_DEFINE(ORVErrorDisplay, PEVBaseUnknown)

ORVErrorDisplay* ORVErrorDisplay::_pGlobalErrorDisplay = nullptr;

ORVErrorDisplay::~ORVErrorDisplay() {
  ORVForgetGlobal(_pGlobalErrorDisplay, this);
}

void ORVErrorDisplay::DisplayAndCleanLastError(long iCode) {
  ORVUseAndCleanLastError(iCode, [this](PEVError& iError) { Display(iError); });
}

ORVErrorDisplay* ORVErrorDisplay::GetGlobal() {
  if (!_pGlobalErrorDisplay) ORV_FATAL("A global object displayer should have been set");
  return _pGlobalErrorDisplay;
}

void ORVErrorDisplay::SetGlobal(ORVErrorDisplay& iDisplay) {
  _pGlobalErrorDisplay = &iDisplay;
}
