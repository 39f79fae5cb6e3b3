#include "ORVExtAnyChars.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyChars, ORVExtChars)

ORVExtAnyChars::ORVExtAnyChars() : _pChars(nullptr) {
  SetToDbNull();
}

ORVExtAnyChars::ORVExtAnyChars(const char* iChars) : _pChars(nullptr) {
  SetChars(iChars);
}

ORVExtAnyChars::ORVExtAnyChars(const ORVExtChars& iOther) : _pChars(nullptr) {
  SetExtChars(iOther);
}

ORVExtAnyChars::ORVExtAnyChars(const ORVExtAnyChars& iOther) : ORVExtChars(), _pChars(nullptr) {
  SetExtChars(iOther);
}

ORVExtAnyChars& ORVExtAnyChars::operator=(const ORVExtAnyChars& iOther) {
  SetExtChars(iOther);
  return *this;
}

unsigned int ORVExtAnyChars::IsDbNull() const {
  return !_pChars || !*_pChars;
}

const char* ORVExtAnyChars::GetChars() const {
  CheckIsNotDbNull();
  return _pChars;
}

void ORVExtAnyChars::SetToDbNull() {
  _pChars = nullptr;
}

void ORVExtAnyChars::SetChars(const char* iChars) {
  _pChars = iChars;
}

void ORVExtAnyChars::SetExtChars(const ORVExtChars& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetChars(iOther.GetChars());
}
