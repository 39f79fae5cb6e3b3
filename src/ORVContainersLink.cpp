#include "ORVContainersLink.h"

ORV_META_OBJECT_DEFINE(ORVContainersLink, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVContainersLink)
