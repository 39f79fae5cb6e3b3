#include "ORVSearchOnFamily.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVSearchOnFamily, ORVObjWithFamily)

ORVSearchOnFamily::ORVSearchOnFamily(const ORVMappedCode& iFamily) : _pFamily(&iFamily) {}

const ORVMappedCode& ORVSearchOnFamily::GetFamily() const {
  if (!_pFamily) ORV_FATAL("_pFamily == NULL");
  return *_pFamily;
}

void ORVSearchOnFamily::SetFamily(const ORVMappedCode& iFamily) {
  _pFamily = &iFamily;
}
