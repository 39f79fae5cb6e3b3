// ORVExtAnyVarPointer.h - a settable external reference to a modifiable object.
//
// Holds a plain pointer, not a reference: the object must outlive its use through the
// holder. A null pointer is DbNull.
#pragma once

#include "ORVExtVarPointer.h"

class ORV_EXPORT ORVExtAnyVarPointer : public ORVExtVarPointer {
  ORV_META_OBJECT(ORVExtAnyVarPointer)

public:
  // DbNull.
  ORVExtAnyVarPointer();
  explicit ORVExtAnyVarPointer(PEVBaseUnknown* iPointer);
  // iOther's object, or DbNull.
  explicit ORVExtAnyVarPointer(const ORVExtVarPointer& iOther);
  ORVExtAnyVarPointer(const ORVExtAnyVarPointer& iOther);
  ORVExtAnyVarPointer& operator=(const ORVExtAnyVarPointer& iOther);

  unsigned int IsDbNull() const override;
  const PEVBaseUnknown* GetConstPointer() const override;
  const PEVBaseUnknown& GetConstRef() const override;
  PEVBaseUnknown* GetVarPointer() const override;
  PEVBaseUnknown& GetVarRef() const override;
  virtual void SetToDbNull();
  virtual void SetVarPointer(PEVBaseUnknown* iPointer);
  // DbNull when iOther is, else iOther's object.
  virtual void SetExtVarPointer(const ORVExtVarPointer& iOther);

private:
  PEVBaseUnknown* _pPointer;
};
