// The comparator and the hash coder of identified objects by identifier text.
#include "ORVGlobal.h"
#include "ORVIdentifiedObject.h"
#include "ORVIdentifiedObjectCmpIdVal.h"
#include "ORVIdentifiedObjectHashIdVal.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVIdentifiedObjectCmpIdVal, ORVStringExtCharsCmp)
ORV_META_OBJECT_DEFINE(ORVIdentifiedObjectHashIdVal, ORVStringExtCharsHash)
ORV_GLOBAL_INSTANCE_DEFINE(ORVIdentifiedObjectCmpIdVal)
ORV_GLOBAL_INSTANCE_DEFINE(ORVIdentifiedObjectHashIdVal)

namespace {

// The identifier of an identified object, or the object itself; a null object is left
// to the string rules, which report it.
const PEVBaseUnknown* IdentifierOrSelf(const PEVBaseUnknown* iObject) {
  if (!iObject || !iObject->GetMetaObject()->IsAKindOf(ORVIdentifiedObject::MetaObject()))
    return iObject;
  return &static_cast<const ORVIdentifiedObject*>(iObject)->GetIdentifier();
}

}  // namespace

int ORVIdentifiedObjectCmpIdVal::CompareObjects(const PEVBaseUnknown* iObj1,
                                                const PEVBaseUnknown* iObj2) const {
  return ORVStringExtCharsCmp::CompareObjects(IdentifierOrSelf(iObj1), IdentifierOrSelf(iObj2));
}

unsigned int ORVIdentifiedObjectHashIdVal::Code(const PEVBaseUnknown* iObject) const {
  return ORVStringExtCharsHash::Code(IdentifierOrSelf(iObject));
}
