// ORVExtAnyDate.h - a settable external date: a null flag and an ORVDate.
//
// Date() hands out the stored date itself, unchecked, for changing it in place; setting
// it that way leaves the null flag as it is.
#pragma once

#include "ORVDate.h"
#include "ORVExtDate.h"

class ORV_EXPORT ORVExtAnyDate : public ORVExtDate {
  ORV_META_OBJECT(ORVExtAnyDate)

public:
  // DbNull.
  ORVExtAnyDate();
  explicit ORVExtAnyDate(const ORVDate& iDate);
  // iOther's date, or DbNull.
  explicit ORVExtAnyDate(const ORVExtDate& iOther);
  ORVExtAnyDate(const ORVExtAnyDate& iOther);
  ORVExtAnyDate& operator=(const ORVExtAnyDate& iOther);

  unsigned int IsDbNull() const override;
  const ORVDate& GetDate() const override;
  virtual void SetToDbNull();
  // A copy of iDate's fields.
  virtual void SetDate(const ORVDate& iDate);
  // DbNull when iOther is, else a copy of its date.
  virtual void SetExtDate(const ORVExtDate& iOther);
  // The stored date, unchecked.
  virtual ORVDate& Date();

private:
  int _IsNull;
  ORVDate _Date;
};
