#include "ORVExtAnyConstPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyConstPointer, ORVExtConstPointer)

void ORVExtAnyConstPointer::SetExtConstPointer(const ORVExtPointer& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetConstPointer(&iOther.GetConstRef());
}
