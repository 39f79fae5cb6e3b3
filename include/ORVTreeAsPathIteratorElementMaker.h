// ORVTreeAsPathIteratorElementMaker.h - makes the elements of ORVTreeAsPathIterator,
// which must be ORVTreeAsPathIteratorElement objects (the iterator checks their class).
#pragma once

#include "ORVExport.h"
#include "ORVTreeIteratorElementMaker.h"

class ORV_EXPORT ORVTreeAsPathIteratorElementMaker : public ORVTreeIteratorElementMaker {
  ORV_META_OBJECT(ORVTreeAsPathIteratorElementMaker)
};

ORV_RFHNDLR(ORVTreeAsPathIteratorElementMaker, ORVTreeIteratorElementMakerRfHndlr);
