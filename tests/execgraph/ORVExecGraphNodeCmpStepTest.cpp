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

namespace {

using Ints = std::vector<long>;

class ORVExecGraphComparatorsTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  ORVExecGraphNodeWithId _First{"x"};
  ORVExecGraphNodeWithId _Second{"y"};
  ORVExecGraphNodeCmpStep& _ByStep = *ORVExecGraphNodeCmpStep::GetGlobal();
  ORVExecGraphNodeLinkCmpParentNode& _ByParentNode =
      *ORVExecGraphNodeLinkCmpParentNode::GetGlobal();
  ORVExecGraphStepLinkCmpParentStep& _ByParentStep =
      *ORVExecGraphStepLinkCmpParentStep::GetGlobal();
  ORVExecGraphStepLinkCmpParentStepStep& _ByBoth =
      *ORVExecGraphStepLinkCmpParentStepStep::GetGlobal();
  ORVExecGraphStepLinkHashParentStepStep& _BothHash =
      *ORVExecGraphStepLinkHashParentStepStep::GetGlobal();
  ORVExecGraphNodeWithIdCmpIdVal& _ById = *ORVExecGraphNodeWithIdCmpIdVal::GetGlobal();
  ORVExecGraphNodeWithIdHashIdVal& _IdHash = *ORVExecGraphNodeWithIdHashIdVal::GetGlobal();
};

long Sign(long iValue) {
  return (iValue > 0) - (iValue < 0);
}

}  // namespace

TEST_F(ORVExecGraphComparatorsTest, NodesCompareByFinalStepLinksByParentThenStepNodesByIdentifier) {
  ORVExecGraphStep* step = _First.GetHStep().Get();
  ORVExecGraphNodeLink link(&_First, _Second), orphan(nullptr, _Second);
  ORVExecGraphStepLink stepLink(step, *step), root(nullptr, *step);
  EXPECT_EQ(
      Ints({_ByStep.CompareObjects(&_First, &_Second) != 0, _ByStep.CompareObjects(&_First, step),
            _ByParentNode.CompareObjects(&_First, &link),
            _ByParentNode.CompareObjects(&_Second, &link) != 0,
            _ByParentNode.CompareObjects(nullptr, &orphan),
            _ByParentStep.CompareObjects(step, &stepLink),
            _ByParentStep.CompareObjects(nullptr, &root),
            _ByParentStep.CompareObjects(&root, &stepLink) < 0}),
      Ints({1, 0, 0, 1, 0, 0, 0, 1}));
  _Second.OverrideHStep(_First.GetHStep());
  EXPECT_EQ(_ByStep.CompareObjects(&_First, &_Second), 0);
  ORVString x("x");
  EXPECT_EQ(Ints({_ById.CompareObjects(&_First, &x), Sign(_ById.CompareObjects(&_First, &_Second)),
                  Sign(_ById.CompareObjects(&_Second, &x))}),
            Ints({0, -1, 1}));
  EXPECT_EQ(_IdHash.Code(&_First), _IdHash.Code(&x));
  EXPECT_EQ(_IdHash.Code(&x), ORVStringExtCharsHash::GetGlobal()->Code(&x));
  // Step links order by parent step, then step, and hash alike.
  ORVExecGraphStep steps[2];
  ORVExecGraphStep *low = &steps[0], *high = &steps[1];
  ORVExecGraphStepLink lowHigh(low, *high), highLow(high, *low), lowLow(low, *low),
      again(low, *high);
  EXPECT_EQ(
      Ints({_ByBoth.CompareObjects(&lowHigh, &highLow), _ByBoth.CompareObjects(&highLow, &lowHigh),
            _ByBoth.CompareObjects(&lowLow, &lowHigh), _ByBoth.CompareObjects(&again, &lowHigh)}),
      Ints({-1, 1, -1, 0}));
  EXPECT_EQ(_BothHash.Code(&again), _BothHash.Code(&lowHigh));
  EXPECT_EQ(_BothHash.Code(&lowHigh), PEVBaseUnknownHashAddr::GetGlobal()->Code(low) +
                                          PEVBaseUnknownHashAddr::GetGlobal()->Code(high));
}

TEST_F(ORVExecGraphComparatorsTest, NullsAndForeignClassesAreFatal) {
  ORVString text("t");
  const std::string nulls = "pObj1 == NULL OR pObj2 == NULL", but = " but a ORVString";
  // The element and key classes a comparator takes, in the text of a foreign object.
  auto neither = [&](int iSide, const char* iElement, const char* iKey) {
    return "pObj" + std::to_string(iSide) + " is neither an ORVExecGraph" + iElement +
           " nor an ORVExecGraph" + iKey + but;
  };
  const struct {
    std::function<void()> _Body;
    std::string _Text;
    const char* _File;  // src/ORVExecGraph<file>.cpp
  } cases[] = {
      {[&] { _ByStep.CompareObjects(&_First, nullptr); }, nulls, "NodeCmpStep"},
      {[&] { _ByStep.CompareObjects(&text, &_First); }, neither(1, "Node", "Step"), "NodeCmpStep"},
      {[&] { _ByStep.CompareObjects(&_First, &text); }, neither(2, "Node", "Step"), "NodeCmpStep"},
      {[&] { _ByParentNode.CompareObjects(&text, nullptr); }, neither(1, "NodeLink", "Node"),
       "NodeLinkCmpParentNode"},
      {[&] { _ByParentStep.CompareObjects(nullptr, &text); }, neither(2, "StepLink", "Step"),
       "StepLinkCmpParentStep"},
      {[&] { _ByBoth.CompareObjects(nullptr, &text); }, nulls, "StepLinkCmpHashParentStepStep"},
      {[&] { _BothHash.Code(nullptr); }, "pObj1 == NULL", "StepLinkCmpHashParentStepStep"},
      {[&] { _ById.CompareObjects(&_First, nullptr); }, nulls, "NodeWithIdCmpHashIdVal"},
      {[&] { _IdHash.Code(nullptr); }, "pObject == NULL", "NodeWithIdCmpHashIdVal"},
  };
  for (const auto& fatal : cases) {
    SCOPED_TRACE(fatal._Text);
    ExpectFatalReport(fatal._Body, fatal._Text,
                      std::string("src/ORVExecGraph") + fatal._File + ".cpp");
  }
}
