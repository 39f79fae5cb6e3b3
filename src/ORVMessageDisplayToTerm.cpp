#include "ORVMessageDisplayToTerm.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToTerm, ORVMessageDisplay)
