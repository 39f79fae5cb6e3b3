#include "ORVExtAnyBoolean.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyBoolean, ORVExtBoolean)

ORVExtAnyBoolean::ORVExtAnyBoolean() : _IsNull(1), _Value(0) {
  SetToDbNull();
}

ORVExtAnyBoolean::ORVExtAnyBoolean(unsigned int iValue) : _IsNull(1), _Value(0) {
  SetBoolean(iValue);
}

ORVExtAnyBoolean::ORVExtAnyBoolean(const ORVExtBoolean& iOther) : _IsNull(1), _Value(0) {
  SetExtBoolean(iOther);
}

ORVExtAnyBoolean::ORVExtAnyBoolean(const ORVExtAnyBoolean& iOther)
    : ORVExtBoolean(), _IsNull(1), _Value(0) {
  SetExtBoolean(iOther);
}

ORVExtAnyBoolean& ORVExtAnyBoolean::operator=(const ORVExtAnyBoolean& iOther) {
  SetExtBoolean(iOther);
  return *this;
}

unsigned int ORVExtAnyBoolean::IsDbNull() const {
  return _IsNull != 0;
}

unsigned int ORVExtAnyBoolean::GetBoolean() const {
  CheckIsNotDbNull();
  return _Value;
}

void ORVExtAnyBoolean::SetToDbNull() {
  _IsNull = 1;
  _Value = 0;
}

void ORVExtAnyBoolean::SetBoolean(unsigned int iValue) {
  _Value = iValue;
  _IsNull = 0;
}

void ORVExtAnyBoolean::SetExtBoolean(const ORVExtBoolean& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetBoolean(iOther.GetBoolean());
}
