#include "ORVHashCursor.h"

ORV_META_OBJECT_DEFINE(ORVHashCursor, ORVCursor)
