// The model tests of the containers, all on the one harness (ModelHarness.h): the list,
// the vector and the sorted vector as sequences, the hash table as a multiset in bucket
// order, three linked containers in step, each compared with a model built on std
// containers after every step, its iterators walked at random.
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <memory>
#include <optional>

#include "ModelHarness.h"
#include "ORVHashCursor.h"
#include "ORVHashTable.h"
#include "ORVList.h"
#include "ORVListCursor.h"
#include "ORVSortedVector.h"
#include "ORVVectorCursor.h"

namespace {

class ContainerModelTest : public ORVContainerTestBase {
protected:
  ContainerModelTest() : _Driver(20240612) {
    // Numbers below 2000 with repeats: some shapes share a code, many share a bucket.
    for (int i = 0; i < 300; ++i)
      _Pool.emplace_back(std::to_string(Random(2000)));
    for (int i = 0; i < 12; ++i)  // six names, twice each
      _Few.emplace_back(std::string(1, (char)('a' + i % 6)));
  }

  int Random(int iBound) { return _Driver.Random(iBound); }
  PEVBaseUnknown* AnyElement() { return &_Pool[(std::size_t)Random((int)_Pool.size())]; }
  // An element of iModel, or any element when it is empty or once in a while.
  PEVBaseUnknown* ElementOf(const Elements& iModel) {
    if (iModel.empty() || Random(8) == 0) return AnyElement();
    return iModel[(std::size_t)Random((int)iModel.size())];
  }

  // The table's expected order as indexes into iInserted (the insertion order): buckets
  // in turn, insertion order within each. iDimension is the model's bucket count.
  std::vector<std::size_t> HashOrderIndexes(const Elements& iInserted, int iDimension) const {
    std::vector<std::size_t> indexes(iInserted.size());
    for (std::size_t i = 0; i < indexes.size(); ++i)
      indexes[i] = i;
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t iFirst, std::size_t iSecond) {
      return Bucket(iInserted[iFirst], iDimension) < Bucket(iInserted[iSecond], iDimension);
    });
    return indexes;
  }
  unsigned int Bucket(const PEVBaseUnknown* iElement, int iDimension) const {
    return _ByNumber.Code(iElement) & (unsigned int)(iDimension - 1);
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

  // A cursor on the element at iIndex of a hash table's iteration order.
  static ORVHashCursor HashCursorAt(const ORVHashTable& iTable, int iIndex) {
    ORVIterator* iterator = iTable.MakeIterator(nullptr);
    for (int i = 0; i <= iIndex; ++i)
      iterator->Next();
    ORVHashCursor cursor(*ORVCheckedCast<ORVHashCursor>(iterator->Position()));
    iterator->Release();
    return cursor;
  }
  static ORVListCursor ListCursorAt(const ORVList& iList, int iIndex) {
    return ORVListCursor(iIndex < 0 ? iList.GetHead() : iList.SearchIndex(iIndex));
  }

  bool SameName(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const {
    return iFirst && iSecond && NameOf(iFirst) == NameOf(iSecond);
  }

  ModelDriver _Driver;
  std::deque<ORVTestShape> _Pool;
  std::deque<ORVTestShape> _Few;
  ORVTestShapeHashNumber _ByNumber;
  ORVTestShapeCmpName _ByName;
  ORVTestShapeCmpLength _ByLength;
};

}  // namespace

// The list, the vector and the sorted vector under the same operations, each compared
// with a std::vector (and the sorted vector's flag with a model of it): positions and
// cursors inside, at and beyond both ends, removal under a live iterator, lookups.
TEST_F(ContainerModelTest, SequencesBehaveAsTheirModels) {
  for (const char* kind : {"list", "vector", "sorted vector"}) {
    SCOPED_TRACE(kind);
    const bool isList = kind[0] == 'l', isSorted = kind[0] == 's';
    std::unique_ptr<ORVSeqCollection> owner;
    if (isList) owner.reset(new ORVList(ORVDoNothingAtDelete));
    if (!isList)
      owner.reset(isSorted ? new ORVSortedVector(_ByName, ORVDoNothingAtDelete)
                           : new ORVVector(ORVDoNothingAtDelete));
    ORVSeqCollection& sequence = *owner;
    auto* list = dynamic_cast<ORVList*>(owner.get());
    auto* vector = dynamic_cast<ORVVector*>(owner.get());
    auto* sortedVector = dynamic_cast<ORVSortedVector*>(owner.get());
    Elements model;
    bool sorted = true;  // the sorted vector's flag
    PEVBaseUnknown* element = nullptr;
    int size = 0;
    std::optional<ORVListCursor> listCursor;
    std::optional<ORVVectorCursor> vectorCursor;
    auto cursorAt = [&](int iIndex) -> ORVCursor* {
      if (list) return &listCursor.emplace(ListCursorAt(*list, iIndex));
      return &vectorCursor.emplace(iIndex);
    };
    // A cursor's index: the list's from the head to the tail, the vector's beyond too.
    auto anyIndex = [&] { return list ? Random(size + 2) - 1 : Random(size + 4) - 2; };
    auto at = [&](int iIndex) {
      return iIndex >= 0 && iIndex < size ? model[(std::size_t)iIndex] : nullptr;
    };
    auto prepare = [&] {
      element = !isSorted && Random(10) == 0 ? nullptr : &_Few[(std::size_t)Random(12)];
      size = (int)model.size();
    };
    auto insert = [&](int iIndex) {
      model.insert(model.begin() + iIndex, element);
      sorted = false;
    };
    auto maybeClear = [&] {
      if (Random(60) != 0) return;
      sequence.Clear(1);
      model.clear();
      sorted = true;
    };
    const ModelOperations operations = {
        {"Add",
         [&] {
           sequence.Add(element, 1);
           insert(list ? 0 : size);
         }},
        {"Append",
         [&] {
           sequence.Append(element);
           insert(size);
         }},
        {"Insert",
         [&] {
           int index = Random(size + 1);
           if (list && Random(4) == 0) index = Random(2) ? -Random(3) : INT_MIN;  // the front
           sequence.Insert(element, index);
           insert(std::max(index, 0));
         }},
        {"InsertAfter",
         [&] {
           int index = anyIndex();
           bool inside = index >= -1 && index < size;
           ASSERT_EQ(sequence.InsertAfter(cursorAt(index), element), inside ? 1u : 0u);
           if (inside) insert(index + 1);
         }},
        {"InsertBefore",
         [&] {
           int index = anyIndex();
           bool inside = index >= 0 && index <= size;
           ORVCursor* cursor = cursorAt(index);
           ASSERT_EQ(sequence.InsertBefore(cursor, element), inside ? 1u : 0u);
           if (!inside) return;
           insert(index);
           // The cursor stays on the element it was on.
           ASSERT_EQ(sequence[cursor], index < size ? model[(std::size_t)index + 1] : nullptr);
         }},
        {"Set by index",
         [&] {
           if (list && !size) return;
           // The list's negative indexes set the first, the vector grows with nulls.
           int index = list ? Random(size + 2) - 2 : Random(size + 3);
           sequence.Set(index, element);
           if (index >= size) model.resize((std::size_t)index + 1, nullptr);
           model[(std::size_t)std::max(index, 0)] = element;
           sorted = false;
         }},
        {"Set by cursor",
         [&] {
           if (!size) return;
           int index = Random(size);
           sequence.Set(cursorAt(index), element);
           model[(std::size_t)index] = element;
           sorted = false;
         }},
        {"Replace by cursor",
         [&] {
           int index = anyIndex();
           ASSERT_EQ(sequence.Replace(cursorAt(index), element), at(index));
           if (index < 0 || index >= size) return;
           model[(std::size_t)index] = element;
           sorted = false;
         }},
        // A removal steps the cursor back.
        {"Remove by cursor",
         [&] {
           int index = anyIndex();
           ORVCursor* cursor = cursorAt(index);
           ASSERT_EQ(sequence.Remove(cursor), at(index));
           if (index < 0 || index >= size) return;
           model.erase(model.begin() + index);
           ASSERT_EQ(sequence[cursor], index ? model[(std::size_t)index - 1] : nullptr);
         }},
        {"Remove by object",
         [&] {
           PEVBaseUnknown* removed = Random(8) ? at(Random(size + 1)) : element;
           ASSERT_EQ(sequence.Remove(removed, 1) != 0, Has(model, removed));
           EraseAll(model, removed);
         }},
        {"Replace by object",
         [&] {
           PEVBaseUnknown* old = Random(4) ? at(Random(size + 1)) : element;
           bool found = Has(model, old);
           ASSERT_EQ(sequence.Replace(old, element, 1) != 0, found);
           std::replace(model.begin(), model.end(), old, element);
           sorted = sorted && !found;
         }},
        {"ExtractFirst",
         [&] {
           ASSERT_EQ(sequence.ExtractFirst(), at(0));
           if (size) model.erase(model.begin());
         }},
        {"ExtractLast",
         [&] {
           ASSERT_EQ(sequence.ExtractLast(), at(size - 1));
           if (size) model.pop_back();
         }},
        {"Remove at the iterator's cursor",
         [&] { EraseAt(model, _Driver.RemoveAtTheCursor(sequence, model, 16)); }},
        // The list's iterator goes on with the element that followed the one removed
        // under it.
        {"Remove by object under the iterator",
         [&] {
           if (!list) return;
           for (PEVBaseUnknown* removed : _Driver.RemoveUnderTheIterator(sequence, model, 8))
             EraseAll(model, removed);
         }},
        {"Sort",
         [&] {
           if (!isSorted || Random(3)) return;
           sortedVector->Sort();
           // Unstable: equal names may come in another order, checked below.
           std::stable_sort(model.begin(), model.end(),
                            [](PEVBaseUnknown* iFirst, PEVBaseUnknown* iSecond) {
                              return NameOf(iFirst) < NameOf(iSecond);
                            });
           sorted = true;
         }},
        // Checked, the flag is set only on elements in order.
        {"SetIsSorted",
         [&] {
           if (!isSorted) return;
           bool inOrder = true;
           for (int i = 1; i < size; ++i)
             inOrder = inOrder && NameOf(at(i - 1)) <= NameOf(at(i));
           sorted = inOrder && Random(4);
           sortedVector->SetIsSorted(sorted, Random(2));
         }},
        {"Clear now and then", maybeClear}};
    auto check = [&] {
      size = (int)model.size();
      if (sortedVector) {
        Elements contents(vector->Contents(), vector->Contents() + size);
        ASSERT_EQ(sortedVector->IsSorted() != 0, sorted || size < 2);
        if (sorted) {
          for (int i = 1; i < size; ++i)
            ASSERT_LE(NameOf(contents[(std::size_t)i - 1]), NameOf(contents[(std::size_t)i]));
          ASSERT_TRUE(std::is_permutation(contents.begin(), contents.end(), model.begin()));
          model = contents;
        }
      }
      ASSERT_NO_FATAL_FAILURE(ModelDriver::ExpectHolds(sequence, model));
      if (vector) {
        ASSERT_EQ(Elements(vector->Contents(), vector->Contents() + size), model);
        ASSERT_GE(vector->GetCapacity(), size);
      }
      // Positions beyond the elements read as null but for the list's negative ones.
      int index = Random(8) ? Random(size + 4) - 2 : Random(2) ? INT_MIN : INT_MAX;
      ASSERT_EQ(sequence[index], list && index < 0 ? at(0) : at(index)) << index;
      ASSERT_EQ(sequence.First(), at(0));
      ASSERT_EQ(sequence.Last(), at(size - 1));
      ASSERT_EQ(sequence.Contains(element) != 0, Has(model, element));
      // Without a comparator (but the sorted vector's) a pattern is the object itself.
      auto matches = [&](PEVBaseUnknown* iCandidate) {
        return isSorted ? SameName(iCandidate, element) : iCandidate == element;
      };
      auto first = std::find_if(model.begin(), model.end(), matches);
      ASSERT_EQ(sequence.LookupOne(element), first == model.end() ? nullptr : *first);
      ASSERT_EQ(sequence[static_cast<const ORVCursor*>(nullptr)], nullptr);
      if (list) {
        ASSERT_EQ(sequence[&listCursor.emplace()], nullptr);  // a cursor on no link
      }
      // Iterators from a cursor or from the start, two others alive meanwhile.
      ORVIterator* older = sequence.MakeIterator(nullptr);
      ORVIterator* newer = sequence.MakeIterator(nullptr);
      int start = anyIndex();
      ORVCursor* from = cursorAt(start);
      start = std::min(std::max(start, -1), size);
      _Driver.ExpectWalk(sequence.MakeIterator(from), model, start);
      auto sameName = [&](PEVBaseUnknown* iOne) { return SameName(iOne, element); };
      if (element && Random(2)) {
        _Driver.ExpectWalk(sequence.LookupAll(from, element), model, start, matches);
        _Driver.ExpectWalk(sequence.LookupAll(from, element, _ByName), model, start, sameName);
      } else if (element) {
        _Driver.ExpectWalk(sequence.LookupAll(element), model, -1, matches);
        _Driver.ExpectWalk(sequence.LookupAll(element, _ByName), model, -1, sameName);
      }
      older->Release();
      newer->Release();
    };
    _Driver.Run(20000, operations, check, prepare, 5);
  }
}

TEST_F(ContainerModelTest, HashTableBehavesAsAMultisetInBucketOrder) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  Elements inserted;  // in insertion order
  int dimension = 16;
  PEVBaseUnknown* element = nullptr;
  auto add = [&] {
    table.Add(element, 1);
    inserted.push_back(element);
    GrowModel((int)inserted.size(), dimension);
  };
  const ModelOperations operations = {
      {"Add", add},
      {"Add", add},
      {"Remove by object",
       [&] {
         PEVBaseUnknown* removed = ElementOf(inserted);
         ASSERT_EQ(table.Remove(removed, 1) != 0, Has(inserted, removed));
         EraseAll(inserted, removed);
       }},
      {"Replace by object",
       [&] {
         // Every occurrence of old goes; new comes as many times, at the end of its bucket.
         PEVBaseUnknown* old = ElementOf(inserted);
         auto occurrences = std::count(inserted.begin(), inserted.end(), old);
         ASSERT_EQ(table.Replace(old, element, 1) != 0, occurrences > 0);
         EraseAll(inserted, old);
         inserted.insert(inserted.end(), (std::size_t)occurrences, element);
       }},
      {"Remove by cursor",
       [&] {
         if (inserted.empty()) return;
         std::vector<std::size_t> order = HashOrderIndexes(inserted, dimension);
         int index = Random((int)order.size());
         ORVHashCursor cursor = HashCursorAt(table, index);
         ASSERT_EQ(table.Remove(&cursor), inserted[order[(std::size_t)index]]);
         inserted.erase(inserted.begin() + (long)order[(std::size_t)index]);
       }},
      {"Remove at the iterator's cursor",
       [&] {
         std::vector<std::size_t> order = HashOrderIndexes(inserted, dimension);
         std::vector<std::size_t> removed;
         for (std::size_t index :
              _Driver.RemoveAtTheCursor(table, HashOrder(inserted, dimension), 64))
           removed.push_back(order[index]);
         EraseAt(inserted, removed);
       }},
      {"Remove by object under the iterator",
       [&] {
         for (PEVBaseUnknown* removed :
              _Driver.RemoveUnderTheIterator(table, HashOrder(inserted, dimension), 16))
           EraseAll(inserted, removed);
       }},
      {"Grow under a live iterator",
       [&] {
         // The iterator follows its link into the new buckets.
         if (inserted.empty() || dimension >= 64) return;
         std::vector<std::size_t> order = HashOrderIndexes(inserted, dimension);
         int steps = Random((int)order.size()) + 1;
         ORVIterator* iterator = table.MakeIterator(nullptr);
         for (int i = 0; i < steps; ++i)
           iterator->Next();
         std::size_t current = order[(std::size_t)steps - 1];
         int grownDimension = dimension;
         while (grownDimension == dimension) {
           table.Add(element, 1);
           inserted.push_back(element);
           GrowModel((int)inserted.size(), grownDimension);
         }
         dimension = grownDimension;
         order = HashOrderIndexes(inserted, dimension);
         auto at = std::find(order.begin(), order.end(), current);
         for (++at; at != order.end(); ++at)
           ASSERT_EQ(iterator->Next(), inserted[*at]);
         ASSERT_EQ(iterator->Next(), nullptr);
         iterator->Release();
       }},
      {"Remove through two iterators",
       [&] {
         // Two iterators each remove their own element through their own cursor; the
         // first then goes on with the element after its removed one.
         if (inserted.size() < 2) return;
         Elements order = HashOrder(inserted, dimension);
         int first = Random((int)order.size());
         int second = Random((int)order.size());
         ORVIterator* one = table.MakeIterator(nullptr);
         ORVIterator* other = table.MakeIterator(nullptr);
         for (int i = 0; i <= first; ++i)
           one->Next();
         for (int i = 0; i <= second; ++i)
           other->Next();
         ASSERT_EQ(table.Remove(const_cast<ORVCursor*>(one->Position())),
                   order[(std::size_t)first]);
         PEVBaseUnknown* removed = table.Remove(const_cast<ORVCursor*>(other->Position()));
         ASSERT_EQ(removed, first == second ? nullptr : order[(std::size_t)second]);
         std::size_t following = (std::size_t)first + 1;
         if (following == (std::size_t)second) ++following;
         ASSERT_EQ(one->Next(), following < order.size() ? order[following] : nullptr);
         one->Release();
         other->Release();
         std::vector<std::size_t> indexes = HashOrderIndexes(inserted, dimension);
         EraseAt(inserted, {indexes[(std::size_t)first], indexes[(std::size_t)second]});
       }},
      {"Clear now and then", [&] {
         if (Random(500) != 0) return;
         table.Clear(1);
         inserted.clear();
       }}};
  auto check = [&] {
    ASSERT_EQ(table.GetDimension(), dimension);
    Elements order = HashOrder(inserted, dimension);
    ModelDriver::ExpectHolds(table, order);
    ASSERT_EQ(table.Contains(element), Has(inserted, element));
    // The first of its bucket with the same name, if any.
    auto same = std::find_if(order.begin(), order.end(), [&](PEVBaseUnknown* iCandidate) {
      return _ByName.CompareObjects(element, iCandidate) == 0;
    });
    ASSERT_EQ(table.LookupOne(element), same == order.end() ? nullptr : *same);
    // Another comparator looks in the pattern's bucket only.
    same = std::find_if(order.begin(), order.end(), [&](PEVBaseUnknown* iCandidate) {
      return Bucket(iCandidate, dimension) == Bucket(element, dimension) &&
             NameOf(iCandidate).size() == NameOf(element).size();
    });
    ASSERT_EQ(table.LookupOne(element, _ByLength), same == order.end() ? nullptr : *same);
    ORVIterator* older = table.MakeIterator(nullptr);
    ORVIterator* newer = table.MakeIterator(nullptr);
    int start = Random((int)order.size() + 1) - 1;
    ORVHashCursor cursor = start < 0 ? ORVHashCursor() : HashCursorAt(table, start);
    _Driver.ExpectWalk(table.MakeIterator(start < 0 ? nullptr : &cursor), order, start);
    // A pattern's iterator stays in its bucket, with any comparator.
    for (const ORVComparator* comparator : {(ORVComparator*)&_ByName, (ORVComparator*)&_ByLength}) {
      ORVIterator* iterator =
          comparator == &_ByName ? table.LookupAll(element) : table.LookupAll(element, *comparator);
      _Driver.ExpectWalk(iterator, order, -1, [&](PEVBaseUnknown* iOne) {
        return Bucket(iOne, dimension) == Bucket(element, dimension) &&
               comparator->CompareObjects(iOne, element) == 0;
      });
    }
    older->Release();
    newer->Release();
  };
  _Driver.Run(
      20000, operations, check, [&] { element = AnyElement(); }, 2);
  ORVHashTable copy(table);
  ASSERT_EQ(ElementsOf(copy), ElementsOf(table));
}

// A list, a vector and a hash table in one link, changed at random through each of
// them: all three always hold the same elements, in the order each one's rules give.
TEST_F(ContainerModelTest, LinkedContainersStayInStep) {
  ORVContainersLinkRfHndlr link;
  link.Set(ORVRfHndlrAdopt, new ORVContainersLink());
  ORVList list(ORVDoNothingAtDelete);
  ORVVector vector(ORVDoNothingAtDelete);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  ORVContainer* const containers[] = {&list, &vector, &table};
  for (ORVContainer* container : containers)
    link->AddContainer(container);
  Elements listModel;
  Elements vectorModel;
  Elements inserted;  // the table's insertion order
  int dimension = 16;
  int size = 0;
  PEVBaseUnknown* fresh = nullptr;
  PEVBaseUnknown* present = nullptr;
  auto prepare = [&] {
    size = (int)vectorModel.size();
    // The link repeats removals of an object everywhere: the elements are kept distinct.
    fresh = nullptr;
    for (int attempt = 0; attempt < 8 && !fresh; ++attempt) {
      PEVBaseUnknown* candidate = AnyElement();
      if (!Has(vectorModel, candidate)) fresh = candidate;
    }
    present = size ? vectorModel[(std::size_t)Random(size)] : nullptr;
  };
  // The list at its front or its back and the vector at iVectorIndex get iElement.
  auto addEverywhere = [&](PEVBaseUnknown* iElement, bool iListAtFront, int iVectorIndex) {
    listModel.insert(iListAtFront ? listModel.begin() : listModel.end(), iElement);
    vectorModel.insert(vectorModel.begin() + iVectorIndex, iElement);
    inserted.push_back(iElement);
    GrowModel((int)inserted.size(), dimension);
  };
  auto removeEverywhere = [&](PEVBaseUnknown* iElement) {
    for (Elements* model : {&listModel, &vectorModel, &inserted})
      EraseAll(*model, iElement);
  };
  auto replaceEverywhere = [&](PEVBaseUnknown* iOld, PEVBaseUnknown* iNew) {
    std::replace(listModel.begin(), listModel.end(), iOld, iNew);
    std::replace(vectorModel.begin(), vectorModel.end(), iOld, iNew);
    if (!Has(inserted, iOld)) return;
    EraseAll(inserted, iOld);
    inserted.push_back(iNew);
  };
  auto removePresent = [&] {
    ASSERT_TRUE(containers[Random(3)]->Remove(present, 1));
    removeEverywhere(present);
  };
  auto maybeClear = [&] {
    if (Random(80) != 0) return;
    containers[Random(3)]->Clear(1);
    listModel.clear();
    vectorModel.clear();
    inserted.clear();
  };
  // Without a fresh element an addition removes instead, without any element it clears.
  const ModelOperations operations = {
      {"Append to the list",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         list.Append(fresh);
         addEverywhere(fresh, false, size);
       }},
      {"Add to the list",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         list.Add(fresh, 1);
         addEverywhere(fresh, true, size);
       }},
      {"Insert into the vector",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         int index = Random(size + 1);
         vector.Insert(fresh, index);
         addEverywhere(fresh, true, index);
       }},
      {"Insert into the list",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         int index = Random(size + 1);
         list.Insert(fresh, index);
         addEverywhere(fresh, false, size);
         std::rotate(listModel.begin() + index, listModel.end() - 1, listModel.end());
       }},
      {"Add to the table",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         table.Add(fresh, 1);
         addEverywhere(fresh, true, size);
       }},
      {"Replace by object",
       [&] {
         if (!fresh) return present ? removePresent() : maybeClear();
         if (!present) return;
         ASSERT_TRUE(containers[Random(3)]->Replace(present, fresh, 1));
         replaceEverywhere(present, fresh);
       }},
      {"Remove by object",
       [&] {
         if (!present) return maybeClear();
         removePresent();
       }},
      {"Remove by vector cursor",
       [&] {
         if (!present) return maybeClear();
         int index = Random(size);
         ORVVectorCursor cursor(index);
         PEVBaseUnknown* removed = vectorModel[(std::size_t)index];
         ASSERT_EQ(vector.Remove(&cursor), removed);
         removeEverywhere(removed);
       }},
      {"Remove by list cursor",
       [&] {
         if (!present) return maybeClear();
         int index = Random(size);
         ORVListCursor cursor = ListCursorAt(list, index);
         PEVBaseUnknown* removed = listModel[(std::size_t)index];
         ASSERT_EQ(list.Remove(&cursor), removed);
         removeEverywhere(removed);
       }},
      {"Remove by table cursor",
       [&] {
         if (!present) return maybeClear();
         int index = Random(size);
         Elements order = HashOrder(inserted, dimension);
         ORVHashCursor cursor = HashCursorAt(table, index);
         ASSERT_EQ(table.Remove(&cursor), order[(std::size_t)index]);
         removeEverywhere(order[(std::size_t)index]);
       }},
      {"Extract from the list",
       [&] {
         if (!present) return maybeClear();
         removeEverywhere(Random(2) ? list.ExtractFirst() : list.ExtractLast());
       }},
      {"Replace in the vector",
       [&] {
         if (!present) return maybeClear();
         if (!fresh) return;
         int index = Random(size);
         PEVBaseUnknown* old = vectorModel[(std::size_t)index];
         ORVVectorCursor cursor(index);
         if (Random(3) == 0) {
           vector.Set(index, fresh);
         } else if (Random(2)) {
           vector.Set(&cursor, fresh);
         } else {
           ASSERT_EQ(vector.Replace(&cursor, fresh), old);
         }
         replaceEverywhere(old, fresh);
       }},
      {"Replace by list cursor",
       [&] {
         if (!present) return maybeClear();
         if (!fresh) return;
         int index = Random(size);
         ORVListCursor cursor = ListCursorAt(list, index);
         PEVBaseUnknown* old = listModel[(std::size_t)index];
         ASSERT_EQ(list.Replace(&cursor, fresh), old);
         replaceEverywhere(old, fresh);
       }},
      {"Clear now and then", maybeClear}};
  auto check = [&] {
    ModelDriver::ExpectHolds(list, listModel);
    ModelDriver::ExpectHolds(vector, vectorModel);
    ASSERT_EQ(table.GetDimension(), dimension);
    ModelDriver::ExpectHolds(table, HashOrder(inserted, dimension));
  };
  _Driver.Run(20000, operations, check, prepare, 5);
  ASSERT_EQ(link->GetContainerSet().Size(), 3);
}

// Releasing the elements re-entrantly: each element's destruction adds a new element to
// the container, and the last one also drops the container's only reference.
TEST_F(ContainerModelTest, ReleasingElementsSurvivesElementsThatChangeOrFreeTheContainer) {
  struct Reentrant : ORVTestShape {
    Reentrant(ORVContainer* iContainer, bool iFrees)
        : ORVTestShape("reentrant"), _pContainer(iContainer), _Frees(iFrees) {}
    ~Reentrant() override {
      if (_Frees) {
        _pContainer->Release();
        return;
      }
      _pContainer->Add(new ORVTestShape("late"), 1);
    }
    ORVContainer* _pContainer;
    bool _Frees;
  };
  std::vector<std::function<ORVContainer*()>> makers = {
      [] { return new ORVVector(ORVDoNothingAtDelete); },
      [] { return new ORVList(ORVDoNothingAtDelete); },
      [] { return new ORVHashTable(ORVDoNothingAtDelete, 0); }};
  for (std::size_t maker = 0; maker < makers.size(); ++maker) {
    SCOPED_TRACE("container " + std::to_string(maker));
    for (bool destroy : {false, true}) {
      int live = ORVTestShape::_LiveCount;
      ORVContainer* container = makers[maker]();
      for (int i = 0; i < 3; ++i)
        container->Add(new Reentrant(container, false), 1);
      if (destroy)
        container->Destroy();
      else
        container->ReleaseElementsAndClear();
      // The three added while releasing stay, the releasing ones are all gone.
      ASSERT_EQ(container->Size(), 3);
      ASSERT_EQ(ORVTestShape::_LiveCount, live + 3);
      for (PEVBaseUnknown* element : ElementsOf(*container))
        ASSERT_EQ(static_cast<ORVTestShape*>(element)->GetName(), "late");
      container->ReleaseElementsAndClear();
      // The container's last reference goes with an element in the middle.
      container->Add(new ORVTestShape("before"), 1);
      container->Add(new Reentrant(container, true), 1);
      container->Add(new ORVTestShape("after"), 1);
      container->ReleaseElementsAndClear();
      ASSERT_EQ(ORVTestShape::_LiveCount, live);
    }
  }
}
