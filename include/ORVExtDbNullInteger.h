// ORVExtDbNullInteger.h - the external integer that is always DbNull.
//
// GetInteger is a fatal internal error.
#pragma once

#include "ORVExtInteger.h"

class ORV_EXPORT ORVExtDbNullInteger : public ORVExtInteger {
  ORV_META_OBJECT(ORVExtDbNullInteger)

public:
  // Always true.
  unsigned int IsDbNull() const override;
  // Fatal "No GetInteger() for a ORVExtDbNullInteger".
  int GetInteger() const override;
};
