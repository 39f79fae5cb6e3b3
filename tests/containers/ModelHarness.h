// ModelHarness.h - the one harness of the container model tests: named operations drawn
// by one seedable generator, and the checks of a container against its model (the
// elements in order both ways, and random walks of its iterators).
#pragma once

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <set>

#include "ContainerTestClasses.h"
#include "ORVHashTable.h"

using Elements = std::vector<PEVBaseUnknown*>;

inline void EraseAll(Elements& ioModel, const PEVBaseUnknown* iObject) {
  ioModel.erase(std::remove(ioModel.begin(), ioModel.end(), iObject), ioModel.end());
}
// Erases the elements at iIndexes (in any order, repeats allowed).
inline void EraseAt(Elements& ioModel, const std::vector<std::size_t>& iIndexes) {
  std::set<std::size_t, std::greater<>> indexes(iIndexes.begin(), iIndexes.end());
  for (std::size_t index : indexes)
    ioModel.erase(ioModel.begin() + (long)index);
}
inline bool Has(const Elements& iModel, const PEVBaseUnknown* iObject) {
  return std::find(iModel.begin(), iModel.end(), iObject) != iModel.end();
}

// One change (or look-up) made on the container and on its model alike.
struct ModelOperation {
  const char* _Name;
  std::function<void()> _Make;
};
using ModelOperations = std::vector<ModelOperation>;

class ModelDriver {
public:
  explicit ModelDriver(unsigned int iSeed) : _Generator(iSeed) {}

  int Random(int iBound) { return (int)(_Generator() % (unsigned int)iBound); }

  // iSteps steps, each prepared by iPrepare, then drawing one of iOperations, made, then
  // checked by iCheck. With iGrowing, the phases alternate every iPhase steps: in the
  // growing ones half of the draws take one of the first iGrowing operations, so sizes
  // go up to a few hundred and back. Stops at the first fatal failure.
  void Run(int iSteps, const ModelOperations& iOperations, const std::function<void()>& iCheck,
           const std::function<void()>& iPrepare = nullptr, int iGrowing = 0, int iPhase = 1000) {
    for (int step = 0; step < iSteps && !testing::Test::HasFatalFailure(); ++step) {
      if (iPrepare) iPrepare();
      bool growing = iGrowing > 0 && (step / iPhase) % 2 == 0 && Random(2) == 0;
      const ModelOperation& operation =
          iOperations[(std::size_t)Random(growing ? iGrowing : (int)iOperations.size())];
      SCOPED_TRACE("step " + std::to_string(step) + ": " + operation._Name);
      operation._Make();
      if (!testing::Test::HasFatalFailure()) iCheck();
    }
  }

  // iContainer holds iModel in this order, forward and backward.
  static void ExpectHolds(const ORVContainer& iContainer, const Elements& iModel) {
    ASSERT_EQ(ElementsOf(iContainer), iModel);
    ASSERT_EQ(ElementsOf(iContainer, false), iModel);
  }

  // Random steps of iIterator (released here), which starts at iStart (-1: before the
  // first) of iOrder and stops only at the elements iMatches keeps: Next and Previous
  // stay at the ends and resume from there, ToBegin and ToEnd go to them.
  void ExpectWalk(ORVIterator* iIterator, const Elements& iOrder, int iStart,
                  const std::function<bool(PEVBaseUnknown*)>& iMatches = nullptr) {
    int count = (int)iOrder.size(), at = iStart;
    for (int move = 0; move < 12; ++move) {
      int kind = Random(6);  // 0 ToBegin, 1 ToEnd, 2 and 3 Next, 4 and 5 Previous
      if (kind < 2) {
        kind ? iIterator->ToEnd() : iIterator->ToBegin();
        at = kind ? count : -1;
        continue;
      }
      do
        at += kind < 4 ? 1 : -1;
      while (at >= 0 && at < count && iMatches && !iMatches(iOrder[(std::size_t)at]));
      at = std::min(std::max(at, -1), count);
      PEVBaseUnknown* expected = at >= 0 && at < count ? iOrder[(std::size_t)at] : nullptr;
      PEVBaseUnknown* found = kind < 4 ? iIterator->Next() : iIterator->Previous();
      EXPECT_EQ(found, expected) << "move " << move << " from " << iStart;
      if (found != expected) break;
    }
    iIterator->Release();
  }

  // A walk over iOrder, the container's iteration order, that removes one element in
  // iOneIn through the iterator's own cursor; the walk goes on with the next. Gives the
  // indexes in iOrder of those removed.
  template <class Container>
  std::vector<std::size_t> RemoveAtTheCursor(Container& ioContainer, const Elements& iOrder,
                                             int iOneIn) {
    std::vector<std::size_t> removed;
    ORVIterator* iterator = ioContainer.MakeIterator(nullptr);
    for (std::size_t i = 0; i < iOrder.size(); ++i) {
      EXPECT_EQ(iterator->Next(), iOrder[i]);
      if (Random(iOneIn) != 0) continue;
      EXPECT_EQ(ioContainer.Remove(const_cast<ORVCursor*>(iterator->Position())), iOrder[i]);
      removed.push_back(i);
    }
    EXPECT_EQ(iterator->Next(), nullptr);
    iterator->Release();
    return removed;
  }

  // A walk over iOrder that removes by object (every occurrence) one element in iOneIn
  // that it meets: the iterator goes on with the element that followed. Gives those removed.
  Elements RemoveUnderTheIterator(ORVContainer& ioContainer, Elements iOrder, int iOneIn) {
    Elements removed;
    ORVIterator* iterator = ioContainer.MakeIterator(nullptr);
    for (std::size_t passed = 0; passed < iOrder.size();) {
      PEVBaseUnknown* current = iterator->Next();
      EXPECT_EQ(current, iOrder[passed]);
      if (current != iOrder[passed]) break;
      if (Random(iOneIn) != 0 && ++passed) continue;
      passed -= (std::size_t)std::count(iOrder.begin(), iOrder.begin() + (long)passed, current);
      EXPECT_NE(ioContainer.Remove(current, ORVNotify), 0u);
      EraseAll(iOrder, current);
      removed.push_back(current);
    }
    EXPECT_EQ(iterator->Next(), nullptr);
    iterator->Release();
    return removed;
  }

private:
  std::mt19937 _Generator;
};

// The model of a hash table: its elements in insertion order and its bucket count, 16,
// doubled whenever the count passes twice it. The table iterates bucket after bucket,
// in insertion order within each.
class HashModel {
public:
  explicit HashModel(const ORVHashCoder& iCoder) : _Coder(iCoder) {}

  void Add(PEVBaseUnknown* iElement) {
    _Inserted.push_back(iElement);
    if ((int)_Inserted.size() > 2 * _Dimension) _Dimension *= 2;
  }
  unsigned int Bucket(const PEVBaseUnknown* iElement) const {
    return _Coder.Code(iElement) & (unsigned int)(_Dimension - 1);
  }
  // The iteration order as indexes into the insertion order.
  std::vector<std::size_t> OrderIndexes() const {
    std::vector<std::size_t> indexes(_Inserted.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t iFirst, std::size_t iSecond) {
      return Bucket(_Inserted[iFirst]) < Bucket(_Inserted[iSecond]);
    });
    return indexes;
  }
  Elements Order() const {
    Elements order;
    for (std::size_t index : OrderIndexes())
      order.push_back(_Inserted[index]);
    return order;
  }
  void ExpectHeldBy(const ORVHashTable& iTable) const {
    ASSERT_EQ(iTable.GetDimension(), _Dimension);
    ModelDriver::ExpectHolds(iTable, Order());
  }

  Elements _Inserted;
  int _Dimension = 16;

private:
  const ORVHashCoder& _Coder;
};
