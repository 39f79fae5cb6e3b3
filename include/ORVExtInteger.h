// ORVExtInteger.h - an external integer value, which may be DbNull.
#pragma once

#include "ORVExtDataType.h"

class ORV_EXPORT ORVExtInteger : public ORVExtDataType {
  ORV_META_OBJECT(ORVExtInteger)

public:
  unsigned int IsDbNull() const override = 0;
  // Fatal when DbNull.
  virtual int GetInteger() const = 0;
};
