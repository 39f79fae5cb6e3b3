// ORVMergingModes.h - the set of merging modes a tool offers.
//
// Holds plain element pointers in a vector (no AddRef; nothing is done to them at
// destruction): the elements belong to whoever set them. GetGlobal makes the one shared
// instance on first use and registers it with the global object cleaner (process-wide,
// unlocked state).
#pragma once

#include "ORVVector.h"

class ORV_EXPORT ORVMergingModes : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVMergingModes)

public:
  ORVMergingModes();
  ~ORVMergingModes() override;
  ORVMergingModes(const ORVMergingModes&) = delete;
  ORVMergingModes& operator=(const ORVMergingModes&) = delete;

  const ORVVector& GetMergingModesSet() const { return _MergingModesSet; }
  // The set takes iModes' elements in place of its own.
  void SetMergingModesSet(ORVVector& iModes);

  static ORVMergingModes* GetGlobal();

private:
  ORVVector _MergingModesSet;

  static ORVMergingModes* _pGlobal;
};
