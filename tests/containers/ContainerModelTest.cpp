// Randomized comparisons of the list, the hash table and three linked containers with
// simple models built on std containers, checked after every step: contents and
// order, sizes, bucket counts and the hash table's iteration order.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "ORVHashCursor.h"
#include "ORVHashTable.h"
#include "ORVIterator.h"
#include "ORVList.h"
#include "ORVListCursor.h"
#include "ORVVector.h"
#include "ORVVectorCursor.h"

namespace {

using Elements = std::vector<PEVBaseUnknown*>;

class ContainerModelTest : public ORVContainerTestBase {
protected:
  ContainerModelTest() : _Generator(20240612) {
    // Numbers below 2000 with repeats: some shapes share a code, many share a bucket.
    for (int i = 0; i < 300; ++i)
      _Pool.emplace_back(std::to_string(Random(2000)));
  }

  int Random(int iBound) { return (int)(_Generator() % (unsigned int)iBound); }
  // The operation of a step: an addition (one of iAdditions, numbered from 0) half of
  // the time in the phases where the container grows, else any of iOperations. The
  // phases alternate every 1000 steps, so sizes go up to a few hundred and back.
  int Operation(int iStep, int iAdditions, int iOperations) {
    if ((iStep / 1000) % 2 == 0 && Random(2) == 0) return Random(iAdditions);
    return Random(iOperations);
  }
  PEVBaseUnknown* AnyElement() { return &_Pool[(std::size_t)Random((int)_Pool.size())]; }
  // An element of iModel, or any element when it is empty or once in a while.
  PEVBaseUnknown* ElementOf(const Elements& iModel) {
    if (iModel.empty() || Random(8) == 0) return AnyElement();
    return iModel[(std::size_t)Random((int)iModel.size())];
  }

  // The container's elements in iteration order, forward.
  static Elements Walk(const ORVContainer& iContainer) {
    Elements elements;
    ORVIterator* iterator = iContainer.MakeIterator(nullptr);
    for (int i = 0; i < iContainer.Size(); ++i)
      elements.push_back(iterator->Next());
    EXPECT_EQ(iterator->Next(), nullptr);
    iterator->Release();
    return elements;
  }

  // The same walking backward from the end, given back in forward order.
  static Elements WalkBackward(const ORVContainer& iContainer) {
    Elements elements;
    ORVIterator* iterator = iContainer.MakeIterator(nullptr);
    iterator->ToEnd();
    for (int i = 0; i < iContainer.Size(); ++i)
      elements.insert(elements.begin(), iterator->Previous());
    EXPECT_EQ(iterator->Previous(), nullptr);
    iterator->Release();
    return elements;
  }

  // The table's expected order as indexes into iInserted (the insertion order):
  // buckets in turn, insertion order within each. iDimension is the model's bucket count.
  std::vector<std::size_t> HashOrderIndexes(const Elements& iInserted, int iDimension) const {
    std::vector<std::size_t> indexes(iInserted.size());
    for (std::size_t i = 0; i < indexes.size(); ++i)
      indexes[i] = i;
    auto bucket = [&](std::size_t iIndex) {
      return _ByNumber.Code(iInserted[iIndex]) & (unsigned int)(iDimension - 1);
    };
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t iFirst, std::size_t iSecond) {
      return bucket(iFirst) < bucket(iSecond);
    });
    return indexes;
  }

  Elements HashOrder(const Elements& iInserted, int iDimension) const {
    Elements order;
    for (std::size_t index : HashOrderIndexes(iInserted, iDimension))
      order.push_back(iInserted[index]);
    return order;
  }

  // Bucket count of the model: 16, doubled whenever the count passes twice it.
  static void GrowModel(int iCount, int& ioDimension) {
    if (iCount > 2 * ioDimension) ioDimension *= 2;
  }

  // The position of a cursor on element iIndex of a list.
  static ORVListCursor ListCursorAt(const ORVList& iList, int iIndex) {
    return ORVListCursor(iList.SearchIndex(iIndex));
  }

  // A cursor on the element at iIndex of a hash table's iteration order.
  static ORVHashCursor HashCursorAt(const ORVHashTable& iTable, int iIndex) {
    ORVIterator* iterator = iTable.MakeIterator(nullptr);
    for (int i = 0; i <= iIndex; ++i)
      iterator->Next();
    ORVHashCursor cursor(*ORVCheckedCast<ORVHashCursor>(iterator->Position()));
    iterator->Release();
    return cursor;
  }

  static void EraseAll(Elements& ioModel, const PEVBaseUnknown* iObject) {
    ioModel.erase(std::remove(ioModel.begin(), ioModel.end(), iObject), ioModel.end());
  }
  static bool Has(const Elements& iModel, const PEVBaseUnknown* iObject) {
    return std::find(iModel.begin(), iModel.end(), iObject) != iModel.end();
  }

  std::mt19937 _Generator;
  std::deque<ORVTestShape> _Pool;
  ORVTestShapeHashNumber _ByNumber;
  ORVTestShapeCmpName _ByName;
};

}  // namespace

TEST_F(ContainerModelTest, ListBehavesAsASequence) {
  ORVList list(ORVDoNothingAtDelete);
  Elements model;
  for (int step = 0; step < 20000; ++step) {
    PEVBaseUnknown* element = Random(12) == 0 ? nullptr : AnyElement();
    int size = (int)model.size();
    switch (Operation(step, 5, 13)) {
      case 0:
        list.Add(element, 1);
        model.insert(model.begin(), element);
        break;
      case 1:
        list.Append(element);
        model.push_back(element);
        break;
      case 2: {
        int index = Random(size + 3) - 2;  // below 1: at the front
        list.Insert(element, index);
        model.insert(model.begin() + std::max(index, 0), element);
        break;
      }
      case 3: {
        int index = Random(size + 2) - 1;  // -1: the head, size: the tail
        ORVListCursor cursor(index < 0 ? list.GetHead() : list.SearchIndex(index));
        unsigned int inserted = list.InsertAfter(&cursor, element);
        ASSERT_EQ(inserted, index < size ? 1u : 0u);
        if (inserted) model.insert(model.begin() + index + 1, element);
        break;
      }
      case 4: {
        int index = Random(size + 2) - 1;
        ORVListCursor cursor(index < 0 ? list.GetHead() : list.SearchIndex(index));
        unsigned int inserted = list.InsertBefore(&cursor, element);
        ASSERT_EQ(inserted, index >= 0 ? 1u : 0u);
        if (inserted) model.insert(model.begin() + index, element);
        break;
      }
      case 5: {
        PEVBaseUnknown* removed = ElementOf(model);
        ASSERT_EQ(list.Remove(removed, 1) != 0, Has(model, removed));
        EraseAll(model, removed);
        break;
      }
      case 6: {
        PEVBaseUnknown* old = ElementOf(model);
        ASSERT_EQ(list.Replace(old, element, 1) != 0, Has(model, old));
        std::replace(model.begin(), model.end(), old, element);
        break;
      }
      case 7: {
        if (model.empty()) break;
        int index = Random(size);
        ORVListCursor cursor = ListCursorAt(list, index);
        ASSERT_EQ(list.Remove(&cursor), model[(std::size_t)index]);
        ASSERT_EQ(cursor.GetLink(), index == 0 ? list.GetHead() : list.SearchIndex(index - 1));
        model.erase(model.begin() + index);
        break;
      }
      case 8: {
        if (model.empty()) break;
        int index = Random(size);
        ORVListCursor cursor = ListCursorAt(list, index);
        ASSERT_EQ(list.Replace(&cursor, element), model[(std::size_t)index]);
        model[(std::size_t)index] = element;
        break;
      }
      case 9:
        ASSERT_EQ(list.ExtractFirst(), model.empty() ? nullptr : model.front());
        if (!model.empty()) model.erase(model.begin());
        break;
      case 10:
        ASSERT_EQ(list.ExtractLast(), model.empty() ? nullptr : model.back());
        if (!model.empty()) model.pop_back();
        break;
      case 11: {
        // Iterate, removing at the iterator's own cursor now and then.
        ORVIterator* iterator = list.MakeIterator(nullptr);
        Elements kept;
        Elements seen;
        for (int i = 0; i < size; ++i) {
          PEVBaseUnknown* current = iterator->Next();
          seen.push_back(current);
          if (Random(16) != 0) {
            kept.push_back(current);
            continue;
          }
          ASSERT_EQ(list.Remove(const_cast<ORVCursor*>(iterator->Position())), current);
        }
        ASSERT_EQ(iterator->Next(), nullptr);
        iterator->Release();
        ASSERT_EQ(seen, model);
        model = kept;
        break;
      }
      default:
        if (Random(60) == 0) {
          list.Clear(1);
          model.clear();
        }
        break;
    }
    ASSERT_EQ(list.Size(), (int)model.size());
    ASSERT_EQ(Walk(list), model);
    ASSERT_EQ(WalkBackward(list), model);
    for (int i = 0; i < 3 && i < (int)model.size(); ++i) {
      int index = Random((int)model.size());
      ASSERT_EQ(list[index], model[(std::size_t)index]);
    }
    ASSERT_EQ(list.Contains(element), Has(model, element));
  }
}

TEST_F(ContainerModelTest, HashTableBehavesAsAMultisetInBucketOrder) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  Elements inserted;  // in insertion order
  int dimension = 16;
  for (int step = 0; step < 20000; ++step) {
    PEVBaseUnknown* element = AnyElement();
    switch (Operation(step, 2, 7)) {
      case 0:
      case 1:
        table.Add(element, 1);
        inserted.push_back(element);
        GrowModel((int)inserted.size(), dimension);
        break;
      case 2: {
        PEVBaseUnknown* removed = ElementOf(inserted);
        ASSERT_EQ(table.Remove(removed, 1) != 0, Has(inserted, removed));
        EraseAll(inserted, removed);
        break;
      }
      case 3: {
        // Every occurrence of old goes; new comes as many times, at the end of its bucket.
        PEVBaseUnknown* old = ElementOf(inserted);
        auto occurrences = std::count(inserted.begin(), inserted.end(), old);
        ASSERT_EQ(table.Replace(old, element, 1) != 0, occurrences > 0);
        EraseAll(inserted, old);
        inserted.insert(inserted.end(), (std::size_t)occurrences, element);
        break;
      }
      case 4: {
        if (inserted.empty()) break;
        std::vector<std::size_t> order = HashOrderIndexes(inserted, dimension);
        int index = Random((int)order.size());
        ORVHashCursor cursor = HashCursorAt(table, index);
        ASSERT_EQ(table.Remove(&cursor), inserted[order[(std::size_t)index]]);
        inserted.erase(inserted.begin() + (long)order[(std::size_t)index]);
        break;
      }
      case 5: {
        // Iterate, removing at the iterator's own cursor now and then.
        std::vector<bool> removed(inserted.size(), false);
        ORVIterator* iterator = table.MakeIterator(nullptr);
        for (std::size_t index : HashOrderIndexes(inserted, dimension)) {
          ASSERT_EQ(iterator->Next(), inserted[index]);
          if (Random(64) != 0) continue;
          ASSERT_EQ(table.Remove(const_cast<ORVCursor*>(iterator->Position())), inserted[index]);
          removed[index] = true;
        }
        ASSERT_EQ(iterator->Next(), nullptr);
        iterator->Release();
        Elements kept;
        for (std::size_t i = 0; i < inserted.size(); ++i)
          if (!removed[i]) kept.push_back(inserted[i]);
        inserted = kept;
        break;
      }
      default:
        if (Random(500) == 0) {
          table.Clear(1);
          inserted.clear();
        }
        break;
    }
    ASSERT_EQ(table.Size(), (int)inserted.size());
    ASSERT_EQ(table.GetDimension(), dimension);
    Elements order = HashOrder(inserted, dimension);
    ASSERT_EQ(Walk(table), order);
    ASSERT_EQ(WalkBackward(table), order);
    ASSERT_EQ(table.Contains(element), Has(inserted, element));
    // The first of its bucket with the same name, if any.
    PEVBaseUnknown* expected = nullptr;
    for (PEVBaseUnknown* candidate : order) {
      if (_ByName.CompareObjects(element, candidate) == 0) {
        expected = candidate;
        break;
      }
    }
    ASSERT_EQ(table.LookupOne(element), expected);
  }
  ORVHashTable copy(table);
  ASSERT_EQ(Walk(copy), Walk(table));
}

// A list, a vector and a hash table in one link, changed at random through each of
// them: all three always hold the same elements, in the order each one's rules give.
TEST_F(ContainerModelTest, LinkedContainersStayInStep) {
  ORVContainersLinkRfHndlr link;
  link.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  ORVList list(ORVDoNothingAtDelete);
  ORVVector vector(ORVDoNothingAtDelete);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  link->AddContainer(&list);
  link->AddContainer(&vector);
  link->AddContainer(&table);
  Elements listModel;
  Elements vectorModel;
  Elements inserted;  // the table's insertion order
  int dimension = 16;
  // The link repeats removals of an object everywhere: the elements are kept distinct.
  auto absent = [&]() -> PEVBaseUnknown* {
    for (int attempt = 0; attempt < 8; ++attempt) {
      PEVBaseUnknown* candidate = AnyElement();
      if (!Has(vectorModel, candidate)) return candidate;
    }
    return nullptr;
  };
  auto addEverywhere = [&](PEVBaseUnknown* iElement, bool iListAtFront, int iVectorIndex) {
    listModel.insert(iListAtFront ? listModel.begin() : listModel.end(), iElement);
    vectorModel.insert(vectorModel.begin() + iVectorIndex, iElement);
    inserted.push_back(iElement);
    GrowModel((int)inserted.size(), dimension);
  };
  auto removeEverywhere = [&](PEVBaseUnknown* iElement) {
    EraseAll(listModel, iElement);
    EraseAll(vectorModel, iElement);
    EraseAll(inserted, iElement);
  };
  auto replaceEverywhere = [&](PEVBaseUnknown* iOld, PEVBaseUnknown* iNew) {
    std::replace(listModel.begin(), listModel.end(), iOld, iNew);
    std::replace(vectorModel.begin(), vectorModel.end(), iOld, iNew);
    if (!Has(inserted, iOld)) return;
    EraseAll(inserted, iOld);
    inserted.push_back(iNew);
  };
  for (int step = 0; step < 20000; ++step) {
    int size = (int)vectorModel.size();
    PEVBaseUnknown* fresh = absent();
    PEVBaseUnknown* present = size ? vectorModel[(std::size_t)Random(size)] : nullptr;
    int operation = Operation(step, 5, 14);
    if (operation < 6 && !fresh) operation = 6;
    if (operation >= 6 && operation < 13 && !present) operation = 13;
    switch (operation) {
      case 0:
        list.Append(fresh);
        addEverywhere(fresh, false, size);
        break;
      case 1:
        list.Add(fresh, 1);
        addEverywhere(fresh, true, size);
        break;
      case 2: {
        int index = Random(size + 1);
        vector.Insert(fresh, index);
        addEverywhere(fresh, true, index);
        break;
      }
      case 3: {
        int index = Random(size + 1);
        list.Insert(fresh, index);
        listModel.insert(listModel.begin() + index, fresh);
        vectorModel.push_back(fresh);
        inserted.push_back(fresh);
        GrowModel((int)inserted.size(), dimension);
        break;
      }
      case 4:
        table.Add(fresh, 1);
        addEverywhere(fresh, true, size);
        break;
      case 5: {
        if (!present) break;
        // Replace through one of the three, by object.
        ORVContainer* containers[] = {&list, &vector, &table};
        ASSERT_TRUE(containers[Random(3)]->Replace(present, fresh, 1));
        replaceEverywhere(present, fresh);
        break;
      }
      case 6: {
        ORVContainer* containers[] = {&list, &vector, &table};
        ASSERT_TRUE(containers[Random(3)]->Remove(present, 1));
        removeEverywhere(present);
        break;
      }
      case 7: {
        int index = Random(size);
        ORVVectorCursor cursor(index);
        ASSERT_EQ(vector.Remove(&cursor), vectorModel[(std::size_t)index]);
        removeEverywhere(vectorModel[(std::size_t)index]);
        break;
      }
      case 8: {
        int index = Random(size);
        ORVListCursor cursor = ListCursorAt(list, index);
        PEVBaseUnknown* removed = listModel[(std::size_t)index];
        ASSERT_EQ(list.Remove(&cursor), removed);
        removeEverywhere(removed);
        break;
      }
      case 9: {
        int index = Random(size);
        Elements order = HashOrder(inserted, dimension);
        ORVHashCursor cursor = HashCursorAt(table, index);
        PEVBaseUnknown* removed = order[(std::size_t)index];
        ASSERT_EQ(table.Remove(&cursor), removed);
        removeEverywhere(removed);
        break;
      }
      case 10: {
        PEVBaseUnknown* removed = Random(2) ? list.ExtractFirst() : list.ExtractLast();
        removeEverywhere(removed);
        break;
      }
      case 11: {
        if (!fresh) break;
        int index = Random(size);
        PEVBaseUnknown* old = vectorModel[(std::size_t)index];
        if (Random(2)) {
          vector.Set(index, fresh);
        } else {
          ORVVectorCursor cursor(index);
          ASSERT_EQ(vector.Replace(&cursor, fresh), old);
        }
        replaceEverywhere(old, fresh);
        break;
      }
      case 12: {
        if (!fresh) break;
        int index = Random(size);
        ORVListCursor cursor = ListCursorAt(list, index);
        PEVBaseUnknown* old = listModel[(std::size_t)index];
        ASSERT_EQ(list.Replace(&cursor, fresh), old);
        replaceEverywhere(old, fresh);
        break;
      }
      default:
        if (Random(80) == 0) {
          ORVContainer* containers[] = {&list, &vector, &table};
          containers[Random(3)]->Clear(1);
          listModel.clear();
          vectorModel.clear();
          inserted.clear();
        }
        break;
    }
    ASSERT_EQ(Walk(list), listModel) << "step " << step << " operation " << operation;
    ASSERT_EQ(Walk(vector), vectorModel) << "step " << step << " operation " << operation;
    ASSERT_EQ(table.GetDimension(), dimension);
    ASSERT_EQ(Walk(table), HashOrder(inserted, dimension))
        << "step " << step << " operation " << operation;
  }
  ASSERT_EQ(link->GetContainerSet().Size(), 3);
}
