// PEVBaseUnknownHashAddr.h - the default hash coder: a hash of the object's address.
//
// Agrees with PEVBaseUnknownCmpAddr. The code is a 32-bit FNV-style hash of the
// address bytes, most significant first, started from the first byte. GetGlobal
// makes the one shared instance on first use and registers it with the global object
// cleaner; the class-level pointer is process-wide, unlocked state.
#pragma once

#include "ORVExport.h"
#include "ORVHashCoder.h"

class ORV_EXPORT PEVBaseUnknownHashAddr : public ORVHashCoder {
  ORV_META_OBJECT(PEVBaseUnknownHashAddr)

public:
  ~PEVBaseUnknownHashAddr() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static PEVBaseUnknownHashAddr* GetGlobal();

private:
  static PEVBaseUnknownHashAddr* _pGlobal;
};
