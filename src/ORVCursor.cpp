#include "ORVCursor.h"

ORV_META_OBJECT_DEFINE(ORVCursor, PEVBaseUnknown)
