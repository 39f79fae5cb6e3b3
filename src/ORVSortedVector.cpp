#include "ORVSortedVector.h"

#include <utility>

#include "ORVFatal.h"
#include "ORVVectorCursor.h"
#include "PEVBaseUnknownCmpAddr.h"

ORV_META_OBJECT_DEFINE(ORVSortedVector, ORVVector)
ORV_RFHNDLR_DEFINE(ORVSortedVector)

const ORVComparator* ORVSortedVector::_pSortComparator = nullptr;

// Puts the comparator of a sort or binary search in the class-level slot for its
// duration and gives back what was there, so that the slot never outlives its
// comparator and a comparator may itself search another sorted vector.
class ORVSortedVectorComparatorSlot {
public:
  explicit ORVSortedVectorComparatorSlot(const ORVComparator& iComparator)
      : _pPrevious(ORVSortedVector::_pSortComparator) {
    ORVSortedVector::_pSortComparator = &iComparator;
  }
  ~ORVSortedVectorComparatorSlot() { ORVSortedVector::_pSortComparator = _pPrevious; }
  ORVSortedVectorComparatorSlot(const ORVSortedVectorComparatorSlot&) = delete;
  ORVSortedVectorComparatorSlot& operator=(const ORVSortedVectorComparatorSlot&) = delete;

  static int Compare(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) {
    return ORVSortedVector::_pSortComparator->CompareObjects(iFirst, iSecond);
  }

private:
  const ORVComparator* _pPrevious;
};

namespace {

using Element = PEVBaseUnknown*;

bool Less(Element iFirst, Element iSecond) {
  return ORVSortedVectorComparatorSlot::Compare(iFirst, iSecond) < 0;
}

// The sort below keeps every index inside the array whatever the comparator answers,
// even one that is no strict weak ordering: each scan is bounded by the array's ends.
const int kInsertionSortThreshold = 16;

void InsertionSort(Element* ioArray, int iCount) {
  for (int i = 1; i < iCount; ++i) {
    Element value = ioArray[i];
    int j = i;
    for (; j > 0 && Less(value, ioArray[j - 1]); --j)
      ioArray[j] = ioArray[j - 1];
    ioArray[j] = value;
  }
}

void SiftDown(Element* ioArray, long long iRoot, long long iCount) {
  Element value = ioArray[iRoot];
  for (;;) {
    long long child = 2 * iRoot + 1;
    if (child >= iCount) break;
    if (child + 1 < iCount && Less(ioArray[child], ioArray[child + 1])) ++child;
    if (!Less(value, ioArray[child])) break;
    ioArray[iRoot] = ioArray[child];
    iRoot = child;
  }
  ioArray[iRoot] = value;
}

void HeapSort(Element* ioArray, int iCount) {
  for (int i = iCount / 2 - 1; i >= 0; --i)
    SiftDown(ioArray, i, iCount);
  for (int last = iCount - 1; last > 0; --last) {
    std::swap(ioArray[0], ioArray[last]);
    SiftDown(ioArray, 0, last);
  }
}

// The median of the second, middle and last elements goes first, as the pivot.
void MoveMedianToFirst(Element* ioArray, int iCount) {
  Element* first = ioArray + 1;
  Element* middle = ioArray + iCount / 2;
  Element* last = ioArray + iCount - 1;
  Element* median;
  if (Less(*first, *middle)) {
    if (Less(*middle, *last))
      median = middle;
    else if (Less(*first, *last))
      median = last;
    else
      median = first;
  } else if (Less(*first, *last)) {
    median = first;
  } else if (Less(*middle, *last)) {
    median = last;
  } else {
    median = middle;
  }
  std::swap(ioArray[0], *median);
}

// Partitions around the first element and returns its final index: nothing after
// it sorts before it, nothing before it sorts after it.
int Partition(Element* ioArray, int iCount) {
  Element pivot = ioArray[0];
  int low = 0;
  int high = iCount;
  for (;;) {
    do {
      ++low;
    } while (low < iCount && Less(ioArray[low], pivot));
    do {
      --high;
    } while (high > 0 && Less(pivot, ioArray[high]));
    if (low >= high) break;
    std::swap(ioArray[low], ioArray[high]);
  }
  std::swap(ioArray[0], ioArray[high]);
  return high;
}

// Introsort: quicksort down to small runs, heapsort past the depth limit.
void IntroSort(Element* ioArray, int iCount, int iDepthLimit) {
  while (iCount > kInsertionSortThreshold) {
    if (iDepthLimit == 0) {
      HeapSort(ioArray, iCount);
      return;
    }
    --iDepthLimit;
    MoveMedianToFirst(ioArray, iCount);
    int cut = Partition(ioArray, iCount);
    int lowCount = cut;
    int highCount = iCount - cut - 1;
    // The smaller side by recursion, the larger by the loop: the stack stays logarithmic.
    if (lowCount < highCount) {
      IntroSort(ioArray, lowCount, iDepthLimit);
      ioArray += cut + 1;
      iCount = highCount;
    } else {
      IntroSort(ioArray + cut + 1, highCount, iDepthLimit);
      iCount = lowCount;
    }
  }
  InsertionSort(ioArray, iCount);
}

void GuardedSort(Element* ioArray, int iCount) {
  int depthLimit = 0;
  for (int count = iCount; count > 1; count >>= 1)
    depthLimit += 2;
  IntroSort(ioArray, iCount, depthLimit);
}

// The lowest index of [iLow, iHigh) whose element matches iPattern, or -1: the
// lowest of the matching probes, which is the first of the run in a sorted array.
int LowestMatch(const Element* iArray, int iLow, int iHigh, const PEVBaseUnknown* iPattern) {
  int match = -1;
  while (iLow < iHigh) {
    int middle = iLow + (iHigh - iLow) / 2;
    int comparison = ORVSortedVectorComparatorSlot::Compare(iPattern, iArray[middle]);
    if (comparison > 0) {
      iLow = middle + 1;
      continue;
    }
    if (comparison == 0) match = middle;
    iHigh = middle;
  }
  return match;
}

// The highest index of [iLow, iHigh) whose element matches iPattern, or -1.
int HighestMatch(const Element* iArray, int iLow, int iHigh, const PEVBaseUnknown* iPattern) {
  int match = -1;
  while (iLow < iHigh) {
    int middle = iLow + (iHigh - iLow) / 2;
    int comparison = ORVSortedVectorComparatorSlot::Compare(iPattern, iArray[middle]);
    if (comparison < 0) {
      iHigh = middle;
      continue;
    }
    if (comparison == 0) match = middle;
    iLow = middle + 1;
  }
  return match;
}

}  // namespace

ORVSortedVector::ORVSortedVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVVector(iWhatToDoAtDelete), _pComparator(PEVBaseUnknownCmpAddr::GetGlobal()) {}

ORVSortedVector::ORVSortedVector(ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity)
    : ORVVector(iWhatToDoAtDelete, iCapacity), _pComparator(PEVBaseUnknownCmpAddr::GetGlobal()) {}

ORVSortedVector::ORVSortedVector(const ORVComparator& iComparator,
                                 ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete)
    : ORVVector(iWhatToDoAtDelete), _pComparator(&iComparator) {}

ORVSortedVector::ORVSortedVector(const ORVComparator& iComparator,
                                 ORVContainerWhatToDoAtDeleteEnum iWhatToDoAtDelete, int iCapacity)
    : ORVVector(iWhatToDoAtDelete, iCapacity), _pComparator(&iComparator) {}

ORVSortedVector::ORVSortedVector(const ORVSortedVector& iOther)
    : ORVVector(iOther), _Sorted(iOther._Sorted), _pComparator(iOther._pComparator) {}

ORVSortedVector& ORVSortedVector::operator=(const ORVSortedVector& iOther) {
  ORVVector::operator=(iOther);
  _Sorted = iOther._Sorted;
  _pComparator = iOther._pComparator;
  return *this;
}

ORVVector& ORVSortedVector::operator=(const ORVVector& iOther) {
  if (iOther.IsAKindOf(ORVSortedVector::ClassName()))
    return *this = static_cast<const ORVSortedVector&>(iOther);
  ORVVector::operator=(iOther);
  _Sorted = 0;
  return *this;
}

PEVBaseUnknown* ORVSortedVector::LookupOne(const PEVBaseUnknown* iPattern) const {
  return ORVVector::LookupOne(iPattern, *_pComparator);
}

ORVIterator* ORVSortedVector::LookupAll(const PEVBaseUnknown* iPattern) const {
  return ORVVector::LookupAll(iPattern, *_pComparator);
}

ORVIterator* ORVSortedVector::LookupAll(const ORVCursor* iCursor,
                                        const PEVBaseUnknown* iPattern) const {
  return ORVVector::LookupAll(iCursor, iPattern, *_pComparator);
}

void ORVSortedVector::Add(PEVBaseUnknown* iObject, unsigned int iNotify) {
  ORVVector::Add(iObject, iNotify);
  _Sorted = 0;
}

unsigned int ORVSortedVector::Replace(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                                      unsigned int iNotify) {
  unsigned int replaced = ORVVector::Replace(iOld, iNew, iNotify);
  if (replaced) _Sorted = 0;
  return replaced;
}

void ORVSortedVector::Clear(unsigned int iNotify) {
  ORVVector::Clear(iNotify);
  _Sorted = 1;
}

void ORVSortedVector::ReleaseElementsAndClear() {
  ORVVector::ReleaseElementsAndClear();
  _Sorted = 1;
}

void ORVSortedVector::Destroy() {
  ORVVector::Destroy();
  _Sorted = 1;
}

void ORVSortedVector::Set(int iIndex, PEVBaseUnknown* iObject) {
  ORVVector::Set(iIndex, iObject);
  _Sorted = 0;
}

void ORVSortedVector::Set(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  ORVVector::Set(iCursor, iObject);
  _Sorted = 0;
}

void ORVSortedVector::Insert(PEVBaseUnknown* iObject, int iIndex) {
  ORVVector::Insert(iObject, iIndex);
  _Sorted = 0;
}

void ORVSortedVector::Append(PEVBaseUnknown* iObject) {
  ORVVector::Append(iObject);
  _Sorted = 0;
}

unsigned int ORVSortedVector::InsertAfter(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  unsigned int inserted = ORVVector::InsertAfter(iCursor, iObject);
  if (inserted) _Sorted = 0;
  return inserted;
}

unsigned int ORVSortedVector::InsertBefore(ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  unsigned int inserted = ORVVector::InsertBefore(iCursor, iObject);
  if (inserted) _Sorted = 0;
  return inserted;
}

PEVBaseUnknown* ORVSortedVector::Replace(const ORVCursor* iCursor, PEVBaseUnknown* iObject) {
  PEVBaseUnknown* old = ORVVector::Replace(iCursor, iObject);
  // The cursor was checked by the vector; a null result may be a null element replaced.
  int index = static_cast<const ORVVectorCursor*>(iCursor)->GetIndex();
  if (index >= 0 && index < Size()) _Sorted = 0;
  return old;
}

int ORVSortedVector::Search(int iStart, unsigned int iForward, unsigned int iFirstSearch,
                            const PEVBaseUnknown* iPattern,
                            const ORVComparator& iComparator) const {
  if (!SearchUsesSort(iComparator))
    return ORVVector::Search(iStart, iForward, iFirstSearch, iPattern, iComparator);
  int count = Size();
  if (iStart < 0) return iStart;
  if (iStart >= count) return count;
  int none = iForward ? count : -1;
  PEVBaseUnknown** contents = Contents();
  if (!iFirstSearch)
    return iComparator.CompareObjects(iPattern, contents[iStart]) == 0 ? iStart : none;
  ORVSortedVectorComparatorSlot slot(iComparator);
  int match = iForward ? LowestMatch(contents, iStart, count, iPattern)
                       : HighestMatch(contents, 0, iStart + 1, iPattern);
  return match < 0 ? none : match;
}

int ORVSortedVector::SearchObject(int iStart, unsigned int iFirstSearch,
                                  const PEVBaseUnknown* iObject) const {
  int count = Size();
  if (count == 0) return 0;
  if (!IsSorted()) return ORVVector::SearchObject(iStart, iFirstSearch, iObject);
  PEVBaseUnknown** contents = Contents();
  int index = iStart < 0 ? 0 : iStart;
  if (iFirstSearch) {
    ORVSortedVectorComparatorSlot slot(*_pComparator);
    index = LowestMatch(contents, 0, count, iObject);
    if (index < 0) return count;
  }
  // Only the run of elements equal to iObject can hold it.
  for (; index < count; ++index) {
    if (contents[index] == iObject) return index;
    if (_pComparator->CompareObjects(iObject, contents[index]) != 0) break;
  }
  return count;
}

void ORVSortedVector::Sort() {
  if (Size() > 1) {
    ORVSortedVectorComparatorSlot slot(*_pComparator);
    GuardedSort(Contents(), Size());
  }
  _Sorted = 1;
}

unsigned int ORVSortedVector::IsSorted() const {
  return _Sorted || Size() < 2;
}

void ORVSortedVector::SetIsSorted(unsigned int iSorted, unsigned int iCheck) {
  if (iSorted && iCheck) {
    PEVBaseUnknown** contents = Contents();
    for (int i = 1; i < Size(); ++i)
      if (_pComparator->CompareObjects(contents[i], contents[i - 1]) < 0)
        ORV_FATAL("The vector isn't sorted");
  }
  _Sorted = iSorted ? 1 : 0;
}

void ORVSortedVector::SetComparator(const ORVComparator& iComparator) {
  if (_Sorted && _pComparator)
    _Sorted = ORVComparator::FirstCanBeUsedInSetSortedBySecond(iComparator, *_pComparator);
  _pComparator = &iComparator;
}

const ORVComparator* ORVSortedVector::GetComparator() const {
  return _pComparator;
}

unsigned int ORVSortedVector::SearchUsesSort(const ORVComparator& iComparator) const {
  return IsSorted() && _pComparator &&
         ORVComparator::FirstCanBeUsedInSetSortedBySecond(iComparator, *_pComparator);
}

unsigned int ORVSortedVector::SearchUsesSort() const {
  return _pComparator ? SearchUsesSort(*_pComparator) : 0;
}

int ORVSortedVector::CompareFun(const void* iFirst, const void* iSecond) {
  if (!_pSortComparator) ORV_FATAL("ORVSortedVector::CompareFun(): no comparator");
  return ORVSortedVectorComparatorSlot::Compare(*static_cast<PEVBaseUnknown* const*>(iFirst),
                                                *static_cast<PEVBaseUnknown* const*>(iSecond));
}
