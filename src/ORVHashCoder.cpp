#include "ORVHashCoder.h"

ORV_META_OBJECT_DEFINE(ORVHashCoder, PEVBaseUnknown)
