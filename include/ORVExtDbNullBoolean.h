// ORVExtDbNullBoolean.h - the external boolean that is always DbNull.
//
// GetBoolean is a fatal internal error.
#pragma once

#include "ORVExtBoolean.h"

class ORV_EXPORT ORVExtDbNullBoolean : public ORVExtBoolean {
  ORV_META_OBJECT(ORVExtDbNullBoolean)

public:
  // Always true.
  unsigned int IsDbNull() const override;
  // Fatal "No GetBoolean() for a ORVExtDbNullBoolean".
  unsigned int GetBoolean() const override;
};
