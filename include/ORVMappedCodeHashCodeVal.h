// ORVMappedCodeHashCodeVal.h - hash codes of mapped codes by their code text, agreeing
// with ORVMappedCodeCmpCodeVal.
//
// A mapped code hashes as its code string; any other object as ORVStringExtCharsHash
// hashes it. A null object is a fatal internal error. GetGlobal makes the one shared
// instance on first use and registers it with the global object cleaner (process-wide,
// unlocked state).
#pragma once

#include "ORVStringExtCharsHash.h"

class ORV_EXPORT ORVMappedCodeHashCodeVal : public ORVStringExtCharsHash {
  ORV_META_OBJECT(ORVMappedCodeHashCodeVal)

public:
  ~ORVMappedCodeHashCodeVal() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static ORVMappedCodeHashCodeVal* GetGlobal();

private:
  static ORVMappedCodeHashCodeVal* _pGlobal;
};
