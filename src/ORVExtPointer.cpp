#include "ORVExtPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtPointer, ORVExtDataType)
