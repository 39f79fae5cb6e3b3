// ORVExtDbNullDate.h - the external date that is always DbNull.
//
// GetDate is a fatal internal error.
#pragma once

#include "ORVExtDate.h"

class ORV_EXPORT ORVExtDbNullDate : public ORVExtDate {
  ORV_META_OBJECT(ORVExtDbNullDate)

public:
  // Always true.
  unsigned int IsDbNull() const override;
  // Fatal "No GetDate() for a ORVExtDbNullDate".
  const ORVDate& GetDate() const override;
};
