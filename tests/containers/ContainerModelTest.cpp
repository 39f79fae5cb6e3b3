// The model tests of the containers, all on the one harness (ModelHarness.h): the list,
// the vector and the sorted vector as sequences, the hash table as a multiset in bucket
// order, three linked containers in step, each compared with a model built on std
// containers after every step, its iterators walked at random.
#include <climits>
#include <memory>
#include <optional>

#include "ModelHarness.h"
#include "ORVHashCursor.h"
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

  // An iterator moved iSteps forward.
  static ORVIterator* Advanced(const ORVContainer& iContainer, int iSteps) {
    ORVIterator* iterator = iContainer.MakeIterator(nullptr);
    while (iSteps-- > 0)
      iterator->Next();
    return iterator;
  }
  // A cursor on the element at iIndex of a hash table's iteration order.
  static ORVHashCursor HashCursorAt(const ORVHashTable& iTable, int iIndex) {
    ORVIterator* iterator = Advanced(iTable, iIndex + 1);
    ORVHashCursor cursor(*ORVCheckedCast<ORVHashCursor>(iterator->Position()));
    iterator->Release();
    return cursor;
  }
  static ORVListCursor ListCursorAt(const ORVList& iList, int iIndex) {
    return ORVListCursor(iIndex < 0 ? iList.GetHead() : iList.SearchIndex(iIndex));
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
    std::unique_ptr<ORVSeqCollection> owner(
        isList     ? (ORVSeqCollection*)new ORVList(ORVDoNothingAtDelete)
        : isSorted ? new ORVSortedVector(_ByName, ORVDoNothingAtDelete)
                   : new ORVVector(ORVDoNothingAtDelete));
    ORVSeqCollection& sequence = *owner;
    auto* list = dynamic_cast<ORVList*>(owner.get());
    auto* vector = dynamic_cast<ORVVector*>(owner.get());
    auto* sortedVector = dynamic_cast<ORVSortedVector*>(owner.get());
    Elements model;
    bool sorted = true;  // the sorted vector's flag
    PEVBaseUnknown* element = nullptr;
    int size = 0, index = 0, capacity = 0;  // index: of the cursor drawn for the step
    ORVCursor* cursor = nullptr;
    std::optional<ORVListCursor> listCursor;
    std::optional<ORVVectorCursor> vectorCursor;
    auto cursorAt = [&](int iIndex) -> ORVCursor* {
      if (list) return &listCursor.emplace(ListCursorAt(*list, iIndex));
      return &vectorCursor.emplace(iIndex);
    };
    // A cursor's index: the list's from the head to the tail, the vector's beyond too.
    auto anyIndex = [&] { return list ? Random(size + 2) - 1 : Random(size + 4) - 2; };
    auto at = [&](int iIndex) {
      return iIndex >= 0 && iIndex < (int)model.size() ? model[(std::size_t)iIndex] : nullptr;
    };
    auto prepare = [&] {
      element = !isSorted && Random(10) == 0 ? nullptr : &_Few[(std::size_t)Random(12)];
      size = (int)model.size();
      cursor = cursorAt(index = anyIndex());
    };
    auto on = [&] { return index >= 0 && index < size; };  // the cursor on an element
    auto insert = [&](int iIndex) {
      model.insert(model.begin() + iIndex, element), sorted = false;
    };
    auto set = [&](int iIndex) { model[(std::size_t)iIndex] = element, sorted = false; };
    const ModelOperations operations = {
        {"Add", [&] { sequence.Add(element, ORVNotify), insert(list ? 0 : size); }},
        {"Append", [&] { sequence.Append(element), insert(size); }},
        {"Insert",
         [&] {
           int index = Random(size + 1);
           if (list && Random(4) == 0) index = Random(2) ? -Random(3) : INT_MIN;  // the front
           sequence.Insert(element, index), insert(std::max(index, 0));
         }},
        // InsertBefore leaves the cursor on the element it was on.
        {"InsertAfter or InsertBefore",
         [&] {
           bool after = Random(2), fits = on() || index == (after ? -1 : size);
           ASSERT_EQ((after ? sequence.InsertAfter(cursor, element)
                            : sequence.InsertBefore(cursor, element)) != 0,
                     fits);
           if (fits) insert(after ? index + 1 : index);
           ASSERT_TRUE(after || !fits || sequence[cursor] == at(index + 1));
         }},
        {"Set by index",
         [&] {
           if (list && !size) return;
           // The list's negative indexes set the first, the vector grows with nulls.
           int index = list ? Random(size + 2) - 2 : Random(size + 3);
           sequence.Set(index, element);
           if (index >= size) model.resize((std::size_t)index + 1, nullptr);
           set(std::max(index, 0));
         }},
        {"Set or Replace by cursor",
         [&] {
           if (Random(2) && on())
             sequence.Set(cursor, element);
           else
             ASSERT_EQ(sequence.Replace(cursor, element), at(index));
           if (on()) set(index);
         }},
        // A removal steps the cursor back.
        {"Remove by cursor",
         [&] {
           ASSERT_EQ(sequence.Remove(cursor), at(index));
           if (!on()) return;
           model.erase(model.begin() + index);
           ASSERT_EQ(sequence[cursor], at(index - 1));
         }},
        {"Remove or Replace by object",
         [&] {
           PEVBaseUnknown* old = Random(6) ? at(Random(size + 1)) : element;
           bool found = Has(model, old), replace = Random(2);
           ASSERT_EQ((replace ? sequence.Replace(old, element, ORVNotify)
                              : sequence.Remove(old, ORVNotify)) != 0,
                     found);
           replace ? std::replace(model.begin(), model.end(), old, element) : EraseAll(model, old);
           sorted = sorted && !(found && replace);
         }},
        {"ExtractFirst or ExtractLast",
         [&] {
           int end = Random(2) ? 0 : size - 1;
           ASSERT_EQ(end ? sequence.ExtractLast() : sequence.ExtractFirst(), at(end));
           if (size) model.erase(model.begin() + end);
         }},
        {"Remove at the iterator's cursor",
         [&] { EraseAt(model, _Driver.RemoveAtTheCursor(sequence, model, 16)); }},
        // The list's iterator goes on with the element that followed the one removed
        // under it.
        {"Remove by object under the iterator",
         [&] {
           for (PEVBaseUnknown* removed :
                list ? _Driver.RemoveUnderTheIterator(sequence, model, 8) : Elements())
             EraseAll(model, removed);
         }},
        // Unstable: equal names may come in another order, checked below.
        {"Sort",
         [&] {
           if (!isSorted || Random(3)) return;
           sortedVector->Sort();
           std::stable_sort(model.begin(), model.end(), [](auto iFirst, auto iSecond) {
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
        {"Clear now and then", [&] {
           if (Random(60) == 0) sequence.Clear(1), model.clear(), sorted = true;
         }}};
    auto check = [&] {
      size = (int)model.size();
      if (sortedVector) {
        Elements contents(vector->Contents(), vector->Contents() + size);
        ASSERT_EQ(sortedVector->IsSorted() != 0, sorted || size < 2);
        if (sorted) {
          ASSERT_TRUE(std::is_sorted(contents.begin(), contents.end(), [](auto iOne, auto iOther) {
            return NameOf(iOne) < NameOf(iOther);
          }));
          ASSERT_TRUE(std::is_permutation(contents.begin(), contents.end(), model.begin()));
          model = contents;
        }
      }
      ASSERT_NO_FATAL_FAILURE(ModelDriver::ExpectHolds(sequence, model));
      if (vector) {
        // The capacity grows to twice and eight, or to the size when that is more.
        int grown = vector->GetCapacity();
        ASSERT_TRUE(grown == capacity || grown == std::max(2 * capacity + 8, size)) << capacity;
        ASSERT_GE(grown, size);
        capacity = grown;
        // Searches by name from any start, either way. A linear one brings the start within
        // the elements but when it is past them in its direction; a binary one, on the sorted
        // order, gives a start outside them back (the count past the end), and looks at the
        // start only when continued. A linear search by object goes forward.
        int start = Random(size + 4) - 2, forward = Random(2), first = Random(4) != 0;
        int none = forward ? size : -1, found = none, comparisons = _ByName._Comparisons;
        bool binary = isSorted && sortedVector->IsSorted();
        auto same = [&](int iIndex) { return NameOf(at(iIndex)) == NameOf(element); };
        if (binary ? start < 0 || start >= size : forward ? start >= size : start < 0)
          found = binary ? std::min(start, size) : start;
        else if (binary && !first)
          found = same(start) ? start : none;
        else
          for (int i = std::min(std::max(start, 0), size - 1); found == none && i >= 0 && i < size;
               i += forward ? 1 : -1)
            if (same(i)) found = i;
        ASSERT_EQ(vector->Search(start, forward, first, element, _ByName), found) << start;
        ASSERT_TRUE(!binary || first || start < 0 || start >= size ||
                    _ByName._Comparisons == comparisons + 1);
        auto identical =
            std::find(model.begin() + std::min(std::max(start, 0), size), model.end(), element);
        ASSERT_TRUE(binary || vector->SearchObject(start, 1, element) ==
                                  (start >= size ? start : (int)(identical - model.begin())))
            << start;
      }
      // Positions beyond the elements read as null but for the list's negative ones.
      int index = Random(8) ? Random(size + 4) - 2 : Random(2) ? INT_MIN : INT_MAX;
      ASSERT_EQ(sequence[index], list && index < 0 ? at(0) : at(index)) << index;
      ASSERT_EQ(sequence.First(), at(0));
      ASSERT_EQ(sequence.Last(), at(size - 1));
      ASSERT_EQ(sequence.Contains(element) != 0, Has(model, element));
      auto sameName = [&](PEVBaseUnknown* iOne) {
        return iOne && element && NameOf(iOne) == NameOf(element);
      };
      // Without a comparator (but the sorted vector's) a pattern is the object itself.
      auto matches = [&](PEVBaseUnknown* iOne) {
        return isSorted ? sameName(iOne) : iOne == element;
      };
      auto first = std::find_if(model.begin(), model.end(), matches);
      ASSERT_EQ(sequence.LookupOne(element), first == model.end() ? nullptr : *first);
      ASSERT_EQ(sequence[static_cast<const ORVCursor*>(nullptr)], nullptr);
      ASSERT_TRUE(!list || !sequence[&listCursor.emplace()]);  // a cursor on no link
      // Iterators from a cursor or from the start, two others alive meanwhile.
      ORVIterator* older = sequence.MakeIterator(nullptr);
      ORVIterator* newer = sequence.MakeIterator(nullptr);
      int start = anyIndex();
      ORVCursor* from = cursorAt(start);
      start = std::min(std::max(start, -1), size);
      _Driver.ExpectWalk(sequence.MakeIterator(from), model, start);
      if (element) {
        _Driver.ExpectWalk(sequence.LookupAll(from, element), model, start, matches);
        _Driver.ExpectWalk(sequence.LookupAll(from, element, _ByName), model, start, sameName);
      }
      older->Release();
      newer->Release();
    };
    _Driver.Run(20000, operations, check, prepare, 4);
  }
}

TEST_F(ContainerModelTest, HashTableBehavesAsAMultisetInBucketOrder) {
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  HashModel model(_ByNumber);
  Elements& inserted = model._Inserted;
  PEVBaseUnknown* element = nullptr;
  std::vector<std::size_t> indexes;  // the table's order as indexes into inserted
  Elements order;                    // the table's order
  auto prepare = [&] { element = AnyElement(); };
  auto add = [&] { table.Add(element, ORVNotify), model.Add(element); };
  const ModelOperations operations = {
      {"Add", add},
      {"Add", add},
      // Every occurrence of old goes; a replacement comes as many times, at the end of its
      // bucket.
      {"Remove or Replace by object",
       [&] {
         // One of the elements, or any element when there is none or once in a while.
         PEVBaseUnknown* old = inserted.empty() || Random(8) == 0
                                   ? AnyElement()
                                   : inserted[(std::size_t)Random((int)inserted.size())];
         bool replace = Random(2);
         auto occurrences = std::count(inserted.begin(), inserted.end(), old);
         ASSERT_EQ(
             (replace ? table.Replace(old, element, ORVNotify) : table.Remove(old, ORVNotify)) != 0,
             occurrences > 0);
         EraseAll(inserted, old);
         if (replace) inserted.insert(inserted.end(), (std::size_t)occurrences, element);
       }},
      {"Remove at the iterator's cursor",
       [&] {
         std::vector<std::size_t> removed;
         for (std::size_t index : _Driver.RemoveAtTheCursor(table, order, 64))
           removed.push_back(indexes[index]);
         EraseAt(inserted, removed);
       }},
      {"Remove by object under the iterator",
       [&] {
         for (PEVBaseUnknown* removed : _Driver.RemoveUnderTheIterator(table, order, 16))
           EraseAll(inserted, removed);
       }},
      // The iterator follows its link into the new buckets.
      {"Grow under a live iterator",
       [&] {
         int dimension = model._Dimension;
         if (inserted.empty() || dimension >= 64) return;
         int steps = Random((int)order.size()) + 1;
         ORVIterator* iterator = Advanced(table, steps);
         std::size_t current = indexes[(std::size_t)steps - 1];
         while (model._Dimension == dimension)
           add();
         indexes = model.OrderIndexes();
         for (auto at = ++std::find(indexes.begin(), indexes.end(), current); at != indexes.end();
              ++at)
           ASSERT_EQ(iterator->Next(), inserted[*at]);
         ASSERT_EQ(iterator->Next(), nullptr);
         iterator->Release();
       }},
      // Two iterators each remove their own element through their own cursor; the first
      // then goes on with the element after its removed one.
      {"Remove through two iterators", [&] {
         if (inserted.size() < 2) return;
         std::size_t first = (std::size_t)Random((int)order.size());
         std::size_t second = (std::size_t)Random((int)order.size());
         ORVIterator* one = Advanced(table, (int)first + 1);
         ORVIterator* other = Advanced(table, (int)second + 1);
         ASSERT_EQ(table.Remove(const_cast<ORVCursor*>(one->Position())), order[first]);
         ASSERT_EQ(table.Remove(const_cast<ORVCursor*>(other->Position())),
                   first == second ? nullptr : order[second]);
         std::size_t following = first + 1 + (first + 1 == second);
         ASSERT_EQ(one->Next(), following < order.size() ? order[following] : nullptr);
         one->Release();
         other->Release();
         EraseAt(inserted, {indexes[first], indexes[second]});
       }}};
  auto check = [&] {
    model.ExpectHeldBy(table);
    indexes = model.OrderIndexes();
    order = model.Order();
    ASSERT_EQ(table.Contains(element), Has(inserted, element));
    // The table's comparator finds the first of the pattern's bucket with the same name;
    // another comparator looks in the pattern's bucket only too.
    for (const ORVComparator* comparator : {(ORVComparator*)&_ByName, (ORVComparator*)&_ByLength}) {
      auto matches = [&](PEVBaseUnknown* iOne) {
        return model.Bucket(iOne) == model.Bucket(element) &&
               comparator->CompareObjects(iOne, element) == 0;
      };
      auto same = std::find_if(order.begin(), order.end(), matches);
      bool own = comparator == &_ByName;
      ASSERT_EQ(own ? table.LookupOne(element) : table.LookupOne(element, *comparator),
                same == order.end() ? nullptr : *same);
      // A pattern's iterator stays in its bucket, with any comparator.
      _Driver.ExpectWalk(own ? table.LookupAll(element) : table.LookupAll(element, *comparator),
                         order, -1, matches);
    }
    int start = Random((int)order.size() + 1) - 1;
    ORVHashCursor cursor = start < 0 ? ORVHashCursor() : HashCursorAt(table, start);
    _Driver.ExpectWalk(table.MakeIterator(start < 0 ? nullptr : &cursor), order, start);
  };
  _Driver.Run(20000, operations, check, prepare, 2);
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
  Elements listModel, vectorModel;
  HashModel tableModel(_ByNumber);
  Elements& inserted = tableModel._Inserted;
  int size = 0, index = 0;  // an element's index
  PEVBaseUnknown *fresh = nullptr, *present = nullptr;
  auto prepare = [&] {
    size = (int)vectorModel.size();
    index = size ? Random(size) : 0;
    // The link repeats removals of an object everywhere: the elements are kept distinct.
    fresh = nullptr;
    for (int attempt = 0; attempt < 8 && !fresh; ++attempt) {
      PEVBaseUnknown* candidate = AnyElement();
      if (!Has(vectorModel, candidate)) fresh = candidate;
    }
    present = size ? vectorModel[(std::size_t)index] : nullptr;
  };
  // The list at iListIndex and the vector at iVectorIndex get the fresh element.
  auto addEverywhere = [&](int iListIndex, int iVectorIndex) {
    listModel.insert(listModel.begin() + iListIndex, fresh);
    vectorModel.insert(vectorModel.begin() + iVectorIndex, fresh);
    tableModel.Add(fresh);
  };
  auto removeEverywhere = [&](PEVBaseUnknown* iElement) {
    for (Elements* model : {&listModel, &vectorModel, &inserted})
      EraseAll(*model, iElement);
  };
  auto replaceEverywhere = [&](PEVBaseUnknown* iOld) {
    std::replace(listModel.begin(), listModel.end(), iOld, fresh);
    std::replace(vectorModel.begin(), vectorModel.end(), iOld, fresh);
    if (Has(inserted, iOld)) EraseAll(inserted, iOld), inserted.push_back(fresh);
  };
  auto removePresent = [&] {
    ASSERT_TRUE(containers[Random(3)]->Remove(present, 1));
    removeEverywhere(present);
  };
  auto maybeClear = [&] {
    if (Random(80) != 0) return;
    containers[Random(3)]->Clear(1);
    listModel.clear(), vectorModel.clear(), inserted.clear();
  };
  // A step needing a fresh element (to add) or a present one (to remove) that is not
  // there removes instead, and without any element it clears now and then.
  auto needing = [&](const char* iName, bool iFresh, bool iPresent, std::function<void()> iStep) {
    return ModelOperation{iName, [&, iFresh, iPresent, iStep] {
                            if ((fresh || !iFresh) && (present || !iPresent)) return iStep();
                            present ? removePresent() : maybeClear();
                          }};
  };
  const ModelOperations operations = {
      needing("Append to the list", 1, 0, [&] { list.Append(fresh), addEverywhere(size, size); }),
      needing("Add to the table", 1, 0,
              [&] { table.Add(fresh, ORVNotify), addEverywhere(0, size); }),
      // The element at index in the vector (present), in the list or in the table.
      needing("Remove by object or cursor", 0, 1,
              [&] {
                int way = Random(4);
                if (way == 3) return removePresent();
                ORVVectorCursor onVector(index);
                ORVListCursor onList = ListCursorAt(list, index);
                ORVHashCursor onTable = HashCursorAt(table, index);
                PEVBaseUnknown* old = way == 1   ? listModel[(std::size_t)index]
                                      : way == 2 ? tableModel.Order()[(std::size_t)index]
                                                 : present;
                ASSERT_EQ(way == 1   ? list.Remove(&onList)
                          : way == 2 ? table.Remove(&onTable)
                                     : vector.Remove(&onVector),
                          old);
                removeEverywhere(old);
              }),
      needing("Replace by object, index or cursor", 1, 1,
              [&] {
                int way = Random(5);
                PEVBaseUnknown* old = way == 3 ? listModel[(std::size_t)index] : present;
                ORVVectorCursor onVector(index);
                ORVListCursor onList = ListCursorAt(list, index);
                if (way < 2) {
                  way ? vector.Set(&onVector, fresh) : vector.Set(index, fresh);
                } else if (way < 4) {
                  ASSERT_EQ(
                      way == 2 ? vector.Replace(&onVector, fresh) : list.Replace(&onList, fresh),
                      old);
                } else {
                  ASSERT_TRUE(containers[Random(3)]->Replace(present, fresh, 1));
                }
                replaceEverywhere(old);
              }),
      {"Clear now and then", maybeClear}};
  auto check = [&] {
    ModelDriver::ExpectHolds(list, listModel);
    ModelDriver::ExpectHolds(vector, vectorModel);
    tableModel.ExpectHeldBy(table);
  };
  _Driver.Run(20000, operations, check, prepare, 2);
  ASSERT_EQ(link->GetContainerSet().Size(), 3);
}

// Releasing the elements re-entrantly: each element's destruction adds a new element to
// the container, and the last one also drops the container's only reference.
TEST_F(ContainerModelTest, ReleasingElementsSurvivesElementsThatChangeOrFreeTheContainer) {
  struct Reentrant : ORVTestShape {
    Reentrant(ORVContainer* iContainer, bool iFrees)
        : ORVTestShape("reentrant"), _pContainer(iContainer), _Frees(iFrees) {}
    ~Reentrant() override {
      _Frees ? (void)_pContainer->Release() : _pContainer->Add(new ORVTestShape("late"), 1);
    }
    ORVContainer* _pContainer;
    bool _Frees;
  };
  for (int maker = 0; maker < 6; ++maker) {
    SCOPED_TRACE("container " + std::to_string(maker));
    int live = ORVTestShape::_LiveCount;
    ORVContainer* container = maker < 2   ? new ORVVector(ORVDoNothingAtDelete)
                              : maker < 4 ? (ORVContainer*)new ORVList(ORVDoNothingAtDelete)
                                          : new ORVHashTable(ORVDoNothingAtDelete, 0);
    for (int i = 0; i < 3; ++i)
      container->Add(new Reentrant(container, false), 1);
    maker % 2 ? container->Destroy() : container->ReleaseElementsAndClear();
    // The three added while releasing stay, the releasing ones are all gone.
    ASSERT_EQ(Names(*container), (std::vector<std::string>(3, "late")));
    ASSERT_EQ(ORVTestShape::_LiveCount, live + 3);
    container->ReleaseElementsAndClear();
    // The container's last reference goes with an element in the middle.
    AddAll(*container,
           {new ORVTestShape("before"), new Reentrant(container, true), new ORVTestShape("after")});
    container->ReleaseElementsAndClear();
    ASSERT_EQ(ORVTestShape::_LiveCount, live);
  }
}
