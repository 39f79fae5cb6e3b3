// ORVExtDataType.h - the root of the external data types: typed values that may be
// DbNull, the null of a database column.
//
// Each type has an abstract reading interface, a settable holder (the Any classes) and,
// for some types, a constant that is always DbNull. Reading the value of a DbNull holder
// is a fatal internal error ("The Value is null"); nothing is thrown.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVExtDataType : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVExtDataType)

public:
  virtual unsigned int IsDbNull() const = 0;

  // Fatal "The Value is null" when the value is DbNull.
  void CheckIsNotDbNull() const;
};
