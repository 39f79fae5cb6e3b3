// ORVCharData.h - a named text value that may be undefined and may be settable once.
//
// Reading an undefined value, or setting a set-once value a second time, is a fatal
// internal error naming the value.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"
#include "ORVString.h"

class ORV_EXPORT ORVCharData : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCharData)

public:
  // Undefined.
  ORVCharData(const char* iName, unsigned int iSetOnce);
  // Defined with iValue.
  ORVCharData(const char* iName, const char* iValue, unsigned int iSetOnce);

  virtual const ORVString& GetName() const;
  virtual unsigned int IsDefined() const;
  // Stores a copy of iValue (empty for null) and marks the value defined. Fatal when the
  // value is set-once and already defined.
  virtual void SetValue(const char* iValue);
  // Fatal when undefined.
  virtual const ORVString& GetValue() const;

private:
  ORVString _Name;
  unsigned int _SetOnce;
  int _IsDefined;
  ORVString _Value;
};
