#include "ORVSearchOnFamilyAndName.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVSearchOnFamilyAndName, ORVFamilyAndName)

ORVSearchOnFamilyAndName::ORVSearchOnFamilyAndName(const ORVMappedCode& iFamily,
                                                   const ORVString& iName)
    : _pFamily(&iFamily), _Name(iName) {}

const ORVMappedCode& ORVSearchOnFamilyAndName::GetFamily() const {
  if (!_pFamily) ORV_FATAL("_pFamily == NULL");
  return *_pFamily;
}

const ORVString& ORVSearchOnFamilyAndName::GetName() const {
  return _Name;
}

void ORVSearchOnFamilyAndName::SetFamily(const ORVMappedCode& iFamily) {
  _pFamily = &iFamily;
}

void ORVSearchOnFamilyAndName::SetName(const ORVString& iName) {
  _Name = iName;
}
