#include "ORVDirAccContainer.h"

ORV_META_OBJECT_DEFINE(ORVDirAccContainer, ORVContainer)

ORVDirAccContainer::ORVDirAccContainer(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVContainer(iWhatToDoAtDelete) {}
