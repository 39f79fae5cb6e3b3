#include "ORVListLink.h"

ORV_META_OBJECT_DEFINE(ORVListLink, PEVBaseUnknown)
