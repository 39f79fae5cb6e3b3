#include "ORVMessageDisplay.h"

#include "ORVFatal.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplay, PEVBaseUnknown)

ORVMessageDisplay* ORVMessageDisplay::_pGlobalMessageDisplay = nullptr;

ORVMessageDisplay::~ORVMessageDisplay() {
  ORVForgetGlobal(_pGlobalMessageDisplay, this);
}

ORVMessageDisplay* ORVMessageDisplay::GetGlobal() {
  if (!_pGlobalMessageDisplay) ORV_FATAL("A global object displayer should have been set");
  return _pGlobalMessageDisplay;
}

void ORVMessageDisplay::SetGlobal(ORVMessageDisplay& iDisplay) {
  _pGlobalMessageDisplay = &iDisplay;
}
