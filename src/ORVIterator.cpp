#include "ORVIterator.h"

#include "PEVBaseUnknownCmpAddr.h"

ORV_META_OBJECT_DEFINE(ORVIterator, ORVOneWayIterator)

ORVIterator::ORVIterator(const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                         const ORVComparator* iComparator)
    : _pPattern(iPattern), _WithPattern(iWithPattern) {
  ORVIterator::SetComparator(iComparator ? *iComparator : *PEVBaseUnknownCmpAddr::GetGlobal());
}

ORVIterator::ORVIterator(const PEVBaseUnknown* iPattern, unsigned int iWithPattern,
                         const ORVComparatorRfHndlr& iHComparator)
    : _pPattern(iPattern), _WithPattern(iWithPattern) {
  ORVIterator::SetHComparator(iHComparator);
}

void ORVIterator::SetWithPattern(unsigned int iWithPattern) {
  _WithPattern = iWithPattern;
}

const PEVBaseUnknown* ORVIterator::GetPattern() const {
  return _pPattern;
}

void ORVIterator::SetPattern(const PEVBaseUnknown* iPattern) {
  _pPattern = iPattern;
}

void ORVIterator::SetComparator(const ORVComparator& iComparator) {
  _pComparator = &iComparator;
  // The handler may hold the very comparator's only reference.
  if (&iComparator != _HComparator.Get()) _HComparator.Set(ORVRfHndlrAddRef, nullptr);
}

void ORVIterator::SetHComparator(const ORVComparatorRfHndlr& iHComparator) {
  if (iHComparator)
    _HComparator = iHComparator;
  else
    _HComparator.Set(ORVRfHndlrAddRef, PEVBaseUnknownCmpAddr::GetGlobal());
  _pComparator = _HComparator.Get();
}

const ORVComparator& ORVIterator::GetComparator() const {
  return *_pComparator;
}

const ORVComparatorRfHndlr& ORVIterator::GetHComparator() const {
  return _HComparator;
}
