#include "ORVUUIDCalculator.h"

#include "ORVCBUUID.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVUUIDCalculator, PEVBaseUnknown)

ORVUUIDCalculator* ORVUUIDCalculator::_pGlobalCalculator = nullptr;

ORVUUIDCalculator::~ORVUUIDCalculator() {
  ORVForgetGlobal(_pGlobalCalculator, this);
}

ORVString ORVUUIDCalculator::Get() {
  // uuid_gen's buffer is overwritten by the next call: the string copies it.
  return ORVString(uuid_gen());
}

ORVUUIDCalculator* ORVUUIDCalculator::GetGlobal() {
  return ORVMakeGlobal<ORVUUIDCalculator>(_pGlobalCalculator);
}

void ORVUUIDCalculator::SetGlobal(ORVUUIDCalculator& iCalculator) {
  if (_pGlobalCalculator) ORV_FATAL("A global calculator has already been set");
  // The library's own reference, released by the cleaner: the global never dangles
  // while the caller lets go of its calculator.
  iCalculator.AddRef();
  ORVGlobalObjectCleaner::Add(&iCalculator);
  _pGlobalCalculator = &iCalculator;
}
