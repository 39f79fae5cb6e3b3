// ORVExtAnyVarPointer.h - a settable external reference to a modifiable object.
//
// Holds a plain pointer, not a reference: the object must outlive its use through the
// holder. A null pointer is DbNull.
#pragma once

#include "ORVExtAnyValue.h"
#include "ORVExtVarPointer.h"

class ORV_EXPORT ORVExtAnyVarPointer : public ORVExtAnyValue<ORVExtVarPointer, PEVBaseUnknown*> {
  ORV_META_OBJECT(ORVExtAnyVarPointer)

public:
  // DbNull.
  ORVExtAnyVarPointer() = default;
  explicit ORVExtAnyVarPointer(PEVBaseUnknown* iPointer) {
    ORVExtAnyVarPointer::SetVarPointer(iPointer);
  }
  // iOther's object, or DbNull.
  explicit ORVExtAnyVarPointer(const ORVExtVarPointer& iOther) {
    ORVExtAnyVarPointer::SetExtVarPointer(iOther);
  }
  ORVExtAnyVarPointer(const ORVExtAnyVarPointer& iOther) : ORVExtAnyValue() {
    ORVExtAnyVarPointer::SetExtVarPointer(iOther);
  }
  ORVExtAnyVarPointer& operator=(const ORVExtAnyVarPointer& iOther) {
    SetExtVarPointer(iOther);
    return *this;
  }

  const PEVBaseUnknown* GetConstPointer() const override { return GetValue(); }
  const PEVBaseUnknown& GetConstRef() const override { return *GetCheckedValue(); }
  PEVBaseUnknown* GetVarPointer() const override { return GetValue(); }
  PEVBaseUnknown& GetVarRef() const override { return *GetCheckedValue(); }
  virtual void SetVarPointer(PEVBaseUnknown* iPointer) { SetValue(iPointer); }
  // DbNull when iOther is, else iOther's object.
  virtual void SetExtVarPointer(const ORVExtVarPointer& iOther);
};
