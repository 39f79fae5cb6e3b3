// ORVExecGraphNodeWithIdHashIdVal.h - hash codes of execution-graph nodes by identifier
// text, agreeing with ORVExecGraphNodeWithIdCmpIdVal.
//
// A node with identifier is replaced by its identifier; anything else goes to the
// string hash coder as it is. Null is a fatal internal error. GetGlobal makes the one
// shared instance on first use and registers it with the global object cleaner
// (process-wide, unlocked state).
#pragma once

#include "ORVExport.h"
#include "ORVStringExtCharsHash.h"

class ORV_EXPORT ORVExecGraphNodeWithIdHashIdVal : public ORVStringExtCharsHash {
  ORV_META_OBJECT(ORVExecGraphNodeWithIdHashIdVal)

public:
  ~ORVExecGraphNodeWithIdHashIdVal() override;

  unsigned int Code(const PEVBaseUnknown* iObject) const override;

  static ORVExecGraphNodeWithIdHashIdVal* GetGlobal();

private:
  static ORVExecGraphNodeWithIdHashIdVal* _pGlobal;
};
