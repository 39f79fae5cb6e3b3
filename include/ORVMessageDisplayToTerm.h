// ORVMessageDisplayToTerm.h - the kind of the displays that write to a terminal.
#pragma once

#include "ORVMessageDisplay.h"

class ORV_EXPORT ORVMessageDisplayToTerm : public ORVMessageDisplay {
  ORV_META_OBJECT(ORVMessageDisplayToTerm)
};
