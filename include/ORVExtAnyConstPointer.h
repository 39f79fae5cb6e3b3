// ORVExtAnyConstPointer.h - a settable external reference to a constant object.
//
// Holds a plain pointer, not a reference: the object must outlive its use through the
// holder. A null pointer is DbNull.
#pragma once

#include "ORVExtAnyValue.h"
#include "ORVExtConstPointer.h"

class ORV_EXPORT ORVExtAnyConstPointer
    : public ORVExtAnyValue<ORVExtConstPointer, const PEVBaseUnknown*> {
  ORV_META_OBJECT(ORVExtAnyConstPointer)

public:
  // DbNull.
  ORVExtAnyConstPointer() = default;
  explicit ORVExtAnyConstPointer(const PEVBaseUnknown* iPointer) {
    ORVExtAnyConstPointer::SetConstPointer(iPointer);
  }
  // iOther's object, or DbNull.
  explicit ORVExtAnyConstPointer(const ORVExtPointer& iOther) {
    ORVExtAnyConstPointer::SetExtConstPointer(iOther);
  }
  ORVExtAnyConstPointer(const ORVExtAnyConstPointer& iOther) : ORVExtAnyValue() {
    ORVExtAnyConstPointer::SetExtConstPointer(iOther);
  }
  ORVExtAnyConstPointer& operator=(const ORVExtAnyConstPointer& iOther) {
    SetExtConstPointer(iOther);
    return *this;
  }

  const PEVBaseUnknown* GetConstPointer() const override { return GetValue(); }
  const PEVBaseUnknown& GetConstRef() const override { return *GetCheckedValue(); }
  virtual void SetConstPointer(const PEVBaseUnknown* iPointer) { SetValue(iPointer); }
  // DbNull when iOther is, else iOther's object.
  virtual void SetExtConstPointer(const ORVExtPointer& iOther);
};
