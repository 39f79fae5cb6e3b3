// ORVExtDate.h - an external date value, which may be DbNull.
#pragma once

#include "ORVExtDataType.h"

class ORVDate;

class ORV_EXPORT ORVExtDate : public ORVExtDataType {
  ORV_META_OBJECT(ORVExtDate)

public:
  unsigned int IsDbNull() const override = 0;
  // Fatal when DbNull.
  virtual const ORVDate& GetDate() const = 0;
};
