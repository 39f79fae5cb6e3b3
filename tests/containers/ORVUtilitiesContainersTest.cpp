// Tests of the container algorithms of ORVUtilities: appending and removing whole
// containers (a container as its own source included), duplicates, the merge of sorted
// sets, a common element, and the joining of texts in its three forms.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVConvertor.h"
#include "ORVExtAnyChars.h"
#include "ORVExtAnyInteger.h"
#include "ORVExtAnyString.h"
#include "ORVExtIntegerCmp.h"
#include "ORVHashTable.h"
#include "ORVIterator.h"
#include "ORVList.h"
#include "ORVOneWayIteratorOnInterval.h"
#include "ORVSortedVector.h"
#include "ORVStringExtCharsConvToUpperExtChars.h"
#include "ORVUtilities.h"
#include "ORVVector.h"

using testing::ElementsAre;

// Tells each removal on standard error, for the order of a fatal report.
class ORVTestPrintingLink : public ORVContainersLink {
  ORV_META_OBJECT(ORVTestPrintingLink)

public:
  void RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom) override {
    fprintf(stderr, "RemoveObject %s\n", NameOf(iObject).c_str());
    ORVContainersLink::RemoveObject(iObject, iFrom);
  }
};
ORV_META_OBJECT_DEFINE(ORVTestPrintingLink, ORVContainersLink)

// Gives nothing for every object.
class ORVTestNullConvertor : public ORVConvertor {
  ORV_META_OBJECT(ORVTestNullConvertor)

public:
  void Set(const PEVBaseUnknown*) override {}
  const PEVBaseUnknown* GetConverted() const override { return nullptr; }
};
ORV_META_OBJECT_DEFINE(ORVTestNullConvertor, ORVConvertor)

namespace {

const char kFile[] = "src/ORVUtilities.cpp";

// iBody ends the process with a report matching iPattern. The fixtures hold the cleaner.
void ExpectFatal(const std::function<void()>& iBody, const std::string& iPattern) {
  EXPECT_EXIT(iBody(), testing::ExitedWithCode(255), iPattern);
}

// The names of the elements in iteration order ("null" for null), Size() steps.
std::vector<std::string> Names(const ORVContainer& iContainer) {
  std::vector<std::string> names;
  ORVIterator* iterator = iContainer.MakeIterator(nullptr);
  for (int i = 0; i < iContainer.Size(); ++i)
    names.push_back(NameOf(iterator->Next()));
  iterator->Release();
  return names;
}

// The values of a vector of ORVExtInteger elements.
std::vector<int> Values(const ORVVector& iVector) {
  std::vector<int> values;
  for (int i = 0; i < iVector.Size(); ++i)
    values.push_back(ORVCheckedCast<ORVExtInteger>(iVector[i])->GetInteger());
  return values;
}

std::string Text(const ORVString& iText) {
  return std::string(iText.GetChars(), (std::size_t)iText.GetLength());
}

class ORVUtilitiesContainersTest : public ORVContainerTestBase {
protected:
  ORVTestShapeCmpName _ByName;
  ORVTestShapeHashNumber _ByNumber;
};

using ORVUtilitiesContainersDeathTest = ORVUtilitiesContainersTest;

// Sorted sets of integers for the merge, by value.
class ORVUtilitiesDiffTest : public testing::Test {
protected:
  ORVSortedVector* MakeSet(const std::vector<int>& iValues) {
    auto* set = new ORVSortedVector(_ByValue, ORVDestroyElementsAtDelete);
    for (int value : iValues)
      set->Append(new ORVExtAnyInteger(value));
    set->Sort();
    _Sets.push_back(set);
    return set;
  }
  ~ORVUtilitiesDiffTest() override {
    for (ORVSortedVector* set : _Sets)
      set->Release();
  }

  ORVGlobalObjectCleaner _Cleaner;
  ORVExtIntegerCmp _ByValue;
  ORVVector _OnlyIn1{ORVDoNothingAtDelete};
  ORVVector _OnlyIn2{ORVDoNothingAtDelete};
  ORVVector _InBoth{ORVDoNothingAtDelete};
  ORVVector _All{ORVDoNothingAtDelete};
  std::vector<ORVSortedVector*> _Sets;  // released by the fixture
};

}  // namespace

TEST_F(ORVUtilitiesContainersTest, AppendsInTheSourcesOrderNullsIncluded) {
  ORVVector source(ORVDoNothingAtDelete);
  source.Append(&_A);
  source.Append(nullptr);
  source.Append(&_B);
  ORVVector destination(ORVDoNothingAtDelete);
  ORVUtilities::AppendContainers(destination, source);
  EXPECT_THAT(Names(destination), ElementsAre("a", "null", "b"));

  ORVTestShape one("1"), seventeen("17"), two("2");
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (ORVTestShape* shape : {&one, &seventeen, &two})
    table.Add(shape, 0);
  ORVVector fromTable(ORVDoNothingAtDelete);
  ORVUtilities::AppendContainers(fromTable, table);
  EXPECT_THAT(Names(fromTable), ElementsAre("1", "17", "2"));  // bucket order
}

TEST_F(ORVUtilitiesContainersTest, AppendsThroughTheLink) {
  ORVTestRecordingLink* recording = nullptr;
  ORVContainersLinkRfHndlr handler = MakeRecordingLink(&recording);
  ORVVector destination(ORVDoNothingAtDelete);
  ORVList follower(ORVDoNothingAtDelete);
  recording->AddContainer(&destination);
  recording->AddContainer(&follower);
  ORVList source(ORVDoNothingAtDelete);
  source.Append(&_A);
  source.Append(&_B);
  ORVUtilities::AppendContainers(destination, source);
  EXPECT_THAT(recording->Texts(), ElementsAre("AddObject a", "AddObject b"));
  EXPECT_THAT(Names(follower), ElementsAre("b", "a"));  // the list adds at its front
}

TEST_F(ORVUtilitiesContainersTest, AppendsAContainerToItselfOnce) {
  ORVVector vector(ORVDoNothingAtDelete);
  vector.Append(&_A);
  vector.Append(&_B);
  ORVUtilities::AppendContainers(vector, vector);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "a", "b"));

  ORVList list(ORVDoNothingAtDelete);
  list.Append(&_A);
  list.Append(&_B);
  ORVUtilities::AppendContainers(list, list);
  EXPECT_THAT(Names(list), ElementsAre("b", "a", "a", "b"));

  // 32 elements fill 16 buckets; appending them to their own table makes it grow.
  std::vector<ORVTestShape> shapes;
  shapes.reserve(32);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (int i = 0; i < 32; ++i) {
    shapes.emplace_back(std::to_string(i));
    table.Add(&shapes.back(), 0);
  }
  ASSERT_EQ(table.GetDimension(), 16);
  ORVUtilities::AppendContainers(table, table);
  EXPECT_EQ(table.Size(), 64);
  EXPECT_EQ(table.GetDimension(), 32);
  for (ORVTestShape& shape : shapes) {
    EXPECT_TRUE(table.Remove(&shape, 0));
    EXPECT_TRUE(table.IsEmpty() || !table.Contains(&shape));  // both copies went
  }
  EXPECT_TRUE(table.IsEmpty());
}

TEST_F(ORVUtilitiesContainersTest, AppendsWithAReferenceForTheDestination) {
  ORVVector source(ORVDoNothingAtDelete);
  source.Append(&_A);
  source.Append(nullptr);
  source.Append(&_A);
  unsigned long references = _A.GetRefCount();
  {
    ORVVector destination(ORVReleaseElementsAtDelete);
    ORVUtilities::AppendContainersWithAddRef(destination, source);
    EXPECT_EQ(destination.Size(), 3);
    EXPECT_EQ(_A.GetRefCount(), references + 2);
  }
  EXPECT_EQ(_A.GetRefCount(), references);
}

TEST_F(ORVUtilitiesContainersTest, RemovesWhatIsThereAndIgnoresTheRestWithoutTheFlag) {
  ORVTestShape x("x");
  ORVList list(ORVDoNothingAtDelete);
  for (ORVTestShape* shape : {&_A, &_B, &_A})
    list.Append(shape);
  ORVVector toRemove(ORVDoNothingAtDelete);
  toRemove.Append(&_A);
  toRemove.Append(&x);
  ORVUtilities::RemoveElements(list, toRemove, 0);
  EXPECT_THAT(Names(list), ElementsAre("b"));
}

TEST_F(ORVUtilitiesContainersTest, RemovesAContainerFromItself) {
  ORVList list(ORVDoNothingAtDelete);
  for (ORVTestShape* shape : {&_A, &_B, &_C})
    list.Append(shape);
  ORVUtilities::RemoveElements(list, list, 1);
  EXPECT_TRUE(list.IsEmpty());

  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (ORVTestShape* shape : {&_A, &_B, &_C})
    table.Add(shape, 0);
  ORVUtilities::RemoveElements(table, table, 1);
  EXPECT_TRUE(table.IsEmpty());
}

TEST_F(ORVUtilitiesContainersTest, ReleasesOnlyWhatWasRemovedAfterAllRemovals) {
  int live = ORVTestShape::_LiveCount;
  auto* element = new ORVTestShape("7");
  ORVTestShape absent("8");
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(element, 0);
  ORVVector toRemove(ORVDoNothingAtDelete);
  toRemove.Append(element);
  toRemove.Append(&absent);
  toRemove.Append(element);  // looked up by its code again after its removal
  _ByNumber._Calls = 0;
  ORVUtilities::RemoveElementsWithRelease(table, toRemove, 0);
  EXPECT_EQ(_ByNumber._Calls, 3);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(ORVTestShape::_LiveCount, live + 1);  // the element went, "8" stays
  EXPECT_EQ(absent.GetRefCount(), 1u);
}

TEST_F(ORVUtilitiesContainersDeathTest, RemovesThenFailsWhenAllMustGo) {
  std::string expected =
      "^RemoveObject a\n" +
      FatalReportPattern("All the elements of Container2 aren't removed from Container1", kFile)
          .substr(1);
  ExpectFatal(
      [&] {
        ORVTestShape a("a"), b("b"), x("x");
        ORVContainersLinkRfHndlr link;
        link.Set(ORVRfHndlrAdopt, new ORVTestPrintingLink());
        ORVList list(ORVDoNothingAtDelete);
        link->AddContainer(&list);
        list.Append(&a);
        list.Append(&b);
        ORVVector toRemove(ORVDoNothingAtDelete);
        toRemove.Append(&a);
        toRemove.Append(&x);
        ORVUtilities::RemoveElements(list, toRemove, 1);
      },
      expected);
  ExpectFatal(
      [&] {
        ORVTestShape a("a");
        ORVVector empty(ORVDoNothingAtDelete);
        ORVVector toRemove(ORVDoNothingAtDelete);
        toRemove.Append(&a);
        ORVUtilities::RemoveElementsWithRelease(empty, toRemove, 1);
      },
      FatalReportPattern("All the elements of Container2 aren't removed from Container1", kFile));
}

TEST_F(ORVUtilitiesContainersTest, ChecksThatNoTwoElementsAreEqual) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 1u);
  vector.Append(&_A);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 1u);
  vector.Append(&_B);
  vector.Append(&_C);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, &_D), 1u);
  ORVTestShape otherB("b");
  vector.Append(&otherB);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 0u);
}

TEST_F(ORVUtilitiesContainersTest, SeparatesDistinctObjectsFromDuplicates) {
  ORVTestShape b2("b"), b3("b");
  ORVSortedVector set(_ByName, ORVDoNothingAtDelete);
  for (ORVTestShape* shape : {&_C, &_B, &_A, &b2, &b3})
    set.Append(shape);
  set.Sort();
  ORVVector distinct(ORVDoNothingAtDelete);
  ORVList duplicates(ORVDoNothingAtDelete);
  ORVUtilities::GetDistinctObjects(set, _ByName, distinct, &duplicates);
  EXPECT_THAT(Names(distinct), ElementsAre("a", "b", "c"));
  EXPECT_EQ(distinct[1], set[1]);  // the first of the run
  EXPECT_THAT(Names(duplicates), ElementsAre("b", "b"));
  ORVVector distinctOnly(ORVDoNothingAtDelete);
  ORVUtilities::GetDistinctObjects(set, _ByName, distinctOnly, nullptr);
  EXPECT_EQ(distinctOnly.Size(), 3);
  ORVSortedVector empty(_ByName, ORVDoNothingAtDelete);
  ORVUtilities::GetDistinctObjects(empty, _ByName, distinctOnly, nullptr);
  EXPECT_EQ(distinctOnly.Size(), 3);
}

TEST_F(ORVUtilitiesContainersDeathTest, DistinctObjectsNeedASetSortedByTheComparator) {
  ExpectFatal(
      [&] {
        ORVTestShapeCmpName byName;
        ORVTestShape a("a"), b("b");
        ORVSortedVector set(byName, ORVDoNothingAtDelete);
        set.Append(&b);
        set.Append(&a);  // no longer sorted
        ORVVector distinct(ORVDoNothingAtDelete);
        ORVUtilities::GetDistinctObjects(set, byName, distinct, nullptr);
      },
      FatalReportPattern("ObjSet must be sorted by the comparator", kFile));
}

TEST_F(ORVUtilitiesDiffTest, MergesWithoutTheDistinctFlag) {
  ORVSortedVector* first = MakeSet({4, 2, 1, 2});
  ORVSortedVector* second = MakeSet({3, 4, 2});
  ORVUtilities::DiffSortedVectors(*first, *second, _ByValue, 0, &_OnlyIn1, &_OnlyIn2, &_InBoth,
                                  &_All);
  EXPECT_THAT(Values(_OnlyIn1), ElementsAre(1, 2));
  EXPECT_THAT(Values(_OnlyIn2), ElementsAre(3));
  EXPECT_THAT(Values(_InBoth), ElementsAre(2, 4));
  EXPECT_THAT(Values(_All), ElementsAre(1, 2, 2, 3, 4));
  // The elements in both come from the first set.
  EXPECT_EQ(_InBoth[1], (*first)[3]);
}

TEST_F(ORVUtilitiesDiffTest, MergesWithTheDistinctFlag) {
  ORVSortedVector* first = MakeSet({1, 2, 2, 4});
  ORVSortedVector* second = MakeSet({2, 3, 4});
  ORVUtilities::DiffSortedVectors(*first, *second, _ByValue, 1, &_OnlyIn1, &_OnlyIn2, &_InBoth,
                                  &_All);
  EXPECT_THAT(Values(_OnlyIn1), ElementsAre(1));
  EXPECT_THAT(Values(_OnlyIn2), ElementsAre(3));
  EXPECT_THAT(Values(_InBoth), ElementsAre(2, 4));
  EXPECT_THAT(Values(_All), ElementsAre(1, 2, 3, 4));
  EXPECT_EQ(_InBoth[0], (*first)[1]);  // the first of its run
}

TEST_F(ORVUtilitiesDiffTest, TheDistinctFlagSkipsRunsInBothSets) {
  ORVSortedVector* first = MakeSet({1, 1, 2, 4});
  ORVSortedVector* second = MakeSet({2, 3, 3, 4, 4, 4, 5, 5});
  ORVUtilities::DiffSortedVectors(*first, *second, _ByValue, 1, &_OnlyIn1, &_OnlyIn2, &_InBoth,
                                  &_All);
  EXPECT_THAT(Values(_OnlyIn1), ElementsAre(1));
  EXPECT_THAT(Values(_OnlyIn2), ElementsAre(3, 5));
  EXPECT_THAT(Values(_InBoth), ElementsAre(2, 4));
  EXPECT_THAT(Values(_All), ElementsAre(1, 2, 3, 4, 5));
}

TEST_F(ORVUtilitiesDiffTest, AnEmptySetLeavesEverythingToTheOther) {
  ORVSortedVector* first = MakeSet({5, 1, 5});
  ORVSortedVector* empty = MakeSet({});
  ORVUtilities::DiffSortedVectors(*first, *empty, _ByValue, 0, &_OnlyIn1, &_OnlyIn2, &_InBoth,
                                  &_All);
  EXPECT_THAT(Values(_OnlyIn1), ElementsAre(1, 5, 5));
  EXPECT_THAT(Values(_All), ElementsAre(1, 5, 5));
  EXPECT_EQ(_OnlyIn2.Size() + _InBoth.Size(), 0);
  // Null outputs are skipped.
  ORVUtilities::DiffSortedVectors(*empty, *first, _ByValue, 1, nullptr, &_OnlyIn2, nullptr,
                                  nullptr);
  EXPECT_THAT(Values(_OnlyIn2), ElementsAre(1, 5));
}

TEST_F(ORVUtilitiesDiffTest, BothSetsMustBeSortedByTheComparator) {
  auto expectFatal = [](unsigned int iUnsortedSet, const char* iText) {
    ExpectFatal(
        [&] {
          ORVExtIntegerCmp byValue;
          ORVExtAnyInteger one(1), two(2);
          ORVSortedVector sorted(byValue, ORVDoNothingAtDelete);
          ORVSortedVector unsorted(byValue, ORVDoNothingAtDelete);
          unsorted.Append(&two);
          unsorted.Append(&one);
          ORVUtilities::DiffSortedVectors(iUnsortedSet == 1 ? unsorted : sorted,
                                          iUnsortedSet == 2 ? unsorted : sorted, byValue, 0,
                                          nullptr, nullptr, nullptr, nullptr);
        },
        FatalReportPattern(iText, kFile));
  };
  expectFatal(1, "ObjSet1 must be sorted by the comparator");
  expectFatal(2, "ObjSet2 must be sorted by the comparator");
}

TEST_F(ORVUtilitiesContainersTest, FindsACommonElementFromTheSmallerSet) {
  ORVTestShapeCmpName forSecond, forFirst;
  ORVVector empty(ORVDoNothingAtDelete);
  ORVVector small(ORVDoNothingAtDelete);
  small.Append(&_C);
  ORVList large(ORVDoNothingAtDelete);
  ORVTestShape otherC("c");
  for (ORVTestShape* shape : {&_A, &_B, &otherC})
    large.Append(shape);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(empty, large, forSecond, forFirst), 0u);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(large, empty, forSecond, forFirst), 0u);
  EXPECT_EQ(forSecond._Comparisons + forFirst._Comparisons, 0);
  // The smaller set is walked; the other is searched with its own comparator.
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(large, small, forSecond, forFirst), 1u);
  EXPECT_EQ(forSecond._Comparisons, 0);
  EXPECT_EQ(forFirst._Comparisons, 3);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(small, large, forSecond, forFirst), 1u);
  EXPECT_EQ(forSecond._Comparisons, 3);
  small.Set(0, &_D);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(small, large, forSecond, forFirst), 0u);
}

TEST_F(ORVUtilitiesContainersTest, ConcatStringsInItsThreeForms) {
  ORVString a("a"), empty(""), b("b");
  ORVVector texts(ORVDoNothingAtDelete);
  for (ORVString* text : {&a, &empty, &b})
    texts.Append(text);
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 0, ", ", "'", "'", "-")), "'a', -, 'b'");
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 1, ", ", "'", "'", "-")), "'a', 'b'");

  ORVOneWayIteratorOnInterval interval(texts, 0, 3);
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(interval, nullptr, 0, "/", nullptr, "", nullptr)),
            "a//b");
  ORVString result("old");
  interval.ToBegin();
  ORVStringExtCharsConvToUpperExtChars upper;
  ORVUtilities::ConcatStrings(result, interval, &upper, 0, "+", "<", ">", "?");
  EXPECT_EQ(Text(result), "<A>+?+<B>");

  ORVVector none(ORVDoNothingAtDelete);
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(none, 0, ",", "'", "'", "-")), "");
  ORVOneWayIteratorOnInterval nothing(texts, 0, 0);
  ORVUtilities::ConcatStrings(result, nothing, nullptr, 0, ",", "'", "'", "-");
  EXPECT_EQ(Text(result), "");
}

TEST_F(ORVUtilitiesContainersTest, ConcatStringsTakesADbNullTextAsAnEmptyItem) {
  ORVExtAnyChars dbNull;
  ORVExtAnyString dbNullString;
  ORVExtAnyChars chars("c");
  ORVString withNul("x");
  withNul.Resize(3, '\0', 0);
  withNul += "y";
  ORVVector texts(ORVDoNothingAtDelete);
  for (PEVBaseUnknown* text : std::vector<PEVBaseUnknown*>{&dbNull, &chars, &dbNullString})
    texts.Append(text);
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 0, ",", "[", "]", "-")), "-,[c],-");
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 1, ",", "[", "]", "-")), "[c]");
  // A null element of a container is an empty item; a string keeps its NULs.
  texts.Append(nullptr);
  texts.Append(&withNul);
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 0, ",", "", "", "-")),
            std::string("-,c,-,-,x\0\0y", 12));
}

TEST_F(ORVUtilitiesContainersDeathTest, ConcatStringsRefusesNullConversionsAndOtherClasses) {
  ExpectFatal(
      [&] {
        ORVString a("a");
        ORVVector texts(ORVDoNothingAtDelete);
        texts.Append(&a);
        ORVOneWayIteratorOnInterval interval(texts, 0, 1);
        ORVTestNullConvertor nothing;
        ORVUtilities::ConcatStrings(interval, &nothing, 0, ",", "", "", "");
      },
      FatalReportPattern("pConverted is NULL", kFile));
  ExpectFatal(
      [&] {
        ORVTestShape shape("s");
        ORVVector texts(ORVDoNothingAtDelete);
        texts.Append(&shape);
        ORVUtilities::ConcatStrings(texts, 0, ",", "", "", "");
      },
      FatalReportPattern(
          "ORVConversionCheck::Check: object is not a \"ORVExtChars\" but a \"ORVTestShape\"",
          "src/ORVMacro.cpp"));
}
