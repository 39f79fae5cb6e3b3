#include "ORVExtVarPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtVarPointer, ORVExtPointer)
