// Tests of the container algorithms of ORVUtilities: appending and removing whole
// containers (a container as its own source included), duplicates, the merge of sorted
// sets, a common element, and the joining of texts in its three forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVConvertor.h"
#include "ORVExtAnyChars.h"
#include "ORVExtAnyString.h"
#include "ORVHashTable.h"
#include "ORVList.h"
#include "ORVOneWayIteratorOnInterval.h"
#include "ORVSortedVector.h"
#include "ORVStringExtCharsConvToUpperExtChars.h"
#include "ORVUtilities.h"
#include "ORVVector.h"
#include "TestStrings.h"

using Texts = std::vector<std::string>;

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

// The names of the elements of iContainer, one after the other.
std::string Joined(const ORVContainer& iContainer) {
  std::string names;
  for (const std::string& name : Names(iContainer))
    names += name;
  return names;
}

class ORVUtilitiesContainersTest : public ORVContainerTestBase {
protected:
  // A set of shapes named by the characters of iNames, sorted by name unless told otherwise.
  ORVSortedVector* MakeSet(const std::string& iNames, bool iSorted = true) {
    ORVSortedVector& set = _Sets.emplace_back(_ByName, ORVDoNothingAtDelete);
    for (char name : iNames)
      set.Append(Shape(std::string(1, name)));
    if (iSorted) set.Sort();
    return &set;
  }

  ORVTestShapeCmpName _ByName;
  ORVTestShapeHashNumber _ByNumber;
  std::deque<ORVSortedVector> _Sets;
};
using ORVUtilitiesContainersDeathTest = ORVUtilitiesContainersTest;

}  // namespace

TEST_F(ORVUtilitiesContainersTest, AppendsInTheSourcesOrderThroughTheLinkWithOrWithoutReference) {
  ORVVector& source = VectorOf({&_A, nullptr, &_B, &_A});
  ORVVector destination(ORVDoNothingAtDelete);
  ORVTestRecordingLink* link = Record({&destination});
  ORVUtilities::AppendContainers(destination, source);
  EXPECT_EQ(Names(destination), (Texts{"a", "null", "b", "a"}));
  EXPECT_EQ(link->Texts(), (Texts{"AddObject a", "AddObject null", "AddObject b", "AddObject a"}));
  unsigned long references = _A.GetRefCount();
  {
    ORVVector owner(ORVReleaseElementsAtDelete);
    ORVUtilities::AppendContainersWithAddRef(owner, source);
    EXPECT_EQ(_A.GetRefCount(), references + 2);
  }
  EXPECT_EQ(_A.GetRefCount(), references);
}

// The elements are taken before the first is added: a vector, and a table that grows from 16 to
// 32 buckets while its own 32 elements are added again.
TEST_F(ORVUtilitiesContainersTest, AppendsAContainerToItselfOnce) {
  ORVVector& vector = VectorOf({&_A, &_B});
  ORVUtilities::AppendContainers(vector, vector);
  EXPECT_EQ(Names(vector), (Texts{"a", "b", "a", "b"}));
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  for (int i = 0; i < 32; ++i)
    table.Add(Shape(std::to_string(i)), 0);
  ASSERT_EQ(table.GetDimension(), 16);
  ORVUtilities::AppendContainers(table, table);
  EXPECT_EQ(table.Size(), 64);
  EXPECT_EQ(table.GetDimension(), 32);
  for (ORVTestShape& shape : _Shapes)
    EXPECT_TRUE(table.Remove(&shape, ORVDoNotNotify));  // both copies go
  EXPECT_TRUE(table.IsEmpty());
}

TEST_F(ORVUtilitiesContainersTest, RemovesWhatIsThereFromOthersOrItselfAndReleasesIt) {
  ORVTestShape x("x");
  ORVList list(ORVDoNothingAtDelete);
  AppendAll(list, {&_A, &_B, &_A});
  ORVUtilities::RemoveElements(list, VectorOf({&_A, &x}), 0);  // without the flag, x is ignored
  EXPECT_EQ(Names(list), (Texts{"b"}));
  AppendAll(list, {&_A, &_C});
  ORVUtilities::RemoveElements(list, list, 1);
  EXPECT_TRUE(list.IsEmpty());
  // With release: only what was removed, after all the removals.
  int live = ORVTestShape::_LiveCount;
  auto* element = new ORVTestShape("7");
  ORVHashTable table(_ByNumber, _ByName, ORVDoNothingAtDelete, 0);
  table.Add(element, ORVDoNotNotify);
  _ByNumber._Calls = 0;
  // The element is looked up by its code again after its removal.
  ORVUtilities::RemoveElementsWithRelease(table, VectorOf({element, &x, element}), 0);
  EXPECT_EQ(_ByNumber._Calls, 3);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(ORVTestShape::_LiveCount, live);  // the element went, x stays
}

TEST_F(ORVUtilitiesContainersDeathTest,
       RemovalsThatMustTakeAllUnsortedSetsAndTextsOfNoTextAreFatal) {
  std::string notAll = "All the elements of Container2 aren't removed from Container1";
  ORVContainersLinkRfHndlr link;
  ORVList list(ORVDoNothingAtDelete);
  link.Set(ORVRfHndlrAdopt, new ORVTestPrintingLink())->AddContainer(&list);
  AppendAll(list, {&_A, &_B});
  // The fatal report comes after the removals.
  EXPECT_EXIT(ORVUtilities::RemoveElements(list, VectorOf({&_A, Shape("x")}), 1),
              testing::ExitedWithCode(255),
              "^RemoveObject a\n" + FatalReportPattern(notAll, kFile).substr(1));
  ORVVector& empty = VectorOf({});
  ExpectFatalReport([&] { ORVUtilities::RemoveElementsWithRelease(empty, VectorOf({&_A}), 1); },
                    notAll, kFile);
  ORVSortedVector *sorted = MakeSet(""), *unsorted = MakeSet("ba", false);
  ExpectFatalReport([&] { ORVUtilities::GetDistinctObjects(*unsorted, _ByName, empty, nullptr); },
                    "ObjSet must be sorted by the comparator", kFile);
  for (int set = 1; set <= 2; ++set) {
    ExpectFatalReport(
        [&] {
          ORVUtilities::DiffSortedVectors(set == 1 ? *unsorted : *sorted,
                                          set == 1 ? *sorted : *unsorted, _ByName, 0, nullptr,
                                          nullptr, nullptr, nullptr);
        },
        "ObjSet" + std::to_string(set) + " must be sorted by the comparator", kFile);
  }
  ORVOneWayIteratorOnInterval interval(VectorOf({&_A}), 0, 1);
  ORVTestNullConvertor nothing;
  ExpectFatalReport([&] { ORVUtilities::ConcatStrings(interval, &nothing, 0, ",", "", "", ""); },
                    "pConverted is NULL", kFile);
  ExpectFatalReport(
      [&] { ORVUtilities::ConcatStrings(VectorOf({&_A}), 0, ",", "", "", ""); },
      "ORVConversionCheck::Check: object is not a \"ORVExtChars\" but a \"ORVTestShape\"",
      "src/ORVMacro.cpp");
}

TEST_F(ORVUtilitiesContainersTest, ChecksThatNoTwoElementsAreEqualAndSeparatesDuplicates) {
  ORVVector& vector = VectorOf({&_A, &_B, &_C});
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, &_D), 1u);
  vector.Append(Shape("b"));
  EXPECT_EQ(ORVUtilities::CheckNotMultiDefinedElementInVector(vector, _ByName, nullptr), 0u);
  ORVSortedVector& set = *MakeSet("cbabb");
  ORVVector distinct(ORVDoNothingAtDelete);
  ORVList duplicates(ORVDoNothingAtDelete);
  ORVUtilities::GetDistinctObjects(set, _ByName, distinct, &duplicates);
  EXPECT_EQ(Names(distinct), (Texts{"a", "b", "c"}));
  EXPECT_EQ(distinct[1], set[1]);  // the first of the run
  EXPECT_EQ(Names(duplicates), (Texts{"b", "b"}));
  ORVUtilities::GetDistinctObjects(*MakeSet(""), _ByName, distinct, nullptr);
  EXPECT_EQ(distinct.Size(), 3);
}

TEST_F(ORVUtilitiesContainersTest, DiffSortedVectorsWithAndWithoutTheDistinctFlag) {
  using S = std::string;
  // {first, second, distinct, only in the first, only in the second, in both, all, i, j}: an
  // element in both is element j of the first set, at i.
  const std::tuple<S, S, unsigned int, S, S, S, S, int, int> rows[] = {
      {"4212", "342", 0, "12", "3", "24", "12234", 1, 3},
      {"1224", "234", 1, "1", "3", "24", "1234", 0, 1},  // the first of its run
      {"1124", "23344455", 1, "1", "35", "24", "12345", 1, 3},
      {"515", "", 0, "155", "", "", "155", -1, -1},
      {"", "515", 1, "", "15", "", "15", -1, -1},
  };
  for (const auto& [names1, names2, distinct, only1, only2, both, all, i, j] : rows) {
    SCOPED_TRACE(names1 + " " + names2);
    ORVSortedVector *first = MakeSet(names1), *second = MakeSet(names2);
    ORVVector onlyIn1(ORVDoNothingAtDelete), onlyIn2(ORVDoNothingAtDelete),
        inBoth(ORVDoNothingAtDelete), inAll(ORVDoNothingAtDelete), alone(ORVDoNothingAtDelete);
    ORVUtilities::DiffSortedVectors(*first, *second, _ByName, distinct, &onlyIn1, &onlyIn2, &inBoth,
                                    &inAll);
    EXPECT_EQ((Texts{Joined(onlyIn1), Joined(onlyIn2), Joined(inBoth), Joined(inAll)}),
              (Texts{only1, only2, both, all}));
    EXPECT_TRUE(i < 0 || inBoth[i] == (*first)[j]);
    // Null outputs are skipped.
    ORVUtilities::DiffSortedVectors(*first, *second, _ByName, distinct, nullptr, &alone, nullptr,
                                    nullptr);
    EXPECT_EQ(Joined(alone), only2);
  }
}

// The smaller set is walked; the other is searched with its own comparator.
TEST_F(ORVUtilitiesContainersTest, FindsACommonElementFromTheSmallerSet) {
  ORVTestShapeCmpName forSecond, forFirst;
  ORVVector& small = VectorOf({&_C});
  ORVTestShape otherC("c");
  ORVList large(ORVDoNothingAtDelete);
  AppendAll(large, {&_A, &_B, &otherC});
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(large, small, forSecond, forFirst), 1u);
  EXPECT_EQ(forSecond._Comparisons, 0);
  EXPECT_EQ(forFirst._Comparisons, 3);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(small, large, forSecond, forFirst), 1u);
  EXPECT_EQ(forSecond._Comparisons, 3);
  small.Set(0, &_D);
  EXPECT_EQ(ORVUtilities::SetsSharesAtLeastOneElement(small, large, forSecond, forFirst), 0u);
}

// A null element, an empty or DbNull text are empty items; a string keeps its NULs.
TEST_F(ORVUtilitiesContainersTest, ConcatStringsInItsThreeForms) {
  ORVString a("a"), empty(""), b("b"), withNul("x");
  withNul.Resize(3, '\0', 0);
  withNul += "y";
  ORVExtAnyChars dbNull, chars("c");
  ORVExtAnyString dbNullString;
  ORVVector& texts = VectorOf({&a, &empty, &b, &dbNull, &chars, &dbNullString, nullptr, &withNul});
  EXPECT_EQ(ValueOf(ORVUtilities::ConcatStrings(texts, 0, ",", "[", "]", "-")),
            std::string("[a],-,[b],-,[c],-,-,[x\0\0y]", 26));
  EXPECT_EQ(ValueOf(ORVUtilities::ConcatStrings(texts, 1, ",", "[", "]", "-")),
            std::string("[a],[b],[c],[x\0\0y]", 18));
  ORVOneWayIteratorOnInterval interval(texts, 0, 3);
  EXPECT_EQ(ValueOf(ORVUtilities::ConcatStrings(interval, nullptr, 0, "/", nullptr, "", nullptr)),
            "a//b");
  ORVString result("old");
  interval.ToBegin();
  ORVStringExtCharsConvToUpperExtChars upper;
  ORVUtilities::ConcatStrings(result, interval, &upper, 0, "+", "<", ">", "?");
  EXPECT_EQ(ValueOf(result), "<A>+?+<B>");
  ORVOneWayIteratorOnInterval nothing(texts, 0, 0);
  ORVUtilities::ConcatStrings(result, nothing, nullptr, 0, ",", "'", "'", "-");
  EXPECT_EQ(ValueOf(result), "");
}
