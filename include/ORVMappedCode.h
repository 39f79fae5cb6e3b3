// ORVMappedCode.h - a short code text that stands for something, the root of the
// mapped-code family (named codes, input value prefixes, OS types).
//
// The object owns a copy of its code. Mapped codes are kept in sets keyed by the code
// (ORVMappedCodeSet) and found with ORVMappedCodeCmpCodeVal and ORVMappedCodeHashCodeVal.
#pragma once

#include "ORVMacro.h"
#include "ORVString.h"

class ORV_EXPORT ORVMappedCode : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVMappedCode)

public:
  // An empty code.
  ORVMappedCode();
  // A copy of iCode (null: empty).
  explicit ORVMappedCode(const char* iCode);
  ORVMappedCode(const ORVMappedCode&) = delete;
  ORVMappedCode& operator=(const ORVMappedCode&) = delete;

  virtual void SetCode(const char* iCode);
  virtual const ORVString& GetCode() const;

private:
  ORVString _Code;
};
