// Tests of ORVIteratorWithAllRfHndlr: forwarding, keeping the container, pattern and
// comparator alive, and its refusals.
#include "ORVIteratorWithAllRfHndlr.h"

#include <gtest/gtest.h>

#include "ContainerTestClasses.h"
#include "FatalReport.h"
#include "ORVVector.h"
#include "ORVVectorCursor.h"

namespace {

const char kWithAllFile[] = "src/ORVIteratorWithAllRfHndlr.cpp";

class ORVIteratorWithAllRfHndlrTest : public ORVContainerTestBase {
protected:
  ORVIteratorWithAllRfHndlrTest() { AppendAll(_Vector, {&_A, &_B, &_A}); }

  PEVBaseUnknownRfHndlr PatternA() {
    PEVBaseUnknownRfHndlr pattern;
    pattern.Set(ORVRfHndlrAddRef, &_A);
    return pattern;
  }

  ORVVector _Vector{ORVDoNothingAtDelete};
  ORVTestShapeCmpName _ByName;
};
using ORVIteratorWithAllRfHndlrDeathTest = ORVIteratorWithAllRfHndlrTest;

int IndexOf(const ORVCursor* iCursor) {
  return ORVCheckedCast<ORVVectorCursor>(iCursor)->GetIndex();
}

}  // namespace

TEST_F(ORVIteratorWithAllRfHndlrTest, ForwardsEveryQuestionToTheWrappedIterator) {
  ORVIterator* wrapped = _Vector.LookupAll(&_A, _ByName);
  ORVIteratorWithAllRfHndlr iterator(wrapped, ORVContainerRfHndlr(), PatternA(),
                                     ORVComparatorRfHndlr());
  EXPECT_EQ(iterator.GetPattern(), &_A);
  EXPECT_EQ(iterator.WithPattern(), 1u);
  EXPECT_EQ(&iterator.GetComparator(), &_ByName);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Next(), &_A);
  EXPECT_EQ(iterator.Position(), wrapped->Position());
  EXPECT_EQ(IndexOf(iterator.Position()), 2);
  EXPECT_EQ(iterator.Next(), nullptr);
  EXPECT_EQ(iterator.Previous(), &_A);
  iterator.SetWithPattern(0);
  EXPECT_EQ(wrapped->WithPattern(), 0u);
  EXPECT_EQ(iterator.Previous(), &_B);
  iterator.ToBegin();
  EXPECT_EQ(IndexOf(wrapped->Position()), -1);
  iterator.ToEnd();
  EXPECT_EQ(IndexOf(wrapped->Position()), 3);
}

TEST_F(ORVIteratorWithAllRfHndlrTest, KeepsContainerPatternAndComparatorAliveUntilItGoes) {
  int live = ORVTestShape::_LiveCount;
  auto* vector = new ORVVector(ORVReleaseElementsAtDelete);
  auto* pattern = new ORVTestShape("x");
  auto* comparator = new ORVTestShapeCmpName();
  vector->Append(new ORVTestShape("w"));
  vector->Append(new ORVTestShape("x"));

  ORVContainerRfHndlr container;
  container.Set(ORVRfHndlrAdopt, vector);
  PEVBaseUnknownRfHndlr patternHandler;
  patternHandler.Set(ORVRfHndlrAdopt, pattern);
  ORVComparatorRfHndlr comparatorHandler;
  comparatorHandler.Set(ORVRfHndlrAdopt, comparator);
  auto* iterator = new ORVIteratorWithAllRfHndlr(vector->LookupAll(pattern, *comparator), container,
                                                 patternHandler, comparatorHandler);
  container.Set(ORVRfHndlrAdopt, nullptr);
  patternHandler.Set(ORVRfHndlrAdopt, nullptr);
  comparatorHandler.Set(ORVRfHndlrAdopt, nullptr);

  EXPECT_EQ(vector->GetRefCount(), 1u);
  EXPECT_EQ(NameOf(iterator->Next()), "x");
  EXPECT_EQ(comparator->_Comparisons, 2);
  iterator->Release();
  EXPECT_EQ(ORVTestShape::_LiveCount, live);
}

TEST_F(ORVIteratorWithAllRfHndlrTest, SetHComparatorKeepsTheComparatorAndForwardsIt) {
  ORVIterator* wrapped = _Vector.LookupAll(&_A, _ByName);
  ORVIteratorWithAllRfHndlr iterator(wrapped, ORVContainerRfHndlr(), PatternA(),
                                     ORVComparatorRfHndlr());
  auto* byLength = new ORVTestShapeCmpLength();
  ORVComparatorRfHndlr handler;
  handler.Set(ORVRfHndlrAdopt, byLength);
  iterator.SetHComparator(handler);
  EXPECT_EQ(&wrapped->GetComparator(), byLength);
  EXPECT_EQ(iterator.GetHComparator().Get(), byLength);
  EXPECT_EQ(byLength->GetRefCount(), 3u);  // the caller, this iterator, the wrapped one
  EXPECT_EQ(iterator.Next(), &_A);         // every name has length one
  EXPECT_EQ(iterator.Next(), &_B);
}

TEST_F(ORVIteratorWithAllRfHndlrDeathTest, RefusesWhatWouldEscapeItsHandlers) {
  EXPECT_EXIT(ORVIteratorWithAllRfHndlr(nullptr, ORVContainerRfHndlr(), PEVBaseUnknownRfHndlr(),
                                        ORVComparatorRfHndlr()),
              testing::ExitedWithCode(255), FatalReportPattern("pIterator == NULL", kWithAllFile));

  ORVComparatorRfHndlr otherComparator;
  otherComparator.Set(ORVRfHndlrAdopt, new ORVTestShapeCmpName());
  EXPECT_EXIT(ORVIteratorWithAllRfHndlr(_Vector.LookupAll(&_A, _ByName), ORVContainerRfHndlr(),
                                        PEVBaseUnknownRfHndlr(), otherComparator),
              testing::ExitedWithCode(255), FatalReportPattern("Wrong comparator", kWithAllFile));

  EXPECT_EXIT(ORVIteratorWithAllRfHndlr(_Vector.LookupAll(&_A, _ByName), ORVContainerRfHndlr(),
                                        PEVBaseUnknownRfHndlr(), ORVComparatorRfHndlr()),
              testing::ExitedWithCode(255), FatalReportPattern("Wrong Pattern", kWithAllFile));
  PEVBaseUnknownRfHndlr otherPattern;
  otherPattern.Set(ORVRfHndlrAddRef, &_B);
  EXPECT_EXIT(ORVIteratorWithAllRfHndlr(_Vector.LookupAll(&_A, _ByName), ORVContainerRfHndlr(),
                                        otherPattern, ORVComparatorRfHndlr()),
              testing::ExitedWithCode(255), FatalReportPattern("Wrong Pattern", kWithAllFile));

  ORVIteratorWithAllRfHndlr iterator(_Vector.MakeIterator(nullptr), ORVContainerRfHndlr(),
                                     PEVBaseUnknownRfHndlr(), ORVComparatorRfHndlr());
  ExpectFatalReport([&] { iterator.SetPattern(&_A); }, "SetPattern() is prohibited here",
                    kWithAllFile);
  ExpectFatalReport([&] { iterator.SetComparator(_ByName); }, "SetComparator() is prohibited here",
                    kWithAllFile);
}

TEST_F(ORVIteratorWithAllRfHndlrTest, HandlersMustHoldTheWrappedIteratorsComparatorAndPattern) {
  ORVTestShapeCmpName* byName = new ORVTestShapeCmpName();
  ORVComparatorRfHndlr comparator;
  comparator.Set(ORVRfHndlrAdopt, byName);
  PEVBaseUnknownRfHndlr pattern;
  pattern.Set(ORVRfHndlrAddRef, &_B);
  ORVIteratorWithAllRfHndlr iterator(_Vector.LookupAll(&_B, *byName), ORVContainerRfHndlr(),
                                     pattern, comparator);
  EXPECT_EQ(iterator.Next(), &_B);
  EXPECT_EQ(_B.GetRefCount(), 3u);
  EXPECT_EQ(byName->GetRefCount(), 2u);
}
