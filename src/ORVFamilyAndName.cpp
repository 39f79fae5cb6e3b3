#include "ORVFamilyAndName.h"

ORV_META_OBJECT_DEFINE(ORVFamilyAndName, ORVObjWithFamily)
