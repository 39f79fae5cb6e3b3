// ORVSearchOnFamily.h - a light key that stands for any object of a family during a
// look-up.
//
// Holds the family by address: the mapped code must outlive the key. Asking for the
// family of a key that has none is a fatal internal error.
#pragma once

#include "ORVObjWithFamily.h"

class ORV_EXPORT ORVSearchOnFamily : public ORVObjWithFamily {
  ORV_META_OBJECT(ORVSearchOnFamily)

public:
  ORVSearchOnFamily() = default;
  explicit ORVSearchOnFamily(const ORVMappedCode& iFamily);

  const ORVMappedCode& GetFamily() const override;
  virtual void SetFamily(const ORVMappedCode& iFamily);

private:
  const ORVMappedCode* _pFamily = nullptr;
};
