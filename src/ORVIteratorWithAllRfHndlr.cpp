#include "ORVIteratorWithAllRfHndlr.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVIteratorWithAllRfHndlr, ORVIterator)

namespace {

// The wrapped iterator's comparator, for the base, which is never consulted.
const ORVComparator* ComparatorOf(const ORVIterator* iIterator) {
  if (!iIterator) ORV_FATAL("pIterator == NULL");
  return &iIterator->GetComparator();
}

}  // namespace

ORVIteratorWithAllRfHndlr::ORVIteratorWithAllRfHndlr(ORVIterator* iIterator,
                                                     const ORVContainerRfHndlr& iHContainer,
                                                     const PEVBaseUnknownRfHndlr& iHPattern,
                                                     const ORVComparatorRfHndlr& iHComparator)
    : ORVIterator(nullptr, ORVWithoutPattern, ComparatorOf(iIterator)), _pIterator(iIterator) {
  if (iHComparator && iHComparator.Get() != &_pIterator->GetComparator())
    ORV_FATAL("Wrong comparator");
  if (iHPattern.Get() != _pIterator->GetPattern()) ORV_FATAL("Wrong Pattern");
  _HContainer = iHContainer;
  _HPattern = iHPattern;
  _HKeptComparator = iHComparator;
}

ORVIteratorWithAllRfHndlr::~ORVIteratorWithAllRfHndlr() {
  // The wrapped iterator goes first: it may use what the handlers keep alive.
  _pIterator->Release();
}

PEVBaseUnknown* ORVIteratorWithAllRfHndlr::Next() {
  return _pIterator->Next();
}

PEVBaseUnknown* ORVIteratorWithAllRfHndlr::Previous() {
  return _pIterator->Previous();
}

void ORVIteratorWithAllRfHndlr::ToBegin() {
  _pIterator->ToBegin();
}

void ORVIteratorWithAllRfHndlr::ToEnd() {
  _pIterator->ToEnd();
}

const ORVCursor* ORVIteratorWithAllRfHndlr::Position() {
  return _pIterator->Position();
}

void ORVIteratorWithAllRfHndlr::SetWithPattern(unsigned int iWithPattern) {
  _pIterator->SetWithPattern(iWithPattern);
}

unsigned int ORVIteratorWithAllRfHndlr::WithPattern() const {
  return _pIterator->WithPattern();
}

const PEVBaseUnknown* ORVIteratorWithAllRfHndlr::GetPattern() const {
  return _pIterator->GetPattern();
}

void ORVIteratorWithAllRfHndlr::SetPattern(const PEVBaseUnknown*) {
  ORV_FATAL("SetPattern() is prohibited here");
}

void ORVIteratorWithAllRfHndlr::SetComparator(const ORVComparator&) {
  ORV_FATAL("SetComparator() is prohibited here");
}

void ORVIteratorWithAllRfHndlr::SetHComparator(const ORVComparatorRfHndlr& iHComparator) {
  _HKeptComparator = iHComparator;
  _pIterator->SetHComparator(iHComparator);
}

const ORVComparator& ORVIteratorWithAllRfHndlr::GetComparator() const {
  return _pIterator->GetComparator();
}

const ORVComparatorRfHndlr& ORVIteratorWithAllRfHndlr::GetHComparator() const {
  return _pIterator->GetHComparator();
}
