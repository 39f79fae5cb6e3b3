#include "ORVMergingModes.h"

#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVMergingModes, PEVBaseUnknown)

ORVMergingModes* ORVMergingModes::_pGlobal = nullptr;

ORVMergingModes::ORVMergingModes() : _MergingModesSet(ORVDoNothingAtDelete) {}

ORVMergingModes::~ORVMergingModes() {
  ORVForgetGlobal(_pGlobal, this);
}

void ORVMergingModes::SetMergingModesSet(ORVVector& iModes) {
  _MergingModesSet = iModes;
  // The vector's assignment takes iModes' disposal too: the elements stay the caller's.
  _MergingModesSet.SetWhatToDoAtDelete(ORVDoNothingAtDelete);
}

ORVMergingModes* ORVMergingModes::GetGlobal() {
  return ORVMakeGlobal<ORVMergingModes>(_pGlobal);
}
