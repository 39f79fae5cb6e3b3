// ORVDirAccContainer.h - containers with direct access by key (hash table).
#pragma once

#include "ORVContainer.h"
#include "ORVExport.h"

class ORV_EXPORT ORVDirAccContainer : public ORVContainer {
  ORV_META_OBJECT(ORVDirAccContainer)

public:
  explicit ORVDirAccContainer(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete);

  using ORVContainer::Remove;

  // The element removed, or null when the cursor is on no element.
  virtual PEVBaseUnknown* Remove(ORVCursor* iCursor) = 0;
};
