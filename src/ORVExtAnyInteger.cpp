#include "ORVExtAnyInteger.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyInteger, ORVExtInteger)

ORVExtAnyInteger::ORVExtAnyInteger() : _IsNull(1), _Value(0) {
  SetToDbNull();
}

ORVExtAnyInteger::ORVExtAnyInteger(int iValue) : _IsNull(1), _Value(0) {
  SetInteger(iValue);
}

ORVExtAnyInteger::ORVExtAnyInteger(const ORVExtInteger& iOther) : _IsNull(1), _Value(0) {
  SetExtInteger(iOther);
}

ORVExtAnyInteger::ORVExtAnyInteger(const ORVExtAnyInteger& iOther)
    : ORVExtInteger(), _IsNull(1), _Value(0) {
  SetExtInteger(iOther);
}

ORVExtAnyInteger& ORVExtAnyInteger::operator=(const ORVExtAnyInteger& iOther) {
  SetExtInteger(iOther);
  return *this;
}

unsigned int ORVExtAnyInteger::IsDbNull() const {
  return _IsNull != 0;
}

int ORVExtAnyInteger::GetInteger() const {
  CheckIsNotDbNull();
  return _Value;
}

void ORVExtAnyInteger::SetToDbNull() {
  _IsNull = 1;
  _Value = 0;
}

void ORVExtAnyInteger::SetInteger(int iValue) {
  _Value = iValue;
  _IsNull = 0;
}

void ORVExtAnyInteger::SetExtInteger(const ORVExtInteger& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetInteger(iOther.GetInteger());
}
