#include "ORVMappedCodeSet.h"

#include "ORVExtChars.h"
#include "ORVMappedCodeCmpCodeVal.h"
#include "ORVMappedCodeHashCodeVal.h"

ORV_META_OBJECT_DEFINE(ORVMappedCodeSet, PEVBaseUnknown)

ORVMappedCodeSet::ORVMappedCodeSet(int iTableSize)
    : _Table(*ORVMappedCodeHashCodeVal::GetGlobal(), *ORVMappedCodeCmpCodeVal::GetGlobal(),
             ORVDoNothingAtDelete, iTableSize) {}

ORVMappedCode* ORVMappedCodeSet::LookupMappedCodeOnCode(const ORVExtChars& iCode) const {
  return ORVCheckedCast<ORVMappedCode>(_Table.LookupOne(&iCode));
}

void ORVMappedCodeSet::AddMappedCode(ORVMappedCode& iCode) {
  _Table.Add(&iCode, ORVNotify);
}
