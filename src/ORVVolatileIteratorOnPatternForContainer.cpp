#include "ORVVolatileIteratorOnPatternForContainer.h"

#include "ORVContainer.h"
#include "ORVFatal.h"
#include "ORVIterator.h"

ORV_META_OBJECT_DEFINE(ORVVolatileIteratorOnPatternForContainer, ORVVolatileIteratorOnPattern)

ORVVolatileIteratorOnPatternForContainer::~ORVVolatileIteratorOnPatternForContainer() {
  if (_pIterator) _pIterator->Release();
}

const PEVBaseUnknown* ORVVolatileIteratorOnPatternForContainer::Next() {
  if (!_pIterator) ORV_FATAL("GoToFirst() must be called before");
  return Convert(_pIterator->Next(), _pConvertor);
}

void ORVVolatileIteratorOnPatternForContainer::GoToFirst(const PEVBaseUnknown* iPattern) {
  if (_pIterator) {
    _pIterator->SetPattern(iPattern);
    _pIterator->ToBegin();
    return;
  }
  _pIterator = _pComparator ? _pContainer->LookupAll(iPattern, *_pComparator)
                            : _pContainer->LookupAll(iPattern);
}
