// ORVExtPointer.h - an external reference to a library object, which may be DbNull.
//
// The object is not reference-held. GetConstPointer gives null for DbNull; GetConstRef
// is fatal then.
#pragma once

#include "ORVExtDataType.h"

class ORV_EXPORT ORVExtPointer : public ORVExtDataType {
  ORV_META_OBJECT(ORVExtPointer)

public:
  unsigned int IsDbNull() const override = 0;
  // The object, or null when DbNull.
  virtual const PEVBaseUnknown* GetConstPointer() const = 0;
  // The object; fatal when DbNull.
  virtual const PEVBaseUnknown& GetConstRef() const = 0;
};
