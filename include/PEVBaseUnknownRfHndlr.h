// PEVBaseUnknownRfHndlr.h - the handler of any library object, root of the typed handlers.
#pragma once

#include "ORVRefHandler.h"
#include "PEVBaseUnknown.h"

ORV_RFHNDLR(PEVBaseUnknown, ORVRefHandler);
