// ORVExtAnyConstPointer.h - a settable external reference to a constant object.
//
// Holds a plain pointer, not a reference: the object must outlive its use through the
// holder. A null pointer is DbNull.
#pragma once

#include "ORVExtConstPointer.h"

class ORV_EXPORT ORVExtAnyConstPointer : public ORVExtConstPointer {
  ORV_META_OBJECT(ORVExtAnyConstPointer)

public:
  // DbNull.
  ORVExtAnyConstPointer();
  explicit ORVExtAnyConstPointer(const PEVBaseUnknown* iPointer);
  // iOther's object, or DbNull.
  explicit ORVExtAnyConstPointer(const ORVExtPointer& iOther);
  ORVExtAnyConstPointer(const ORVExtAnyConstPointer& iOther);
  ORVExtAnyConstPointer& operator=(const ORVExtAnyConstPointer& iOther);

  unsigned int IsDbNull() const override;
  const PEVBaseUnknown* GetConstPointer() const override;
  const PEVBaseUnknown& GetConstRef() const override;
  virtual void SetToDbNull();
  virtual void SetConstPointer(const PEVBaseUnknown* iPointer);
  // DbNull when iOther is, else iOther's object.
  virtual void SetExtConstPointer(const ORVExtPointer& iOther);

private:
  const PEVBaseUnknown* _pPointer;
};
