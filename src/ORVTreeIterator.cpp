#include "ORVTreeIterator.h"

ORV_META_OBJECT_DEFINE(ORVTreeIterator, PEVBaseUnknown)
