#include "ORVExtAnyBoolean.h"

ORV_META_OBJECT_DEFINE(ORVExtAnyBoolean, ORVExtBoolean)

void ORVExtAnyBoolean::SetExtBoolean(const ORVExtBoolean& iOther) {
  if (iOther.IsDbNull()) {
    SetToDbNull();
    return;
  }
  SetBoolean(iOther.GetBoolean());
}
