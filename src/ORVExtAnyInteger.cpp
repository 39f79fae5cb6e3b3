#include "ORVExtAnyInteger.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyInteger, ORVExtInteger)

void ORVExtAnyInteger::SetExtInteger(const ORVExtInteger& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetInteger(iOther.GetInteger());
}
