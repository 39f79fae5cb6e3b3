// Tests of ORVSortedVector that its model test leaves out: the searches with their exact
// comparison counts, the fatal check of the flag, comparator compatibility, the address
// order, copies, disposal, and sorting at random.
#include "ORVSortedVector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVVectorCursor.h"
#include "PEVBaseUnknownCmpAddr.h"

namespace {

class ORVSortedVectorTest : public ORVContainerTestBase {
protected:
  // A vector by name of shapes named by the letters of iNames, sorted if iSort.
  ORVSortedVector& Named(const std::string& iNames, bool iSort = true) {
    ORVSortedVector& vector = _Sorted.emplace_back(_ByName, ORVDoNothingAtDelete);
    for (char name : iNames)
      vector.Append(Shape(std::string(1, name)));
    if (iSort) vector.Sort();
    return vector;
  }
  static std::string Letters(const ORVVector& iVector) {
    std::string names;
    for (int i = 0; i < iVector.Size(); ++i)
      names += NameOf(iVector[i]);
    return names;
  }
  static int IndexOf(ORVIterator& iIterator) {
    return ORVCheckedCast<ORVVectorCursor>(iIterator.Position())->GetIndex();
  }

  ORVTestShapeCmpName _ByName;
  std::deque<ORVSortedVector> _Sorted;
};
using ORVSortedVectorDeathTest = ORVSortedVectorTest;

}  // namespace

TEST_F(ORVSortedVectorTest, LookupsFindTheFirstOfARunAndWalkItOneComparisonAnElement) {
  ORVSortedVector& vector = Named("fdbdd");
  EXPECT_TRUE(vector.SearchUsesSort());
  ORVTestShape d("d");
  _ByName._Comparisons = 0;
  EXPECT_EQ(vector.LookupOne(&d), vector[1]);
  EXPECT_EQ(_ByName._Comparisons, 3);
  _ByName._Comparisons = 0;
  ORVIterator* iterator = vector.LookupAll(&d);
  std::vector<std::pair<int, int>> seen;  // (index, comparisons so far) at each element
  while (iterator->Next())
    seen.emplace_back(IndexOf(*iterator), _ByName._Comparisons);
  EXPECT_EQ(seen, (decltype(seen){{1, 3}, {2, 4}, {3, 5}}));
  EXPECT_EQ(_ByName._Comparisons, 6);  // one more to see the run end
  EXPECT_EQ(IndexOf(*iterator), 5);
  iterator->Release();
}

// By object: no more comparisons than a binary search when absent; continued from a given
// index, in the run of equal elements.
TEST_F(ORVSortedVectorTest, SearchesByObjectLookInTheRunOfEqualElements) {
  ORVSortedVector& bs = Named("abbbbbbc");
  ORVTestShape absent("bb");
  _ByName._Comparisons = 0;
  EXPECT_EQ(bs.SearchObject(0, 1, &absent), 8);
  EXPECT_LE(_ByName._Comparisons, 4);
  EXPECT_EQ(bs.SearchObject(5, 0, bs[6]), 6);
}

TEST_F(ORVSortedVectorDeathTest, CheckingAVectorOutOfOrderIsFatal) {
  ORVSortedVector& vector = Named("acb", false);
  ExpectFatalReport([&] { vector.SetIsSorted(1, 1); }, "The vector isn't sorted",
                    "src/ORVSortedVector.cpp");
  vector.SetIsSorted(1, 0);  // unchecked: taken at its word
  EXPECT_TRUE(vector.IsSorted());
}

TEST_F(ORVSortedVectorTest, ARelatedComparatorKeepsTheOrderAndAnUnrelatedOneDropsIt) {
  ORVSortedVector& vector = Named("cab", false);
  ORVTestShapeCmpNameDerived derived;
  ORVTestShapeCmpLengthCompatible compatible;
  ORVTestShapeCmpLength unrelated;
  // {comparator set, sorted just before, sorted after}, in turn: a base class cannot
  // search a derived class's order, and a flag once cleared stays cleared.
  const std::tuple<const ORVComparator*, bool, bool> rows[] = {{&derived, true, true},
                                                               {&_ByName, false, false},
                                                               {&compatible, true, true},
                                                               {&unrelated, false, false},
                                                               {&_ByName, false, false}};
  for (const auto& [comparator, sort, sorted] : rows) {
    if (sort) vector.Sort();
    vector.SetComparator(*comparator);
    EXPECT_EQ(vector.IsSorted() != 0, sorted) << comparator->GetMetaObject()->GetClassName();
    EXPECT_TRUE(comparator != &derived || !vector.SearchUsesSort(_ByName));
  }
}

TEST_F(ORVSortedVectorTest, WithoutComparatorTheOrderIsTheAddressOrder) {
  ORVSortedVector vector(ORVDoNothingAtDelete, 4);
  EXPECT_EQ(vector.GetComparator(), PEVBaseUnknownCmpAddr::GetGlobal());
  AppendAll(vector, {&_C, &_A, &_D, &_B});
  vector.Sort();
  EXPECT_TRUE(std::is_sorted(vector.Contents(), vector.Contents() + 4, std::less<>()));
  ORVTestShape otherA("a");
  EXPECT_EQ(vector.LookupOne(&_A), &_A);
  EXPECT_EQ(vector.LookupOne(&otherA), nullptr);
  EXPECT_EQ(vector.LookupOne(&otherA, _ByName), &_A);  // incompatible: linear
}

TEST_F(ORVSortedVectorTest, CopiesKeepTheOrderButAPlainVectorsElementsAreUnsorted) {
  ORVSortedVector& vector = Named("cab");
  ORVSortedVector copy(vector), target(_ByName, ORVDoNothingAtDelete);
  EXPECT_TRUE(copy.IsSorted());
  EXPECT_EQ(copy.GetComparator(), &_ByName);
  EXPECT_EQ(Letters(copy), "abc");
  ORVVector& asVector = target;
  asVector = VectorOf({&_Shapes[0], &_Shapes[1]});
  EXPECT_EQ(Letters(target), "ca");
  EXPECT_FALSE(target.IsSorted());
  asVector = vector;  // a sorted vector brings its flag along
  EXPECT_TRUE(target.IsSorted());
  ORVTestShape b("b");
  EXPECT_EQ(target.LookupOne(&b), vector[1]);
}

// At random, or first "less" long enough to reach the heap sort past the depth limit.
TEST_F(ORVSortedVectorTest, SortWithARandomComparatorStaysInsideTheArray) {
  std::vector<ORVTestShape> pool(2000);
  for (int lessFirst : {0, 80000}) {
    for (int count : {2, 17, 40, 2000}) {
      ORVTestRandomCmp random(12345, lessFirst);
      ORVSortedVector vector(random, ORVDoNothingAtDelete, count);
      std::vector<PEVBaseUnknown*> elements;
      for (int i = 0; i < count; ++i)
        vector.Append(elements.emplace_back(&pool[(std::size_t)i]));
      for (int round = 0; round < 5; ++round)
        vector.Sort();
      // Whatever the order, the same elements, each once.
      std::vector<PEVBaseUnknown*> sorted(vector.Contents(), vector.Contents() + vector.Size());
      std::sort(sorted.begin(), sorted.end());
      EXPECT_EQ(sorted, elements) << count;
    }
  }
}

// Below two elements every vector reads as sorted, so the flag these operations set
// cannot be seen; what they do to the elements can.
TEST_F(ORVSortedVectorTest, ReleaseElementsAndClearAndDestroyDisposeOfTheElementsOnce) {
  ORVSortedVector& vector = Named("", false);
  _A.AddRef();
  _B.AddRef();
  AppendAll(vector, {&_B, &_A});
  vector.ReleaseElementsAndClear();
  EXPECT_EQ(vector.Size(), 0);
  EXPECT_EQ(_A.GetRefCount(), 1u);
  EXPECT_EQ(_B.GetRefCount(), 1u);
  int live = ORVTestShape::_LiveCount;
  AppendAll(vector, {new ORVTestShape("y"), new ORVTestShape("x")});
  vector.Destroy();
  EXPECT_EQ(vector.Size(), 0);
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
}
