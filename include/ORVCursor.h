// ORVCursor.h - a position in a container.
//
// Each container has its own cursor class recording a position its own way; an
// operation given a cursor of another kind of container ends the process with the
// conversion check's fatal report.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORV_EXPORT ORVCursor : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCursor)

protected:
  ORVCursor() = default;
  ORVCursor(const ORVCursor&) = default;
  ORVCursor& operator=(const ORVCursor&) = default;
};
