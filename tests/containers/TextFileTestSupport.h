// TextFileTestSupport.h - reading text files through the line iterator, for its tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ORVNLSMsgBldr.h"

class ORVVolatileOneWayIteratorForTextFile;

// What each call of Next(line) gave until the end: the line's text, "<DbNull>" for an
// empty line (a DbNull value), "<" + the diagnostic of the error (DescribeMessage) + ">"
// for a failure; the end is not listed. Stops after iMaxCalls calls (a guard against a
// reader that never ends), adding "<more>".
std::vector<std::string> ReadAllLines(ORVVolatileOneWayIteratorForTextFile& ioIterator,
                                      int iMaxCalls = 100000);

// A context builder naming iFileName, for the requests of the errors.
ORVNLSMsgBldrRfHndlr MakeReadingContext(const std::string& iFileName);
