// Tests of ORVTreeAsTreeIterator: walk order with the next-sibling knowledge of every
// level, a forest, the end of the walk, and the fatal maker.
#include "ORVTreeAsTreeIterator.h"

#include <gtest/gtest.h>

#include <string>

#include "SuiteHelpers.h"
#include "TreeTestSupport.h"

namespace {

// For each step, the current node of every level from the top down to the returned one,
// "+" after a node that has a next sibling; steps are separated by " / ".
std::string Walk(ORVTreeAsTreeIterator& ioIterator) {
  std::string walk;
  while (ORVTreeAsTreeIteratorElement* element = ioIterator.Next()) {
    if (!walk.empty()) walk += " / ";
    const ORVVector& levels = ioIterator.GetElementSet();
    for (int level = 0; level <= element->GetIteratorElementSetIdx(); ++level) {
      const auto* above = static_cast<const ORVTreeAsTreeIteratorElement*>(levels[level]);
      if (level > 0) walk += " ";
      walk += NameOf(above->GetCurrentObject()) + (above->HasNextObject() ? "+" : "");
      if (above->HasNextObject() != (above->GetNextObject() != nullptr)) walk += "?";
    }
  }
  for (int more = 0; more < 3; ++more)
    if (ioIterator.Next() || ioIterator.GetCurrentElementIdx() != -1) walk += " restarted";
  return walk;
}

class ORVTreeAsTreeIteratorTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

TEST_F(ORVTreeAsTreeIteratorTest, EveryLevelKnowsWhetherASiblingFollows) {
  const struct {
    const char* _Shape;
    const char* _Root;
    const char* _Walk;
  } cases[] = {
      {"R", "R", "R"},
      {"R(A(G) B)", "R", "R / R A+ / R A+ G / R B"},
      // The last child of every level has no next sibling, whatever its parent has.
      {"R(A(G H(K)) B(C))", "R", "R / R A+ / R A+ G+ / R A+ H / R A+ H K / R B / R B C"},
      {"X(Z) Y", nullptr, "X+ / X+ Z / Y"},
      {"", nullptr, ""},
  };
  for (const auto& walkCase : cases) {
    TestTree tree(walkCase._Shape);
    {
      ORVTreeAsTreeIterator iterator(tree.Extractor(), MakeTestMaker(),
                                     walkCase._Root ? tree.Node(walkCase._Root) : nullptr);
      EXPECT_EQ(Walk(iterator), walkCase._Walk) << walkCase._Shape;
    }
    EXPECT_EQ(TestChildIterator::_Live, 0) << walkCase._Shape;
    EXPECT_EQ(TestElement::_Live, 0) << walkCase._Shape;
  }
}

TEST_F(ORVTreeAsTreeIteratorTest, AMakerThatMakesNoElementIsFatal) {
  TestTree tree("R(A)");
  ExpectFatalReport(
      [&] {
        ORVTreeAsTreeIterator iterator(tree.Extractor(), MakeTestMaker(0), tree.Node("R"));
        iterator.Next();
      },
      "MakeElement() returned NULL for level 0", "src/ORVTreeIteratorLevels.h");
}

}  // namespace
