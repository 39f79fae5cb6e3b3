// The comparator and the hash coder of nodes by identifier text.
#include "ORVExecGraphNodeWithId.h"
#include "ORVExecGraphNodeWithIdCmpIdVal.h"
#include "ORVExecGraphNodeWithIdHashIdVal.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphNodeWithIdCmpIdVal, ORVStringExtCharsCmp)
ORV_META_OBJECT_DEFINE(ORVExecGraphNodeWithIdHashIdVal, ORVStringExtCharsHash)

namespace {

// The identifier of a node with identifier, or the object itself.
const PEVBaseUnknown* Identifier(const PEVBaseUnknown* iObject) {
  PEVMetaClass* meta = iObject->GetMetaObject();
  PEVMetaClass* node = ORVExecGraphNodeWithId::MetaObject();
  if (meta != node && !meta->IsAKindOf(node)) return iObject;
  return &static_cast<const ORVExecGraphNodeWithId*>(iObject)->GetIdentifier();
}

}  // namespace

ORVExecGraphNodeWithIdCmpIdVal* ORVExecGraphNodeWithIdCmpIdVal::_pGlobal = nullptr;

ORVExecGraphNodeWithIdCmpIdVal::~ORVExecGraphNodeWithIdCmpIdVal() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExecGraphNodeWithIdCmpIdVal::CompareObjects(const PEVBaseUnknown* iObj1,
                                                   const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL OR pObj2 == NULL");
  return ORVStringExtCharsCmp::CompareObjects(Identifier(iObj1), Identifier(iObj2));
}

ORVExecGraphNodeWithIdCmpIdVal* ORVExecGraphNodeWithIdCmpIdVal::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphNodeWithIdCmpIdVal>(_pGlobal);
}

ORVExecGraphNodeWithIdHashIdVal* ORVExecGraphNodeWithIdHashIdVal::_pGlobal = nullptr;

ORVExecGraphNodeWithIdHashIdVal::~ORVExecGraphNodeWithIdHashIdVal() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int ORVExecGraphNodeWithIdHashIdVal::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObject == NULL");
  return ORVStringExtCharsHash::Code(Identifier(iObject));
}

ORVExecGraphNodeWithIdHashIdVal* ORVExecGraphNodeWithIdHashIdVal::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphNodeWithIdHashIdVal>(_pGlobal);
}
