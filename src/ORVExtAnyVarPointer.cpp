#include "ORVExtAnyVarPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyVarPointer, ORVExtVarPointer)

void ORVExtAnyVarPointer::SetExtVarPointer(const ORVExtVarPointer& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetVarPointer(&iOther.GetVarRef());
}
