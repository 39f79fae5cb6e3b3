#include "ORVExtAnyString.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyString, ORVExtChars)

ORVExtAnyString::ORVExtAnyString() {
  SetToDbNull();
}

ORVExtAnyString::ORVExtAnyString(const char* iChars) {
  SetChars(iChars);
}

ORVExtAnyString::ORVExtAnyString(const ORVString& iString) {
  SetString(iString);
}

ORVExtAnyString::ORVExtAnyString(const ORVExtChars& iOther) {
  SetExtChars(iOther);
}

ORVExtAnyString::ORVExtAnyString(const ORVExtAnyString& iOther) : ORVExtChars() {
  SetExtChars(iOther);
}

ORVExtAnyString& ORVExtAnyString::operator=(const ORVExtAnyString& iOther) {
  SetExtChars(iOther);
  return *this;
}

unsigned int ORVExtAnyString::IsDbNull() const {
  return _String.GetLength() == 0;
}

const char* ORVExtAnyString::GetChars() const {
  CheckIsNotDbNull();
  return _String.GetChars();
}

void ORVExtAnyString::SetToDbNull() {
  _String.Copy(nullptr, 0);
}

void ORVExtAnyString::SetChars(const char* iChars) {
  _String = iChars;
}

void ORVExtAnyString::SetString(const ORVString& iString) {
  _String = iString;
}

void ORVExtAnyString::SetExtChars(const ORVExtChars& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): a meta-object is never null
  if (iOther.GetMetaObject()->IsAKindOf(ORVExtAnyString::MetaObject())) {
    SetString(static_cast<const ORVExtAnyString&>(iOther).GetString());
    return;
  }
  SetChars(iOther.GetChars());
}

const ORVString& ORVExtAnyString::GetString() const {
  CheckIsNotDbNull();
  return _String;
}

ORVString& ORVExtAnyString::String() {
  return _String;
}
