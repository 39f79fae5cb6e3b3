#include "ORVObjAndRefObjProcessor.h"

ORV_META_OBJECT_DEFINE(ORVObjAndRefObjProcessor, PEVBaseUnknown)
