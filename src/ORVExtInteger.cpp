#include "ORVExtInteger.h"

ORV_META_OBJECT_DEFINE(ORVExtInteger, ORVExtDataType)
