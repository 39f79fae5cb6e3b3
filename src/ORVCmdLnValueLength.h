// ORVCmdLnValueLength.h - the length check of the length managers.
#pragma once

#include "ORVCmdLnOpt.h"
#include "ORVString.h"

// The success code when iValue has from iMinimum to iMaximum characters (a negative
// maximum: no maximum); otherwise the length failure of iOption for that value
// ("0020" for an exact length, "0016" for a range, "0019" for a minimum only), made at
// iFile and iLine, with the option's own usage as advice.
long ORVCheckCmdLnValueLength(const char* iFile, int iLine, const ORVCmdLnOpt& iOption,
                              const ORVString& iValue, int iMinimum, int iMaximum);

#define ORV_CMDLN_CHECK_LENGTH(option, value, minimum, maximum) \
  ORVCheckCmdLnValueLength(__FILE__, __LINE__, option, value, minimum, maximum)
