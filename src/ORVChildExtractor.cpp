#include "ORVChildExtractor.h"

ORV_META_OBJECT_DEFINE(ORVChildExtractor, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVChildExtractor)
