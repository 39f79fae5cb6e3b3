// Tests of ORVTreeAsPathIterator: walk order and levels with and without filters, the
// end of the walk, what destruction releases, a million-level tree on a small stack.
#include "ORVTreeAsPathIterator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ORVTreeAsPathIteratorFilterWithCurrentSet.h"
#include "RunWithStack.h"
#include "SuiteHelpers.h"
#include "TreeTestSupport.h"

namespace {

// "name level" of every element the walk returns, then three more calls past its end.
std::string Walk(ORVTreeAsPathIterator& ioIterator) {
  std::string walk;
  while (ORVTreeAsPathIteratorElement* element = ioIterator.Next()) {
    walk +=
        NameOf(element->GetCurrentObject()) + std::to_string(element->GetIteratorElementSetIdx());
    if (element != ioIterator.GetCurrentElement() ||
        element->GetIteratorElementSetIdx() != ioIterator.GetCurrentElementIdx())
      walk += "?";
    walk += " ";
  }
  for (int more = 0; more < 3; ++more)
    if (ioIterator.Next() || ioIterator.GetCurrentElement() ||
        ioIterator.GetCurrentElementIdx() != -1)
      walk += "restarted ";
  return walk;
}

class ORVTreeAsPathIteratorTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

TEST_F(ORVTreeAsPathIteratorTest, WalksInPreOrderKeepingOrDroppingWhatTheFilterSays) {
  const struct {
    const char* _Shape;
    const char* _Root;  // null for the forest under the null parent
    const char* _Kept;  // the names of a set filter, or null for none
    const char* _Walk;
  } cases[] = {
      {"R", "R", nullptr, "R0 "},
      {"R(A(G) B)", "R", nullptr, "R0 A1 G2 B1 "},
      {"X(Z) Y", nullptr, nullptr, "X0 Z1 Y0 "},
      {"", nullptr, nullptr, ""},
      // A rejected node's children are still walked.
      {"R(A(G) B)", "R", "R G B", "R0 G2 B1 "},
      {"R(A(G) B)", "R", "A G B", "A1 G2 B1 "},
      // A set without A and G drops the whole subtree of A.
      {"R(A(G) B)", "R", "R B", "R0 B1 "},
      {"R(A(G(K L)) B(C) D)", "R", "L C D", "L3 C2 D1 "},
  };
  for (const auto& walkCase : cases) {
    TestTree tree(walkCase._Shape);
    ORVTreeAsPathIteratorFilterRfHndlr filter;
    ORVVectorRfHndlr kept;
    if (walkCase._Kept) {
      kept.Set(ORVRfHndlrAdopt, new ORVVector(ORVDoNothingAtDelete));
      std::istringstream names(walkCase._Kept);
      std::string name;
      while (names >> name)
        kept->Append(tree.Node(name));
      filter.Set(ORVRfHndlrAdopt, new ORVTreeAsPathIteratorFilterWithCurrentSet(kept));
    }
    {
      ORVTreeAsPathIterator iterator(tree.Extractor(), MakeTestMaker(), filter,
                                     walkCase._Root ? tree.Node(walkCase._Root) : nullptr);
      EXPECT_EQ(Walk(iterator), walkCase._Walk) << walkCase._Shape;
    }
    EXPECT_EQ(TestChildIterator::_Live, 0) << walkCase._Shape;
    EXPECT_EQ(TestElement::_Live, 0) << walkCase._Shape;
  }
}

// One element per level, reused at its depth. Destroyed part-way, the walk releases the
// child iterators it holds and its elements; an element kept elsewhere lives on and no
// longer points at the iterator.
TEST_F(ORVTreeAsPathIteratorTest, DestructionReleasesWhatOthersMayStillHold) {
  TestTree tree("R(A(G H) B)");
  PEVBaseUnknownRfHndlr kept;
  {
    ORVTreeAsPathIterator iterator(tree.Extractor(), MakeTestMaker(), {}, tree.Node("R"));
    iterator.Next();
    iterator.Next();
    ORVTreeAsPathIteratorElement* g = iterator.Next();
    ASSERT_EQ(iterator.Next(), g);
    ASSERT_EQ(NameOf(g->GetCurrentObject()), "H");
    kept.Set(ORVRfHndlrAddRef, g);
    EXPECT_EQ(TestChildIterator::_Live, 2);
    EXPECT_EQ(TestElement::_Live, 3);
  }
  EXPECT_EQ(TestChildIterator::_Live, 0);
  ASSERT_EQ(TestElement::_Live, 1);
  const auto* h = static_cast<const TestElement*>(kept.Get());
  EXPECT_EQ(h->GetTreeIterator(), nullptr);
  EXPECT_EQ(NameOf(h->GetCurrentObject()), "H");
  kept.Set(ORVRfHndlrAdopt, nullptr);
  EXPECT_EQ(TestElement::_Live, 0);
}

TEST_F(ORVTreeAsPathIteratorTest, AMillionLevelsAreWalkedOnASmallStack) {
  const int depth = 1000000;
  TestChain chain(depth);
  int count = 0;
  int deepest = -1;
  ASSERT_TRUE(RunWithStack(1 << 20, [&] {
    ORVTreeAsPathIterator iterator(chain.Extractor(), MakeTestMaker(), {}, chain.Top());
    while (ORVTreeAsPathIteratorElement* element = iterator.Next()) {
      ++count;
      deepest = element->GetIteratorElementSetIdx();
    }
  }));
  EXPECT_EQ(count, depth);
  EXPECT_EQ(deepest, depth - 1);
  EXPECT_EQ(TestElement::_Live, 0);
  EXPECT_EQ(TestChildIterator::_Live, 0);
}

TEST_F(ORVTreeAsPathIteratorTest, AMakerThatMakesNoElementIsFatal) {
  TestTree tree("R(A(G))");
  ExpectFatalReport(
      [&] {
        ORVTreeAsPathIterator iterator(tree.Extractor(), MakeTestMaker(2), {}, tree.Node("R"));
        while (iterator.Next()) {
        }
      },
      "MakeElement() returned NULL for level 2", "src/ORVTreeIteratorLevels.h");
}

}  // namespace
