#include "ORVSeqCollection.h"

ORV_META_OBJECT_DEFINE(ORVSeqCollection, ORVContainer)
ORV_RFHNDLR_DEFINE(ORVSeqCollection)

ORVSeqCollection::ORVSeqCollection(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVContainer(iWhatToDoAtDelete) {}
