#include "ORVListCursor.h"

ORV_META_OBJECT_DEFINE(ORVListCursor, ORVCursor)
