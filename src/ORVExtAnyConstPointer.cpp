#include "ORVExtAnyConstPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyConstPointer, ORVExtConstPointer)

ORVExtAnyConstPointer::ORVExtAnyConstPointer() : _pPointer(nullptr) {
  SetToDbNull();
}

ORVExtAnyConstPointer::ORVExtAnyConstPointer(const PEVBaseUnknown* iPointer) : _pPointer(nullptr) {
  SetConstPointer(iPointer);
}

ORVExtAnyConstPointer::ORVExtAnyConstPointer(const ORVExtPointer& iOther) : _pPointer(nullptr) {
  SetExtConstPointer(iOther);
}

ORVExtAnyConstPointer::ORVExtAnyConstPointer(const ORVExtAnyConstPointer& iOther)
    : ORVExtConstPointer(), _pPointer(nullptr) {
  SetExtConstPointer(iOther);
}

ORVExtAnyConstPointer& ORVExtAnyConstPointer::operator=(const ORVExtAnyConstPointer& iOther) {
  SetExtConstPointer(iOther);
  return *this;
}

unsigned int ORVExtAnyConstPointer::IsDbNull() const {
  return _pPointer == nullptr;
}

const PEVBaseUnknown* ORVExtAnyConstPointer::GetConstPointer() const {
  return _pPointer;
}

const PEVBaseUnknown& ORVExtAnyConstPointer::GetConstRef() const {
  CheckIsNotDbNull();
  return *_pPointer;
}

void ORVExtAnyConstPointer::SetToDbNull() {
  _pPointer = nullptr;
}

void ORVExtAnyConstPointer::SetConstPointer(const PEVBaseUnknown* iPointer) {
  _pPointer = iPointer;
}

void ORVExtAnyConstPointer::SetExtConstPointer(const ORVExtPointer& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetConstPointer(&iOther.GetConstRef());
}
