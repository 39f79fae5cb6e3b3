// ORVErrorDisplayText.h - the text of an error as the terminal and Java displays show it.
#pragma once

#include "PEVUnicodeString.h"

class PEVError;

// The request, a marker line by severity with catalog and key and the diagnostic, the
// advice and an empty line (see ORVErrorDisplayToTerm.h).
void ORVBuildErrorDisplayText(PEVError& iError, PEVUnicodeString& oText);
