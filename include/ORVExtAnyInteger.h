// ORVExtAnyInteger.h - a settable external integer: a null flag and a value.
#pragma once

#include "ORVExtAnyValue.h"
#include "ORVExtInteger.h"

class ORV_EXPORT ORVExtAnyInteger : public ORVExtAnyValue<ORVExtInteger, int> {
  ORV_META_OBJECT(ORVExtAnyInteger)

public:
  // DbNull.
  ORVExtAnyInteger() = default;
  explicit ORVExtAnyInteger(int iValue) { ORVExtAnyInteger::SetInteger(iValue); }
  // iOther's value, or DbNull.
  explicit ORVExtAnyInteger(const ORVExtInteger& iOther) {
    ORVExtAnyInteger::SetExtInteger(iOther);
  }
  ORVExtAnyInteger(const ORVExtAnyInteger& iOther) : ORVExtAnyValue() {
    ORVExtAnyInteger::SetExtInteger(iOther);
  }
  ORVExtAnyInteger& operator=(const ORVExtAnyInteger& iOther) {
    SetExtInteger(iOther);
    return *this;
  }

  int GetInteger() const override { return GetCheckedValue(); }
  virtual void SetInteger(int iValue) { SetValue(iValue); }
  // DbNull when iOther is, else its value through SetInteger.
  virtual void SetExtInteger(const ORVExtInteger& iOther);
};
