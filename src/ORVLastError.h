// ORVLastError.h - the one way the displays and the error managers take the last error.
#pragma once

#include "ORVError.h"

// Hands the error iCode was returned with (a new one for a failure code without
// record, none for success) to iUse, then forgets the process-wide last error.
template <typename TUse>
void ORVUseAndCleanLastError(long iCode, TUse&& iUse) {
  PEVError* error = ORVError::GetOrMakeLastError(iCode);
  if (error) {
    iUse(*error);
    error->Release();
  }
  PEVError::PEVCleanLastError();
}
