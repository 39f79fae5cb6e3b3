// ORVExtAnyInteger.h - a settable external integer: a null flag and a value.
#pragma once

#include "ORVExtInteger.h"

class ORV_EXPORT ORVExtAnyInteger : public ORVExtInteger {
  ORV_META_OBJECT(ORVExtAnyInteger)

public:
  // DbNull.
  ORVExtAnyInteger();
  explicit ORVExtAnyInteger(int iValue);
  // iOther's value, or DbNull.
  explicit ORVExtAnyInteger(const ORVExtInteger& iOther);
  ORVExtAnyInteger(const ORVExtAnyInteger& iOther);
  ORVExtAnyInteger& operator=(const ORVExtAnyInteger& iOther);

  unsigned int IsDbNull() const override;
  int GetInteger() const override;
  virtual void SetToDbNull();
  virtual void SetInteger(int iValue);
  // DbNull when iOther is, else its value through SetInteger.
  virtual void SetExtInteger(const ORVExtInteger& iOther);

private:
  int _IsNull;
  int _Value;
};
