// ORVTreeAsTreeIteratorElementMaker.h - makes the elements of ORVTreeAsTreeIterator,
// which must be ORVTreeAsTreeIteratorElement objects (the iterator checks their class).
#pragma once

#include "ORVExport.h"
#include "ORVTreeAsPathIteratorElementMaker.h"

class ORV_EXPORT ORVTreeAsTreeIteratorElementMaker : public ORVTreeAsPathIteratorElementMaker {
  ORV_META_OBJECT(ORVTreeAsTreeIteratorElementMaker)
};

ORV_RFHNDLR(ORVTreeAsTreeIteratorElementMaker, ORVTreeAsPathIteratorElementMakerRfHndlr);
