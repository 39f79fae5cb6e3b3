// ORVMappedCodeCmpCodeVal.h - compares mapped codes by their code text, with one another
// or with an ORVString or ORVExtChars holding a code.
//
// A mapped code on either side stands for its code string; the texts are then compared
// as ORVStringExtCharsCmp does. A null object is a fatal internal error. GetGlobal makes
// the one shared instance on first use and registers it with the global object cleaner
// (process-wide, unlocked state).
#pragma once

#include "ORVStringExtCharsCmp.h"

class ORV_EXPORT ORVMappedCodeCmpCodeVal : public ORVStringExtCharsCmp {
  ORV_META_OBJECT(ORVMappedCodeCmpCodeVal)

public:
  ~ORVMappedCodeCmpCodeVal() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVMappedCodeCmpCodeVal* GetGlobal();

private:
  static ORVMappedCodeCmpCodeVal* _pGlobal;
};
