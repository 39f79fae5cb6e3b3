// ORVExecGraphNodeWithIdCmpIdVal.h - orders execution-graph nodes by identifier text, so
// that a node can be looked up by its identifier given as a string.
//
// A node with identifier is replaced by its identifier; anything else goes to the
// string comparator as it is. A null argument is a fatal internal error. GetGlobal makes
// the one shared instance on first use and registers it with the global object cleaner
// (process-wide, unlocked state).
#pragma once

#include "ORVExport.h"
#include "ORVStringExtCharsCmp.h"

class ORV_EXPORT ORVExecGraphNodeWithIdCmpIdVal : public ORVStringExtCharsCmp {
  ORV_META_OBJECT(ORVExecGraphNodeWithIdCmpIdVal)

public:
  ~ORVExecGraphNodeWithIdCmpIdVal() override;

  int CompareObjects(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2) const override;

  static ORVExecGraphNodeWithIdCmpIdVal* GetGlobal();

private:
  static ORVExecGraphNodeWithIdCmpIdVal* _pGlobal;
};
