// ORVMessageDisplayToFile.h - the kind of the displays that write to a file.
#pragma once

#include "ORVMessageDisplay.h"

class ORV_EXPORT ORVMessageDisplayToFile : public ORVMessageDisplay {
  ORV_META_OBJECT(ORVMessageDisplayToFile)
};
