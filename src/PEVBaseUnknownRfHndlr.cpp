#include "PEVBaseUnknownRfHndlr.h"

ORV_RFHNDLR_DEFINE(PEVBaseUnknown)
