// ORVExtAnyBoolean.h - a settable external boolean: a null flag and a value.
#pragma once

#include "ORVExtBoolean.h"

class ORV_EXPORT ORVExtAnyBoolean : public ORVExtBoolean {
  ORV_META_OBJECT(ORVExtAnyBoolean)

public:
  // DbNull.
  ORVExtAnyBoolean();
  explicit ORVExtAnyBoolean(unsigned int iValue);
  // iOther's value, or DbNull.
  explicit ORVExtAnyBoolean(const ORVExtBoolean& iOther);
  ORVExtAnyBoolean(const ORVExtAnyBoolean& iOther);
  ORVExtAnyBoolean& operator=(const ORVExtAnyBoolean& iOther);

  unsigned int IsDbNull() const override;
  unsigned int GetBoolean() const override;
  virtual void SetToDbNull();
  virtual void SetBoolean(unsigned int iValue);
  // DbNull when iOther is, else its value through SetBoolean.
  virtual void SetExtBoolean(const ORVExtBoolean& iOther);

private:
  int _IsNull;
  unsigned int _Value;
};
