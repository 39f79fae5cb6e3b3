#include "ORVExtDataType.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVExtDataType, PEVBaseUnknown)

void ORVExtDataType::CheckIsNotDbNull() const {
  if (IsDbNull()) ORV_FATAL("The Value is null");
}
