// PEVBasicStackTrace.h - a captured stack printed with symbol names.
//
// Printing does not allocate when symbol lookup fails, so it can run after
// the heap was damaged.
#pragma once

#include <cstdio>

#include "PEVStackTrace.h"

class PEV_EXPORT PEVBasicStackTrace : public PEVStackTrace {
public:
  // Prints one line per frame, innermost first, demangled where possible, after
  // skipping iSkipFrames frames; iAddressesOnly non-zero prints raw addresses only.
  void Print(FILE* iStream, int iSkipFrames, int iAddressesOnly) const;
};
