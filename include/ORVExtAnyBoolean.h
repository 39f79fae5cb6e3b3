// ORVExtAnyBoolean.h - a settable external boolean: a null flag and a value.
#pragma once

#include "ORVExtAnyValue.h"
#include "ORVExtBoolean.h"

class ORV_EXPORT ORVExtAnyBoolean : public ORVExtAnyValue<ORVExtBoolean, unsigned int> {
  ORV_META_OBJECT(ORVExtAnyBoolean)

public:
  // DbNull.
  ORVExtAnyBoolean() = default;
  explicit ORVExtAnyBoolean(unsigned int iValue) { ORVExtAnyBoolean::SetBoolean(iValue); }
  // iOther's value, or DbNull.
  explicit ORVExtAnyBoolean(const ORVExtBoolean& iOther) {
    ORVExtAnyBoolean::SetExtBoolean(iOther);
  }
  ORVExtAnyBoolean(const ORVExtAnyBoolean& iOther) : ORVExtAnyValue() {
    ORVExtAnyBoolean::SetExtBoolean(iOther);
  }
  ORVExtAnyBoolean& operator=(const ORVExtAnyBoolean& iOther) {
    SetExtBoolean(iOther);
    return *this;
  }

  unsigned int GetBoolean() const override { return GetCheckedValue(); }
  virtual void SetBoolean(unsigned int iValue) { SetValue(iValue); }
  // DbNull when iOther is, else its value through SetBoolean.
  virtual void SetExtBoolean(const ORVExtBoolean& iOther);
};
