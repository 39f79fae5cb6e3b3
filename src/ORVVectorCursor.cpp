#include "ORVVectorCursor.h"

ORV_META_OBJECT_DEFINE(ORVVectorCursor, ORVCursor)
