// Tests of the execution graph's comparators and hash coders: the mixed comparators'
// keys (an element or a bare key), the order by parent step and step, the identifier
// lookups, the agreement of the hash coders, and the fatal texts.
#include <gtest/gtest.h>

#include "ExecGraphTestSupport.h"
#include "ORVExecGraphNodeWithIdCmpIdVal.h"
#include "ORVExecGraphNodeWithIdHashIdVal.h"
#include "ORVExecGraphStepLinkCmpParentStepStep.h"
#include "ORVExecGraphStepLinkHashParentStepStep.h"
#include "ORVString.h"
#include "PEVBaseUnknownHashAddr.h"
#include "SuiteHelpers.h"

using Ints = std::vector<long>;

TEST(
    ORVExecGraphComparators,
    NodesCompareByFinalStepLinksByParentThenStepNodesByIdentifierAndNullsOrForeignClassesAreFatal) {
  ORVGlobalObjectCleaner cleaner;
  ORVExecGraphNodeWithId first{"x"}, second{"y"};
  auto& byStep = *ORVExecGraphNodeCmpStep::GetGlobal();
  auto& byParentNode = *ORVExecGraphNodeLinkCmpParentNode::GetGlobal();
  auto& byParentStep = *ORVExecGraphStepLinkCmpParentStep::GetGlobal();
  auto& byBoth = *ORVExecGraphStepLinkCmpParentStepStep::GetGlobal();
  auto& bothHash = *ORVExecGraphStepLinkHashParentStepStep::GetGlobal();
  auto& byId = *ORVExecGraphNodeWithIdCmpIdVal::GetGlobal();
  auto& idHash = *ORVExecGraphNodeWithIdHashIdVal::GetGlobal();
  ORVExecGraphStep* step = first.GetHStep().Get();
  ORVExecGraphNodeLink link(&first, second), orphan(nullptr, second);
  ORVExecGraphStepLink stepLink(step, *step), root(nullptr, *step);
  EXPECT_EQ(Ints({byStep.CompareObjects(&first, &second) != 0, byStep.CompareObjects(&first, step),
                  byParentNode.CompareObjects(&first, &link),
                  byParentNode.CompareObjects(&second, &link) != 0,
                  byParentNode.CompareObjects(nullptr, &orphan),
                  byParentStep.CompareObjects(step, &stepLink),
                  byParentStep.CompareObjects(nullptr, &root),
                  byParentStep.CompareObjects(&root, &stepLink) < 0}),
            Ints({1, 0, 0, 1, 0, 0, 0, 1}));
  second.OverrideHStep(first.GetHStep());
  EXPECT_EQ(byStep.CompareObjects(&first, &second), 0);
  ORVString x("x");
  EXPECT_EQ(Ints({byId.CompareObjects(&first, &x), byId.CompareObjects(&first, &second) < 0,
                  byId.CompareObjects(&second, &x) > 0}),
            Ints({0, 1, 1}));
  EXPECT_EQ(idHash.Code(&first), idHash.Code(&x));
  EXPECT_EQ(idHash.Code(&x), ORVStringExtCharsHash::GetGlobal()->Code(&x));
  // Step links order by parent step, then step, and hash alike.
  ORVExecGraphStep steps[2];
  ORVExecGraphStep *low = &steps[0], *high = &steps[1];
  ORVExecGraphStepLink lowHigh(low, *high), highLow(high, *low), lowLow(low, *low),
      again(low, *high);
  EXPECT_EQ(
      Ints({byBoth.CompareObjects(&lowHigh, &highLow), byBoth.CompareObjects(&highLow, &lowHigh),
            byBoth.CompareObjects(&lowLow, &lowHigh), byBoth.CompareObjects(&again, &lowHigh)}),
      Ints({-1, 1, -1, 0}));
  EXPECT_EQ(bothHash.Code(&again), bothHash.Code(&lowHigh));
  EXPECT_EQ(bothHash.Code(&lowHigh), PEVBaseUnknownHashAddr::GetGlobal()->Code(low) +
                                         PEVBaseUnknownHashAddr::GetGlobal()->Code(high));
  // Nulls and foreign classes are fatal.
  const std::string nulls = "pObj1 == NULL OR pObj2 == NULL", but = " but a ORVString";
  // The element and key classes a comparator takes, in the text of a foreign object.
  auto neither = [&](int iSide, const char* iElement, const char* iKey) {
    return "pObj" + std::to_string(iSide) + " is neither an ORVExecGraph" + iElement +
           " nor an ORVExecGraph" + iKey + but;
  };
  // Each body, its fatal text and the file of src/ORVExecGraph<file>.cpp that reports it.
  const std::tuple<std::function<void()>, std::string, const char*> cases[] = {
      {[&] { byStep.CompareObjects(&first, nullptr); }, nulls, "NodeCmpStep"},
      {[&] { byStep.CompareObjects(&x, &first); }, neither(1, "Node", "Step"), "NodeCmpStep"},
      {[&] { byStep.CompareObjects(&first, &x); }, neither(2, "Node", "Step"), "NodeCmpStep"},
      {[&] { byParentNode.CompareObjects(&x, nullptr); }, neither(1, "NodeLink", "Node"),
       "NodeLinkCmpParentNode"},
      {[&] { byParentStep.CompareObjects(nullptr, &x); }, neither(2, "StepLink", "Step"),
       "StepLinkCmpParentStep"},
      {[&] { byBoth.CompareObjects(nullptr, &x); }, nulls, "StepLinkCmpHashParentStepStep"},
      {[&] { bothHash.Code(nullptr); }, "pObj1 == NULL", "StepLinkCmpHashParentStepStep"},
      {[&] { byId.CompareObjects(&first, nullptr); }, nulls, "NodeWithIdCmpHashIdVal"},
      {[&] { idHash.Code(nullptr); }, "pObject == NULL", "NodeWithIdCmpHashIdVal"},
  };
  for (const auto& [body, text, file] : cases)
    ExpectFatalReport(body, text, std::string("src/ORVExecGraph") + file + ".cpp");
}
