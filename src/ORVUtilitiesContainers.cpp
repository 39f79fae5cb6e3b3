#include "ORVUtilities.h"

#include <vector>

#include "ORVComparator.h"
#include "ORVContainer.h"
#include "ORVConvertor.h"
#include "ORVExtChars.h"
#include "ORVFatal.h"
#include "ORVIterator.h"
#include "ORVSortedVector.h"

// The container algorithms: appending, removing, distinct elements, differences of
// sorted vectors, and a container's elements as one text.

namespace {

using ElementList = std::vector<PEVBaseUnknown*>;

// The elements of iContainer in its order, nulls included: by index for a vector,
// otherwise Size() steps of an iterator, so that a null element is not taken for the end.
// Taken before any change, so that the container may change while they are used.
ElementList ElementsOf(const ORVContainer& iContainer) {
  int count = iContainer.Size();
  ElementList elements;
  elements.reserve((std::size_t)(count > 0 ? count : 0));
  if (iContainer.GetMetaObject()->IsAKindOf(ORVVector::MetaObject())) {
    const auto& vector = static_cast<const ORVVector&>(iContainer);
    for (int i = 0; i < count; ++i)
      elements.push_back(vector[i]);
    return elements;
  }
  ORVIterator* iterator = iContainer.MakeIterator(nullptr);
  for (int i = 0; i < count; ++i)
    elements.push_back(iterator->Next());
  iterator->Release();
  return elements;
}

void Append(ORVContainer& ioDestination, const ORVContainer& iSource, bool iAddRef) {
  for (PEVBaseUnknown* element : ElementsOf(iSource)) {
    if (iAddRef && element) element->AddRef();
    ioDestination.Add(element, ORVNotify);
  }
}

// Removes the elements of iToRemove from ioContainer; the elements that were found, in
// order. oAllRemoved tells whether every removal found something.
ElementList Remove(ORVContainer& ioContainer, const ORVContainer& iToRemove, bool& oAllRemoved) {
  ElementList removed;
  oAllRemoved = true;
  for (PEVBaseUnknown* element : ElementsOf(iToRemove)) {
    if (ioContainer.Remove(element, ORVNotify))
      removed.push_back(element);
    else
      oAllRemoved = false;
  }
  return removed;
}

// Walks a sorted vector for the merge; with iDistinct a step skips the elements equal to
// the one left.
class SortedWalk {
public:
  SortedWalk(const ORVSortedVector& iSet, const ORVComparator& iComparator, unsigned int iDistinct)
      : _Set(iSet), _Comparator(iComparator), _Distinct(iDistinct), _Count(iSet.Size()) {}

  bool AtEnd() const { return _Index >= _Count; }
  PEVBaseUnknown* Current() const { return _Set[_Index]; }
  void Step() {
    PEVBaseUnknown* left = Current();
    ++_Index;
    if (!_Distinct) return;
    while (!AtEnd() && _Comparator.CompareObjects(left, Current()) == 0)
      ++_Index;
  }

private:
  const ORVSortedVector& _Set;
  const ORVComparator& _Comparator;
  unsigned int _Distinct;
  int _Count;
  int _Index = 0;
};

void AddIfGiven(ORVContainer* ioContainer, PEVBaseUnknown* iElement) {
  if (ioContainer) ioContainer->Add(iElement, ORVNotify);
}

// Appends one item of ConcatStrings: iItem's text (none for null), or the text for empty
// items; ioFirst is cleared once an item was appended.
void AppendTextItem(ORVString& ioResult, const PEVBaseUnknown* iItem, bool& ioFirst,
                    unsigned int iSkipEmpty, const char* iSeparator, const char* iPrefix,
                    const char* iSuffix, const char* iEmptyText) {
  const ORVString* text = nullptr;
  const char* chars = nullptr;
  if (iItem && iItem->GetMetaObject()->IsAKindOf(ORVString::MetaObject())) {
    text = static_cast<const ORVString*>(iItem);
    if (text->GetLength() == 0) text = nullptr;
  } else if (const auto* extChars = ORVCheckedCast<ORVExtChars>(iItem)) {
    // A DbNull value is an empty item: its GetChars would end the process.
    if (!extChars->IsDbNull()) chars = extChars->GetChars();
    if (chars && !*chars) chars = nullptr;
  }
  bool isEmpty = !text && !chars;
  if (isEmpty && iSkipEmpty) return;
  if (!ioFirst) ioResult += iSeparator;
  ioFirst = false;
  if (isEmpty) {
    ioResult += iEmptyText;
    return;
  }
  ioResult += iPrefix;
  if (text)
    ioResult += *text;
  else
    ioResult += chars;
  ioResult += iSuffix;
}

}  // namespace

void ORVUtilities::AppendContainers(ORVContainer& ioDestination, const ORVContainer& iSource) {
  Append(ioDestination, iSource, false);
}

void ORVUtilities::AppendContainersWithAddRef(ORVContainer& ioDestination,
                                              const ORVContainer& iSource) {
  Append(ioDestination, iSource, true);
}

void ORVUtilities::RemoveElements(ORVContainer& ioContainer, const ORVContainer& iToRemove,
                                  unsigned int iMustRemoveAll) {
  bool allRemoved;
  Remove(ioContainer, iToRemove, allRemoved);
  if (!allRemoved && iMustRemoveAll)
    ORV_FATAL("All the elements of Container2 aren't removed from Container1");
}

void ORVUtilities::RemoveElementsWithRelease(ORVContainer& ioContainer,
                                             const ORVContainer& iToRemove,
                                             unsigned int iMustRemoveAll) {
  bool allRemoved;
  // Released once all removals are made: a removal may still need an element (its hash
  // code) that an earlier release destroyed.
  for (PEVBaseUnknown* element : Remove(ioContainer, iToRemove, allRemoved))
    if (element) element->Release();
  if (!allRemoved && iMustRemoveAll)
    ORV_FATAL("All the elements of Container2 aren't removed from Container1");
}

unsigned int ORVUtilities::CheckNotMultiDefinedElementInVector(const ORVVector& iVector,
                                                               const ORVComparator& iComparator,
                                                               PEVBaseUnknown*) {
  int count = iVector.Size();
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j)
      if (iComparator.CompareObjects(iVector[i], iVector[j]) == 0) return 0;
  return 1;
}

void ORVUtilities::GetDistinctObjects(const ORVSortedVector& iObjSet,
                                      const ORVComparator& iComparator, ORVContainer& oDistinct,
                                      ORVContainer* oDuplicates) {
  if (!iObjSet.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet must be sorted by the comparator");
  ElementList elements = ElementsOf(iObjSet);
  if (elements.empty()) return;
  oDistinct.Add(elements[0], ORVNotify);
  for (std::size_t i = 1; i < elements.size(); ++i) {
    if (iComparator.CompareObjects(elements[i - 1], elements[i]) != 0)
      oDistinct.Add(elements[i], ORVNotify);
    else
      AddIfGiven(oDuplicates, elements[i]);
  }
}

void ORVUtilities::DiffSortedVectors(const ORVSortedVector& iObjSet1,
                                     const ORVSortedVector& iObjSet2,
                                     const ORVComparator& iComparator, unsigned int iDistinct,
                                     ORVContainer* oOnlyInSet1, ORVContainer* oOnlyInSet2,
                                     ORVContainer* oInBothSets, ORVContainer* oAll) {
  if (!iObjSet1.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet1 must be sorted by the comparator");
  if (!iObjSet2.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet2 must be sorted by the comparator");
  SortedWalk first(iObjSet1, iComparator, iDistinct);
  SortedWalk second(iObjSet2, iComparator, iDistinct);
  while (!first.AtEnd() || !second.AtEnd()) {
    int order = 0;
    if (first.AtEnd())
      order = 1;
    else if (second.AtEnd())
      order = -1;
    else
      order = iComparator.CompareObjects(first.Current(), second.Current());
    if (order < 0) {
      AddIfGiven(oOnlyInSet1, first.Current());
      AddIfGiven(oAll, first.Current());
      first.Step();
    } else if (order > 0) {
      AddIfGiven(oOnlyInSet2, second.Current());
      AddIfGiven(oAll, second.Current());
      second.Step();
    } else {
      AddIfGiven(oInBothSets, first.Current());
      AddIfGiven(oAll, first.Current());
      first.Step();
      second.Step();
    }
  }
}

unsigned int ORVUtilities::SetsSharesAtLeastOneElement(const ORVContainer& iSet1,
                                                       const ORVContainer& iSet2,
                                                       const ORVComparator& iComparatorForSet2,
                                                       const ORVComparator& iComparatorForSet1) {
  bool walkFirst = iSet1.Size() <= iSet2.Size();
  const ORVContainer& walked = walkFirst ? iSet1 : iSet2;
  const ORVContainer& searched = walkFirst ? iSet2 : iSet1;
  const ORVComparator& comparator = walkFirst ? iComparatorForSet2 : iComparatorForSet1;
  for (PEVBaseUnknown* element : ElementsOf(walked))
    if (searched.LookupOne(element, comparator)) return 1;
  return 0;
}

void ORVUtilities::ConcatStrings(ORVString& oResult, ORVOneWayIterator& iIterator,
                                 ORVConvertor* iConvertor, unsigned int iSkipEmpty,
                                 const char* iSeparator, const char* iPrefix, const char* iSuffix,
                                 const char* iEmptyText) {
  oResult.Copy(nullptr, 0);
  bool first = true;
  while (PEVBaseUnknown* object = iIterator.Next()) {
    const PEVBaseUnknown* item = object;
    if (iConvertor) {
      iConvertor->Set(object);
      item = iConvertor->GetConverted();
      if (!item) ORV_FATAL("pConverted is NULL");
    }
    AppendTextItem(oResult, item, first, iSkipEmpty, iSeparator, iPrefix, iSuffix, iEmptyText);
  }
}

ORVString ORVUtilities::ConcatStrings(ORVOneWayIterator& iIterator, ORVConvertor* iConvertor,
                                      unsigned int iSkipEmpty, const char* iSeparator,
                                      const char* iPrefix, const char* iSuffix,
                                      const char* iEmptyText) {
  ORVString result;
  ConcatStrings(result, iIterator, iConvertor, iSkipEmpty, iSeparator, iPrefix, iSuffix,
                iEmptyText);
  return result;
}

ORVString ORVUtilities::ConcatStrings(const ORVContainer& iContainer, unsigned int iSkipEmpty,
                                      const char* iSeparator, const char* iPrefix,
                                      const char* iSuffix, const char* iEmptyText) {
  ORVString result;
  result.Copy(nullptr, 0);
  bool first = true;
  for (PEVBaseUnknown* element : ElementsOf(iContainer))
    AppendTextItem(result, element, first, iSkipEmpty, iSeparator, iPrefix, iSuffix, iEmptyText);
  return result;
}
