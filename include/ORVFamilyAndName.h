// ORVFamilyAndName.h - the base of client objects known by their family and a name
// within it.
//
// Found by family object and name (ORVFamilyAndNameCmpFamilyNameVal) or by family
// code and name (ORVFamilyAndNameCmpFamilyCodeValNameVal) and their hash coders.
#pragma once

#include "ORVObjWithFamily.h"

class ORVString;

class ORV_EXPORT ORVFamilyAndName : public ORVObjWithFamily {
  ORV_META_OBJECT(ORVFamilyAndName)

public:
  virtual const ORVString& GetName() const = 0;
};
