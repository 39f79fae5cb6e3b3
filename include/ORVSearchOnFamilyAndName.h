// ORVSearchOnFamilyAndName.h - a light key that stands for the object of a family with
// a given name during a look-up.
//
// Holds the family by address (the mapped code must outlive the key) and a copy of the
// name. Asking for the family of a key that has none is a fatal internal error.
#pragma once

#include "ORVFamilyAndName.h"
#include "ORVString.h"

class ORV_EXPORT ORVSearchOnFamilyAndName : public ORVFamilyAndName {
  ORV_META_OBJECT(ORVSearchOnFamilyAndName)

public:
  ORVSearchOnFamilyAndName() = default;
  ORVSearchOnFamilyAndName(const ORVMappedCode& iFamily, const ORVString& iName);

  const ORVMappedCode& GetFamily() const override;
  const ORVString& GetName() const override;
  virtual void SetFamily(const ORVMappedCode& iFamily);
  virtual void SetName(const ORVString& iName);

private:
  const ORVMappedCode* _pFamily = nullptr;
  ORVString _Name;
};
