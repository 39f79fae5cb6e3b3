#include "ORVExtConstPointer.h"

ORV_META_OBJECT_DEFINE(ORVExtConstPointer, ORVExtPointer)
