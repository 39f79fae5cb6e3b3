#include "ORVExtBoolean.h"

ORV_META_OBJECT_DEFINE(ORVExtBoolean, ORVExtDataType)
