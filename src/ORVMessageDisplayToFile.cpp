#include "ORVMessageDisplayToFile.h"

ORV_META_OBJECT_DEFINE(ORVMessageDisplayToFile, ORVMessageDisplay)
