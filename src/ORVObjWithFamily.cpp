#include "ORVObjWithFamily.h"

ORV_META_OBJECT_DEFINE(ORVObjWithFamily, PEVBaseUnknown)
