#include "ObjectsTestSupport.h"

ORV_META_OBJECT_DEFINE(ORVTestIdentified, ORVIdentifiedObject)
ORV_META_OBJECT_DEFINE(ORVTestNamed, ORVFamilyAndName)
