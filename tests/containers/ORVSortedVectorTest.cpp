// Tests of ORVSortedVector: binary searches and runs with their exact comparison
// counts, the sorted flag through every change, comparator compatibility, sorting
// (also with a comparator that answers at random) and a randomized model comparison.
#include "ORVSortedVector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVIterator.h"
#include "ORVVectorCursor.h"
#include "PEVBaseUnknownCmpAddr.h"

using testing::ElementsAre;

namespace {

const char kSortedVectorFile[] = "src/ORVSortedVector.cpp";

class ORVSortedVectorTest : public ORVContainerTestBase {
protected:
  // Shapes named by the letters of iNames, appended in that order.
  void AppendNamed(ORVSortedVector& ioVector, const std::string& iNames) {
    for (char name : iNames)
      ioVector.Append(Shape(std::string(1, name)));
  }

  static std::string Names(const ORVVector& iVector) {
    std::string names;
    for (int i = 0; i < iVector.Size(); ++i)
      names += NameOf(iVector[i]);
    return names;
  }

  static int IndexOf(ORVIterator& iIterator) {
    return ORVCheckedCast<ORVVectorCursor>(iIterator.Position())->GetIndex();
  }

  ORVTestShapeCmpName _ByName;
};
using ORVSortedVectorDeathTest = ORVSortedVectorTest;

}  // namespace

TEST_F(ORVSortedVectorTest, LookupsFindTheFirstOfARunAndWalkItOneComparisonAnElement) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "fdbdd");
  vector.Sort();
  EXPECT_EQ(Names(vector), "bdddf");
  EXPECT_TRUE(vector.SearchUsesSort());
  ORVTestShape d("d");
  _ByName._Comparisons = 0;
  EXPECT_EQ(vector.LookupOne(&d), vector[1]);
  EXPECT_EQ(_ByName._Comparisons, 3);
  _ByName._Comparisons = 0;
  ORVIterator* iterator = vector.LookupAll(&d);
  std::vector<int> indexes;
  std::vector<int> comparisons;
  while (iterator->Next()) {
    indexes.push_back(IndexOf(*iterator));
    comparisons.push_back(_ByName._Comparisons);
  }
  EXPECT_THAT(indexes, ElementsAre(1, 2, 3));
  EXPECT_THAT(comparisons, ElementsAre(3, 4, 5));
  EXPECT_EQ(_ByName._Comparisons, 6);  // one more to see the run end
  EXPECT_EQ(IndexOf(*iterator), 5);
  iterator->Release();
}

TEST_F(ORVSortedVectorTest, BinarySearchesFindTheEndOfTheRunNearestTheStart) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "bdddf");
  vector.Sort();
  ORVTestShape d("d");
  // {start, forward, first search, expected}: a negative start is returned, a start past
  // the end gives the count, a continued search looks at the start only.
  const int rows[][4] = {{0, 1, 1, 1}, {2, 1, 1, 2},  {4, 1, 1, 5},   {4, 0, 1, 3},
                         {2, 0, 1, 2}, {0, 0, 1, -1}, {-1, 1, 1, -1}, {9, 0, 1, 5},
                         {3, 1, 0, 3}, {4, 1, 0, 5},  {0, 0, 0, -1}};
  for (const auto& row : rows) {
    int comparisons = _ByName._Comparisons;
    EXPECT_EQ(vector.Search(row[0], row[1], row[2], &d, _ByName), row[3]) << row[0] << row[1];
    if (!row[2]) {
      EXPECT_EQ(_ByName._Comparisons, comparisons + 1);
    }
  }
}

TEST_F(ORVSortedVectorDeathTest, CheckingAVectorOutOfOrderIsFatal) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "acb");
  ExpectFatalReport([&] { vector.SetIsSorted(1, 1); }, "The vector isn't sorted",
                    kSortedVectorFile);
  vector.SetIsSorted(1, 0);  // unchecked: taken at its word
  EXPECT_TRUE(vector.IsSorted());
}

TEST_F(ORVSortedVectorTest, ARelatedComparatorKeepsTheOrderAndAnUnrelatedOneDropsIt) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "cab");
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
    EXPECT_EQ(vector.GetComparator(), comparator);
    EXPECT_EQ(vector.IsSorted() != 0, sorted) << comparator->GetMetaObject()->GetClassName();
    if (comparator == &derived) {
      EXPECT_FALSE(vector.SearchUsesSort(_ByName));
    }
  }
}

TEST_F(ORVSortedVectorTest, ContainsLooksOnlyInTheRunOfEqualElements) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "abbbbbbc");
  vector.Sort();
  PEVBaseUnknown* lastB = vector[6];
  ORVTestShape otherB("b");
  EXPECT_TRUE(vector.Contains(lastB));
  EXPECT_EQ(vector.SearchObject(0, 1, lastB), 6);
  EXPECT_FALSE(vector.Contains(&otherB));
  EXPECT_EQ(vector.SearchObject(0, 1, &otherB), 8);
  ORVTestShape absent("bb");
  _ByName._Comparisons = 0;
  EXPECT_EQ(vector.SearchObject(0, 1, &absent), 8);
  EXPECT_LE(_ByName._Comparisons, 4);
  EXPECT_EQ(vector.SearchObject(5, 0, lastB), 6);  // continued from a given index
  ORVSortedVector empty(_ByName, ORVDoNothingAtDelete);
  EXPECT_EQ(empty.SearchObject(0, 1, &otherB), 0);
}

TEST_F(ORVSortedVectorTest, WithoutComparatorTheOrderIsTheAddressOrder) {
  ORVSortedVector vector(ORVDoNothingAtDelete, 4);
  EXPECT_EQ(vector.GetComparator(), PEVBaseUnknownCmpAddr::GetGlobal());
  AppendAll(vector, {&_C, &_A, &_D, &_B});
  vector.Sort();
  for (int i = 1; i < vector.Size(); ++i)
    EXPECT_LT((uintptr_t)vector[i - 1], (uintptr_t)vector[i]);
  ORVTestShape otherA("a");
  EXPECT_EQ(vector.LookupOne(&_A), &_A);
  EXPECT_EQ(vector.LookupOne(&otherA), nullptr);
  EXPECT_EQ(vector.LookupOne(&otherA, _ByName), &_A);  // incompatible: linear
}

TEST_F(ORVSortedVectorTest, CopiesKeepTheOrderButAPlainVectorsElementsAreUnsorted) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
  AppendNamed(vector, "cab");
  vector.Sort();
  ORVSortedVector copy(vector);
  EXPECT_TRUE(copy.IsSorted());
  EXPECT_EQ(copy.GetComparator(), &_ByName);
  EXPECT_EQ(Names(copy), "abc");

  ORVVector& plain = VectorOf({&_Shapes[0], &_Shapes[1]});
  ORVSortedVector target(_ByName, ORVDoNothingAtDelete);
  ORVVector& asVector = target;
  asVector = plain;
  EXPECT_EQ(Names(target), "ca");
  EXPECT_FALSE(target.IsSorted());
  asVector = vector;  // a sorted vector brings its flag along
  EXPECT_TRUE(target.IsSorted());
  ORVTestShape b("b");
  EXPECT_EQ(target.LookupOne(&b), vector[1]);
}

TEST_F(ORVSortedVectorTest, SortOrdersRandomOrderedReversedAndEqualInputs) {
  std::mt19937 generator(7);
  std::vector<std::string> inputs;
  for (int count : {0, 1, 2, 3, 16, 17, 100, 5000}) {
    inputs.emplace_back();
    for (int i = 0; i < count; ++i)
      inputs.back() += (char)('a' + generator() % 20);
  }
  std::string ascending;
  for (int i = 0; i < 3000; ++i)
    ascending += (char)('!' + i % 90);
  std::sort(ascending.begin(), ascending.end());
  inputs.insert(inputs.end(), {ascending, std::string(ascending.rbegin(), ascending.rend()),
                               std::string(3000, 'q')});
  for (const std::string& names : inputs) {
    ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
    AppendNamed(vector, names);
    _ByName._Comparisons = 0;
    vector.Sort();
    std::string sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Names(vector), sorted) << names.size();
    EXPECT_TRUE(vector.IsSorted());
    if (names.size() == 3000) {
      EXPECT_LT(_ByName._Comparisons, 3000 * 12 * 2);  // n log n, not quadratic
    }
  }
}

TEST_F(ORVSortedVectorTest, SortWithARandomComparatorStaysInsideTheArray) {
  ORVTestRandomCmp random(12345);
  std::vector<ORVTestShape> pool(2000);
  for (int count : {2, 17, 40, 2000}) {
    ORVSortedVector vector(random, ORVDoNothingAtDelete, count);
    std::vector<PEVBaseUnknown*> elements;
    for (int i = 0; i < count; ++i) {
      elements.push_back(&pool[(std::size_t)i]);
      vector.Append(&pool[(std::size_t)i]);
    }
    for (int round = 0; round < 5; ++round)
      vector.Sort();
    // Whatever the order, the same elements, each once.
    std::vector<PEVBaseUnknown*> sorted(vector.Contents(), vector.Contents() + vector.Size());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, elements) << count;
  }
}

// Below two elements every vector reads as sorted, so the flag these operations set
// cannot be seen; what they do to the elements can.
TEST_F(ORVSortedVectorTest, ReleaseElementsAndClearAndDestroyDisposeOfTheElementsOnce) {
  ORVSortedVector vector(_ByName, ORVDoNothingAtDelete);
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

TEST_F(ORVSortedVectorTest, BackwardSearchesThatFindNothingGiveMinusOne) {
  ORVSortedVector sorted(_ByName, ORVDoNothingAtDelete);
  AppendNamed(sorted, "bdf");
  sorted.Sort();
  ORVTestShape a("a");
  ORVTestShape f("f");
  EXPECT_EQ(sorted.Search(2, 0, 1, &a, _ByName), -1);
  EXPECT_EQ(sorted.Search(1, 0, 1, &f, _ByName), -1);  // f lies after the start
  ORVIterator* iterator = sorted.LookupAll(&a);
  iterator->ToEnd();
  EXPECT_EQ(iterator->Previous(), nullptr);
  EXPECT_EQ(IndexOf(*iterator), -1);
  iterator->Release();
  ORVVector plain(ORVDoNothingAtDelete);
  plain = sorted;
  EXPECT_EQ(plain.Search(2, 0, 1, &a, _ByName), -1);
  iterator = plain.LookupAll(&a, _ByName);
  iterator->ToEnd();
  EXPECT_EQ(iterator->Previous(), nullptr);
  iterator->Release();
}
