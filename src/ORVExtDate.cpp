#include "ORVExtDate.h"

ORV_META_OBJECT_DEFINE(ORVExtDate, ORVExtDataType)
