#include "ORVExtAnyDate.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyDate, ORVExtDate)

ORVExtAnyDate::ORVExtAnyDate() : _IsNull(1) {
  SetToDbNull();
}

ORVExtAnyDate::ORVExtAnyDate(const ORVDate& iDate) : _IsNull(1) {
  SetDate(iDate);
}

ORVExtAnyDate::ORVExtAnyDate(const ORVExtDate& iOther) : _IsNull(1) {
  SetExtDate(iOther);
}

ORVExtAnyDate::ORVExtAnyDate(const ORVExtAnyDate& iOther) : ORVExtDate(), _IsNull(1) {
  SetExtDate(iOther);
}

ORVExtAnyDate& ORVExtAnyDate::operator=(const ORVExtAnyDate& iOther) {
  SetExtDate(iOther);
  return *this;
}

unsigned int ORVExtAnyDate::IsDbNull() const {
  return _IsNull != 0;
}

const ORVDate& ORVExtAnyDate::GetDate() const {
  CheckIsNotDbNull();
  return _Date;
}

void ORVExtAnyDate::SetToDbNull() {
  _IsNull = 1;
}

void ORVExtAnyDate::SetDate(const ORVDate& iDate) {
  _Date.SetDate(iDate);
  _IsNull = 0;
}

void ORVExtAnyDate::SetExtDate(const ORVExtDate& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetDate(iOther.GetDate());
}

ORVDate& ORVExtAnyDate::Date() {
  return _Date;
}
