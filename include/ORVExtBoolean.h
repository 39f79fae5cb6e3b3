// ORVExtBoolean.h - an external boolean value, which may be DbNull.
#pragma once

#include "ORVExtDataType.h"

class ORV_EXPORT ORVExtBoolean : public ORVExtDataType {
  ORV_META_OBJECT(ORVExtBoolean)

public:
  unsigned int IsDbNull() const override = 0;
  // Fatal when DbNull.
  virtual unsigned int GetBoolean() const = 0;
};
