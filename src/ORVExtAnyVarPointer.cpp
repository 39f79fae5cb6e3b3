#include "ORVExtAnyVarPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyVarPointer, ORVExtVarPointer)

ORVExtAnyVarPointer::ORVExtAnyVarPointer() : _pPointer(nullptr) {
  SetToDbNull();
}

ORVExtAnyVarPointer::ORVExtAnyVarPointer(PEVBaseUnknown* iPointer) : _pPointer(nullptr) {
  SetVarPointer(iPointer);
}

ORVExtAnyVarPointer::ORVExtAnyVarPointer(const ORVExtVarPointer& iOther) : _pPointer(nullptr) {
  SetExtVarPointer(iOther);
}

ORVExtAnyVarPointer::ORVExtAnyVarPointer(const ORVExtAnyVarPointer& iOther)
    : ORVExtVarPointer(), _pPointer(nullptr) {
  SetExtVarPointer(iOther);
}

ORVExtAnyVarPointer& ORVExtAnyVarPointer::operator=(const ORVExtAnyVarPointer& iOther) {
  SetExtVarPointer(iOther);
  return *this;
}

unsigned int ORVExtAnyVarPointer::IsDbNull() const {
  return _pPointer == nullptr;
}

const PEVBaseUnknown* ORVExtAnyVarPointer::GetConstPointer() const {
  return _pPointer;
}

const PEVBaseUnknown& ORVExtAnyVarPointer::GetConstRef() const {
  CheckIsNotDbNull();
  return *_pPointer;
}

PEVBaseUnknown* ORVExtAnyVarPointer::GetVarPointer() const {
  return _pPointer;
}

PEVBaseUnknown& ORVExtAnyVarPointer::GetVarRef() const {
  CheckIsNotDbNull();
  return *_pPointer;
}

void ORVExtAnyVarPointer::SetToDbNull() {
  _pPointer = nullptr;
}

void ORVExtAnyVarPointer::SetVarPointer(PEVBaseUnknown* iPointer) {
  _pPointer = iPointer;
}

void ORVExtAnyVarPointer::SetExtVarPointer(const ORVExtVarPointer& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetVarPointer(&iOther.GetVarRef());
}
