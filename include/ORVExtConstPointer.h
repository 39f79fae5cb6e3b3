// ORVExtConstPointer.h - an external reference to a constant library object.
#pragma once

#include "ORVExtPointer.h"

class ORV_EXPORT ORVExtConstPointer : public ORVExtPointer {
  ORV_META_OBJECT(ORVExtConstPointer)

public:
  unsigned int IsDbNull() const override = 0;
  const PEVBaseUnknown* GetConstPointer() const override = 0;
  const PEVBaseUnknown& GetConstRef() const override = 0;
};
