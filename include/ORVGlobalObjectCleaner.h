// ORVGlobalObjectCleaner.h - the one registry that releases the library's globals at the end.
//
// The client program constructs exactly one cleaner before it uses the library and
// destroys it when its work is done; the destructor releases every registered object
// in the reverse order of registration. The registry holds the one reference each
// object was created with. A second cleaner, a null object, a registration during or
// after destruction and a registration without cleaner are fatal internal errors.
// The instance pointer is process-wide, unlocked state.
#pragma once

#include "ORVExport.h"

class PEVBaseUnknown;

class ORV_EXPORT ORVGlobalObjectCleaner {
public:
  ORVGlobalObjectCleaner();
  virtual ~ORVGlobalObjectCleaner();
  ORVGlobalObjectCleaner(const ORVGlobalObjectCleaner&) = delete;
  ORVGlobalObjectCleaner& operator=(const ORVGlobalObjectCleaner&) = delete;

  // Registers iObject with the cleaner; returns it.
  static PEVBaseUnknown* Add(PEVBaseUnknown* iObject);
  virtual PEVBaseUnknown* InternalAdd(PEVBaseUnknown* iObject);

  int GetCount() const { return _Count; }
  int GetCapacity() const { return _Capacity; }
  // The cleaner of the process, or null.
  static ORVGlobalObjectCleaner* GetInstance() { return _pGlobalObjectCleaner; }

private:
  PEVBaseUnknown** _pObjects = nullptr;  // malloc'ed, grown by 100 entries
  int _Count = 0;
  int _Capacity = 0;
  int _InDestruction = 0;

  static ORVGlobalObjectCleaner* _pGlobalObjectCleaner;
};
