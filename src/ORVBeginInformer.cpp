#include "ORVBeginInformer.h"

ORV_META_OBJECT_DEFINE(ORVBeginInformer, PEVBaseUnknown)
