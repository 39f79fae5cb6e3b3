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

class ORVExecGraphComparatorsTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  ORVExecGraphNodeWithId _First{"x"};
  ORVExecGraphNodeWithId _Second{"y"};
};

int Sign(int iValue) {
  return (iValue > 0) - (iValue < 0);
}

}  // namespace

TEST_F(ORVExecGraphComparatorsTest, NodesCompareByFinalStepAndLinksByParent) {
  const ORVExecGraphNodeCmpStep& byStep = *ORVExecGraphNodeCmpStep::GetGlobal();
  EXPECT_NE(byStep.CompareObjects(&_First, &_Second), 0);
  EXPECT_EQ(byStep.CompareObjects(&_First, _First.GetHStep().Get()), 0);
  _Second.OverrideHStep(_First.GetHStep());
  EXPECT_EQ(byStep.CompareObjects(&_First, &_Second), 0);

  ORVExecGraphNodeLink link(&_First, _Second);
  ORVExecGraphNodeLink orphan(nullptr, _Second);
  const ORVExecGraphNodeLinkCmpParentNode& byParentNode =
      *ORVExecGraphNodeLinkCmpParentNode::GetGlobal();
  EXPECT_EQ(byParentNode.CompareObjects(&_First, &link), 0);
  EXPECT_NE(byParentNode.CompareObjects(&_Second, &link), 0);
  EXPECT_EQ(byParentNode.CompareObjects(nullptr, &orphan), 0);

  ORVExecGraphStep* step = _First.GetHStep().Get();
  ORVExecGraphStepLink stepLink(step, *step);
  ORVExecGraphStepLink root(nullptr, *step);
  const ORVExecGraphStepLinkCmpParentStep& byParentStep =
      *ORVExecGraphStepLinkCmpParentStep::GetGlobal();
  EXPECT_EQ(byParentStep.CompareObjects(step, &stepLink), 0);
  EXPECT_EQ(byParentStep.CompareObjects(nullptr, &root), 0);
  EXPECT_LT(byParentStep.CompareObjects(&root, &stepLink), 0);
}

TEST_F(ORVExecGraphComparatorsTest, StepLinksOrderByParentStepThenStepAndHashAlike) {
  ORVExecGraphStep steps[2];
  ORVExecGraphStep* low = &steps[0];
  ORVExecGraphStep* high = &steps[1];
  ORVExecGraphStepLink lowHigh(low, *high), highLow(high, *low), lowLow(low, *low),
      again(low, *high);
  const ORVExecGraphStepLinkCmpParentStepStep& order =
      *ORVExecGraphStepLinkCmpParentStepStep::GetGlobal();
  EXPECT_EQ(order.CompareObjects(&lowHigh, &highLow), -1);
  EXPECT_EQ(order.CompareObjects(&highLow, &lowHigh), 1);
  EXPECT_EQ(order.CompareObjects(&lowLow, &lowHigh), -1);
  EXPECT_EQ(order.CompareObjects(&again, &lowHigh), 0);
  const ORVExecGraphStepLinkHashParentStepStep& hash =
      *ORVExecGraphStepLinkHashParentStepStep::GetGlobal();
  EXPECT_EQ(hash.Code(&again), hash.Code(&lowHigh));
  EXPECT_EQ(hash.Code(&lowHigh), PEVBaseUnknownHashAddr::GetGlobal()->Code(low) +
                                     PEVBaseUnknownHashAddr::GetGlobal()->Code(high));
}

TEST_F(ORVExecGraphComparatorsTest, NodesAreFoundByTheirIdentifierText) {
  ORVString x("x");
  const ORVExecGraphNodeWithIdCmpIdVal& byId = *ORVExecGraphNodeWithIdCmpIdVal::GetGlobal();
  EXPECT_EQ(byId.CompareObjects(&_First, &x), 0);
  EXPECT_EQ(Sign(byId.CompareObjects(&_First, &_Second)), -1);
  EXPECT_EQ(Sign(byId.CompareObjects(&_Second, &x)), 1);
  const ORVExecGraphNodeWithIdHashIdVal& hash = *ORVExecGraphNodeWithIdHashIdVal::GetGlobal();
  EXPECT_EQ(hash.Code(&_First), hash.Code(&x));
  EXPECT_EQ(hash.Code(&x), ORVStringExtCharsHash::GetGlobal()->Code(&x));
}

TEST_F(ORVExecGraphComparatorsTest, NullsAndForeignClassesAreFatal) {
  ORVString text("t");
  struct Case {
    std::function<void()> _Body;
    std::string _Text;
    const char* _File;
  };
  const Case cases[] = {
      {[&] { ORVExecGraphNodeCmpStep::GetGlobal()->CompareObjects(&_First, nullptr); },
       "pObj1 == NULL OR pObj2 == NULL", "src/ORVExecGraphNodeCmpStep.cpp"},
      {[&] { ORVExecGraphNodeCmpStep::GetGlobal()->CompareObjects(&text, &_First); },
       "pObj1 is neither an ORVExecGraphNode nor an ORVExecGraphStep but a ORVString",
       "src/ORVExecGraphNodeCmpStep.cpp"},
      {[&] { ORVExecGraphNodeCmpStep::GetGlobal()->CompareObjects(&_First, &text); },
       "pObj2 is neither an ORVExecGraphNode nor an ORVExecGraphStep but a ORVString",
       "src/ORVExecGraphNodeCmpStep.cpp"},
      {[&] { ORVExecGraphNodeLinkCmpParentNode::GetGlobal()->CompareObjects(&text, nullptr); },
       "pObj1 is neither an ORVExecGraphNodeLink nor an ORVExecGraphNode but a ORVString",
       "src/ORVExecGraphNodeLinkCmpParentNode.cpp"},
      {[&] { ORVExecGraphStepLinkCmpParentStep::GetGlobal()->CompareObjects(nullptr, &text); },
       "pObj2 is neither an ORVExecGraphStepLink nor an ORVExecGraphStep but a ORVString",
       "src/ORVExecGraphStepLinkCmpParentStep.cpp"},
      {[&] { ORVExecGraphStepLinkCmpParentStepStep::GetGlobal()->CompareObjects(nullptr, &text); },
       "pObj1 == NULL OR pObj2 == NULL", "src/ORVExecGraphStepLinkCmpHashParentStepStep.cpp"},
      {[&] { ORVExecGraphStepLinkHashParentStepStep::GetGlobal()->Code(nullptr); }, "pObj1 == NULL",
       "src/ORVExecGraphStepLinkCmpHashParentStepStep.cpp"},
      {[&] { ORVExecGraphNodeWithIdCmpIdVal::GetGlobal()->CompareObjects(&_First, nullptr); },
       "pObj1 == NULL OR pObj2 == NULL", "src/ORVExecGraphNodeWithIdCmpHashIdVal.cpp"},
      {[&] { ORVExecGraphNodeWithIdHashIdVal::GetGlobal()->Code(nullptr); }, "pObject == NULL",
       "src/ORVExecGraphNodeWithIdCmpHashIdVal.cpp"},
  };
  for (const Case& fatal : cases) {
    SCOPED_TRACE(fatal._Text);
    ExpectFatalReport(fatal._Body, fatal._Text, fatal._File);
  }
}
