// ORVOSTypes.h - the two operating-system families, "WINDOWS" and "UNIX", as ORVOSType
// objects named from the ORVBC catalog.
//
// Each is made on first request and registered with the global object cleaner, which
// releases it at the end (process-wide, unlocked state). No instances.
#pragma once

#include "ORVExport.h"

class ORVOSType;

class ORV_EXPORT ORVOSTypes {
public:
  ORVOSTypes() = delete;

  static const ORVOSType* GetGlobalWindowsOSType();
  static const ORVOSType* GetGlobalUnixOSType();

private:
  friend class ORVOSType;
  // Called by a family being destroyed.
  static void Forget(const ORVOSType* iType);

  static ORVOSType* _pWindowsOSType;
  static ORVOSType* _pUnixOSType;
};
