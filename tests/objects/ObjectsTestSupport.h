// ObjectsTestSupport.h - identified objects and objects with family and name for the
// tests of the identified-object classes and the managers.
#pragma once

#include "ORVFamilyAndName.h"
#include "ORVIdentifiedObject.h"
#include "ORVMappedCode.h"
#include "ORVString.h"

class ORVTestIdentified : public ORVIdentifiedObject {
  ORV_META_OBJECT(ORVTestIdentified)

public:
  explicit ORVTestIdentified(const char* iIdentifier) : _Identifier(iIdentifier) {}
  const ORVString& GetIdentifier() const override { return _Identifier; }

private:
  ORVString _Identifier;
};

class ORVTestNamed : public ORVFamilyAndName {
  ORV_META_OBJECT(ORVTestNamed)

public:
  ORVTestNamed(const ORVMappedCode& iFamily, const char* iName)
      : _pFamily(&iFamily), _Name(iName) {}
  const ORVMappedCode& GetFamily() const override { return *_pFamily; }
  const ORVString& GetName() const override { return _Name; }

private:
  const ORVMappedCode* _pFamily;
  ORVString _Name;
};
