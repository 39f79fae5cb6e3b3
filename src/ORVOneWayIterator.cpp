#include "ORVOneWayIterator.h"

ORV_META_OBJECT_DEFINE(ORVOneWayIterator, PEVBaseUnknown)
