#include "ORVExtChars.h"

ORV_META_OBJECT_DEFINE(ORVExtChars, ORVExtDataType)
