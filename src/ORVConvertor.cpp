#include "ORVConvertor.h"

ORV_META_OBJECT_DEFINE(ORVConvertor, PEVBaseUnknown)
