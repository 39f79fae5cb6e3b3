// ORVFatal.h - the one path of fatal internal errors inside the library.
//
// ORV_FATAL(pieces) writes "#ERR# Fatal internal error: '" pieces "' on file: <file>
// at line: <line>" and "Contact your administrator" into the global fatal-error
// display, shows it and ends the process with ORVExit(-1). The pieces are stream
// insertions: ORV_FATAL("Invalid value " << value << " for the enum").
// A report started while another one is being written or shown goes straight to
// standard error, so a failing display cannot recurse.
#pragma once

#include "ORVOFStream.h"

// Starts a report and returns the stream its text goes into.
ORVOFStream& ORVFatalReportBegin();
// Ends the report started by ORVFatalReportBegin with the place of the check.
[[noreturn]] void ORVFatalReportEnd(ORVOFStream& ioStream, const char* iFile, int iLine);

#define ORV_FATAL(pieces)                                  \
  do {                                                     \
    ORVOFStream& orvFatalStream = ORVFatalReportBegin();   \
    orvFatalStream << pieces;                              \
    ORVFatalReportEnd(orvFatalStream, __FILE__, __LINE__); \
  } while (0)

// iSize as an int; a fatal report "<iWhat>: size overflow" at the caller's place when
// it does not fit. Growth arithmetic is done in long long and checked here.
int ORVCheckedSize(long long iSize, const char* iWhat, const char* iFile, int iLine);
#define ORV_CHECKED_SIZE(size, what) ORVCheckedSize((long long)(size), what, __FILE__, __LINE__)
