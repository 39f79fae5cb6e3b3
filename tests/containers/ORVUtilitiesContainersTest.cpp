// Tests of the container algorithms of ORVUtilities: appending and removing whole
// containers (a container as its own source included), duplicates, the merge of sorted
// sets, a common element, and the joining of texts in its three forms.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
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

const char kFile[] = "src/ORVUtilitiesContainers.cpp";

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
  // A sorted set of integers, by value, released by the fixture.
  ORVSortedVector* MakeSet(const std::vector<int>& iValues) {
    _Sets.emplace_back();
    _Sets.back().Set(ORVRfHndlrAdopt, new ORVSortedVector(_ByValue, ORVDestroyElementsAtDelete));
    auto* set = ORVCheckedCast<ORVSortedVector>(_Sets.back().Get());
    for (int value : iValues)
      set->Append(new ORVExtAnyInteger(value));
    set->Sort();
    return set;
  }

  ORVTestShapeCmpName _ByName;
  ORVTestShapeHashNumber _ByNumber;
  ORVExtIntegerCmp _ByValue;
  std::vector<ORVContainerRfHndlr> _Sets;
};
using ORVUtilitiesContainersDeathTest = ORVUtilitiesContainersTest;

}  // namespace

TEST_F(ORVUtilitiesContainersTest, AppendsInTheSourcesOrderThroughTheLinkWithOrWithoutReference) {
  ORVVector& source = VectorOf({&_A, nullptr, &_B, &_A});
  ORVVector destination(ORVDoNothingAtDelete);
  ORVList follower(ORVDoNothingAtDelete);
  ORVTestRecordingLink* link = Record({});
  link->AddContainer(&destination);
  link->AddContainer(&follower);
  ORVUtilities::AppendContainers(destination, source);
  EXPECT_THAT(Names(destination), ElementsAre("a", "null", "b", "a"));
  EXPECT_THAT(link->Texts(),
              ElementsAre("AddObject a", "AddObject null", "AddObject b", "AddObject a"));
  EXPECT_THAT(Names(follower), ElementsAre("a", "b", "null", "a"));  // the list adds at its front
  unsigned long references = _A.GetRefCount();
  {
    ORVVector owner(ORVReleaseElementsAtDelete);
    ORVUtilities::AppendContainersWithAddRef(owner, source);
    EXPECT_EQ(owner.Size(), 4);
    EXPECT_EQ(_A.GetRefCount(), references + 2);
  }
  EXPECT_EQ(_A.GetRefCount(), references);
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  AddAll(table, {Shape("1"), Shape("17"), Shape("2")});
  ORVVector fromTable(ORVDoNothingAtDelete);
  ORVUtilities::AppendContainers(fromTable, table);
  EXPECT_THAT(Names(fromTable), ElementsAre("1", "17", "2"));  // bucket order
}

TEST_F(ORVUtilitiesContainersTest, AppendsAContainerToItselfOnce) {
  ORVVector& vector = VectorOf({&_A, &_B});
  ORVUtilities::AppendContainers(vector, vector);
  EXPECT_THAT(Names(vector), ElementsAre("a", "b", "a", "b"));
  ORVList list(ORVDoNothingAtDelete);
  AppendAll(list, {&_A, &_B});
  ORVUtilities::AppendContainers(list, list);
  EXPECT_THAT(Names(list), ElementsAre("b", "a", "a", "b"));
  // 32 elements fill 16 buckets; appending them to their own table makes it grow.
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (int i = 0; i < 32; ++i)
    table.Add(Shape(std::to_string(i)), 0);
  ASSERT_EQ(table.GetDimension(), 16);
  ORVUtilities::AppendContainers(table, table);
  EXPECT_EQ(table.Size(), 64);
  EXPECT_EQ(table.GetDimension(), 32);
  for (ORVTestShape& shape : _Shapes) {
    EXPECT_TRUE(table.Remove(&shape, 0));
    EXPECT_TRUE(table.IsEmpty() || !table.Contains(&shape));  // both copies went
  }
  EXPECT_TRUE(table.IsEmpty());
}

TEST_F(ORVUtilitiesContainersTest, RemovesWhatIsThereFromOthersOrItselfAndReleasesIt) {
  ORVTestShape x("x");
  ORVList list(ORVDoNothingAtDelete);
  AppendAll(list, {&_A, &_B, &_A});
  ORVVector& toRemove = VectorOf({&_A, &x});
  ORVUtilities::RemoveElements(list, toRemove, 0);  // without the flag, x is ignored
  EXPECT_THAT(Names(list), ElementsAre("b"));
  AppendAll(list, {&_A, &_C});
  ORVUtilities::RemoveElements(list, list, 1);
  EXPECT_TRUE(list.IsEmpty());
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  AddAll(table, {&_A, &_B, &_C});
  ORVUtilities::RemoveElements(table, table, 1);
  EXPECT_TRUE(table.IsEmpty());
  // With release: only what was removed, after all the removals.
  int live = ORVTestShape::_LiveCount;
  auto* element = new ORVTestShape("7");
  table.Add(element, 0);
  ORVVector released(ORVDoNothingAtDelete);
  AppendAll(released, {element, &x, element});  // looked up by its code again after removal
  _ByNumber._Calls = 0;
  ORVUtilities::RemoveElementsWithRelease(table, released, 0);
  EXPECT_EQ(_ByNumber._Calls, 3);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(ORVTestShape::_LiveCount, live);  // the element went, x stays
  EXPECT_EQ(x.GetRefCount(), 1u);
}

TEST_F(ORVUtilitiesContainersDeathTest, RemovalsThatMustTakeAllAndUnsortedSetsAreFatal) {
  std::string notAll = "All the elements of Container2 aren't removed from Container1";
  EXPECT_EXIT(
      {
        ORVTestShape x("x");
        ORVContainersLinkRfHndlr link;
        link.Set(ORVRfHndlrAdopt, new ORVTestPrintingLink());
        ORVList list(ORVDoNothingAtDelete);
        link->AddContainer(&list);
        AppendAll(list, {&_A, &_B});
        ORVVector& toRemove = VectorOf({&_A, &x});
        ORVUtilities::RemoveElements(list, toRemove, 1);
      },
      testing::ExitedWithCode(255),
      "^RemoveObject a\n" + FatalReportPattern(notAll, kFile).substr(1));
  ORVVector& empty = VectorOf({});
  ExpectFatalReport([&] { ORVUtilities::RemoveElementsWithRelease(empty, VectorOf({&_A}), 1); },
                    notAll, kFile);
  ORVSortedVector unsortedShapes(_ByName, ORVDoNothingAtDelete);
  AppendAll(unsortedShapes, {&_B, &_A});
  ExpectFatalReport(
      [&] { ORVUtilities::GetDistinctObjects(unsortedShapes, _ByName, empty, nullptr); },
      "ObjSet must be sorted by the comparator", kFile);
  ORVSortedVector* sorted = MakeSet({});
  ORVSortedVector unsorted(_ByValue, ORVDoNothingAtDelete);
  ORVExtAnyInteger one(1), two(2);
  AppendAll(unsorted, {&two, &one});
  ExpectFatalReport(
      [&] {
        ORVUtilities::DiffSortedVectors(unsorted, *sorted, _ByValue, 0, nullptr, nullptr, nullptr,
                                        nullptr);
      },
      "ObjSet1 must be sorted by the comparator", kFile);
  ExpectFatalReport(
      [&] {
        ORVUtilities::DiffSortedVectors(*sorted, unsorted, _ByValue, 0, nullptr, nullptr, nullptr,
                                        nullptr);
      },
      "ObjSet2 must be sorted by the comparator", kFile);
}

TEST_F(ORVUtilitiesContainersTest, ChecksThatNoTwoElementsAreEqualAndSeparatesDuplicates) {
  ORVVector vector(ORVDoNothingAtDelete);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 1u);
  AppendAll(vector, {&_A, &_B, &_C});
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, &_D), 1u);
  ORVTestShape b2("b"), b3("b");
  vector.Append(&b2);
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 0u);
  ORVSortedVector set(_ByName, ORVDoNothingAtDelete);
  AppendAll(set, {&_C, &_B, &_A, &b2, &b3});
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

TEST_F(ORVUtilitiesContainersTest, DiffSortedVectorsWithAndWithoutTheDistinctFlag) {
  struct Row {
    std::vector<int> _First, _Second;
    unsigned int _Distinct;
    std::vector<int> _OnlyIn1, _OnlyIn2, _InBoth, _All;
    int _InBothIndex, _FirstIndex;  // an element in both is this element of the first set
  };
  const Row rows[] = {
      {{4, 2, 1, 2}, {3, 4, 2}, 0, {1, 2}, {3}, {2, 4}, {1, 2, 2, 3, 4}, 1, 3},
      {{1, 2, 2, 4}, {2, 3, 4}, 1, {1}, {3}, {2, 4}, {1, 2, 3, 4}, 0, 1},  // the first of its run
      {{1, 1, 2, 4}, {2, 3, 3, 4, 4, 4, 5, 5}, 1, {1}, {3, 5}, {2, 4}, {1, 2, 3, 4, 5}, 1, 3},
      {{5, 1, 5}, {}, 0, {1, 5, 5}, {}, {}, {1, 5, 5}, -1, -1},
      {{}, {5, 1, 5}, 1, {}, {1, 5}, {}, {1, 5}, -1, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row._First) + " " + testing::PrintToString(row._Second));
    ORVSortedVector* first = MakeSet(row._First);
    ORVSortedVector* second = MakeSet(row._Second);
    ORVVector onlyIn1(ORVDoNothingAtDelete), onlyIn2(ORVDoNothingAtDelete),
        inBoth(ORVDoNothingAtDelete), all(ORVDoNothingAtDelete), alone(ORVDoNothingAtDelete);
    ORVUtilities::DiffSortedVectors(*first, *second, _ByValue, row._Distinct, &onlyIn1, &onlyIn2,
                                    &inBoth, &all);
    EXPECT_EQ(Values(onlyIn1), row._OnlyIn1);
    EXPECT_EQ(Values(onlyIn2), row._OnlyIn2);
    EXPECT_EQ(Values(inBoth), row._InBoth);
    EXPECT_EQ(Values(all), row._All);
    if (row._InBothIndex >= 0) {
      EXPECT_EQ(inBoth[row._InBothIndex], (*first)[row._FirstIndex]);
    }
    // Null outputs are skipped.
    ORVUtilities::DiffSortedVectors(*first, *second, _ByValue, row._Distinct, nullptr, &alone,
                                    nullptr, nullptr);
    EXPECT_EQ(Values(alone), row._OnlyIn2);
  }
}

TEST_F(ORVUtilitiesContainersTest, FindsACommonElementFromTheSmallerSet) {
  ORVTestShapeCmpName forSecond, forFirst;
  ORVVector empty(ORVDoNothingAtDelete);
  ORVVector small(ORVDoNothingAtDelete);
  small.Append(&_C);
  ORVList large(ORVDoNothingAtDelete);
  ORVTestShape otherC("c");
  AppendAll(large, {&_A, &_B, &otherC});
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
  ORVVector& texts = VectorOf({&a, &empty, &b});
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
  ORVVector& texts = VectorOf({&dbNull, &chars, &dbNullString});
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 0, ",", "[", "]", "-")), "-,[c],-");
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 1, ",", "[", "]", "-")), "[c]");
  // A null element of a container is an empty item; a string keeps its NULs.
  AppendAll(texts, {nullptr, &withNul});
  EXPECT_EQ(Text(ORVUtilities::ConcatStrings(texts, 0, ",", "", "", "-")),
            std::string("-,c,-,-,x\0\0y", 12));
}

TEST_F(ORVUtilitiesContainersDeathTest, ConcatStringsRefusesNullConversionsAndOtherClasses) {
  ORVString a("a");
  ORVVector texts(ORVDoNothingAtDelete);
  texts.Append(&a);
  ORVOneWayIteratorOnInterval interval(texts, 0, 1);
  ORVTestNullConvertor nothing;
  ExpectFatalReport([&] { ORVUtilities::ConcatStrings(interval, &nothing, 0, ",", "", "", ""); },
                    "pConverted is NULL", kFile);
  texts.Append(&_A);
  ExpectFatalReport(
      [&] { ORVUtilities::ConcatStrings(texts, 0, ",", "", "", ""); },
      "ORVConversionCheck::Check: object is not a \"ORVExtChars\" but a \"ORVTestShape\"",
      "src/ORVMacro.cpp");
}
