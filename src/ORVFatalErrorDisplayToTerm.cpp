#include "ORVFatalErrorDisplayToTerm.h"

#include "ORVOFStream.h"

ORV_META_OBJECT_DEFINE(ORVFatalErrorDisplayToTerm, ORVFatalErrorDisplay)

ORVOFStream& ORVFatalErrorDisplayToTerm::GetOutputStream() {
  return ORVStderr;
}

void ORVFatalErrorDisplayToTerm::Display() {}
