// ErrorRecord.h - readable descriptions of error records, for comparing in tests.
#pragma once

#include <string>

#include "ORVNLSMsgBldr.h"

class PEVError;

// "CATALOG KEY" of a catalog builder, then ": " and its parameters joined by " | " when
// it has some; "<none>" for an empty handler; the built text of any other builder.
std::string DescribeMessage(const ORVNLSMsgBldrRfHndlr& iBuilder);

// The last error recorded for iCode, described as "type T in FILE; request R;
// diagnostic D; advice A" with DescribeMessage texts, or "<no last error>". The last
// error stays recorded.
std::string DescribeLastError(long iCode);

// The whole text a display would show for the last error of iCode, "<no last error>"
// without one.
std::string LastErrorText(long iCode);
