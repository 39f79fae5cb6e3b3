// Tests of ORVExecGraphNode and ORVExecGraphStep: a node's own step, override chains
// followed and shortened, the override checks, ranks, and chains as long as an input
// released on a small stack.
#include <gtest/gtest.h>

#include "ExecGraphTestSupport.h"
#include "SuiteHelpers.h"

namespace {

const char kStepSource[] = "src/ORVExecGraphStep.cpp";
using Steps = std::vector<const ORVExecGraphStep*>;

ORVExecGraphStepRfHndlr NewStep() {
  ORVExecGraphStepRfHndlr step;
  step.Set(ORVRfHndlrAdopt, new ORVExecGraphStep());
  return step;
}

}  // namespace

TEST(ORVExecGraphNodeTest, ANewNodeHoldsAStepOfItsOwnWhoseRankIsOnlyRaisedAndChainsShorten) {
  ORVGlobalObjectCleaner cleaner;
  ORVExecGraphNode fresh, other;
  ORVExecGraphStep* step = fresh.GetHStep().Get();
  ASSERT_NE(step, nullptr);
  EXPECT_NE(step, other.GetHStep().Get());
  EXPECT_EQ(Steps({step->GetHOverride().Get(), step->GetParentStep()}), Steps(2, nullptr));
  EXPECT_EQ(std::vector<int>({fresh.GetBuildStep(), step->GetRank()}), std::vector<int>(2, 0));
  step->SetRankIfGreater(3);
  step->SetRankIfGreater(2);
  EXPECT_EQ(step->GetRank(), 3);
  ORVExecGraphStepRfHndlr first = other.GetHStep(), second = NewStep(), third = NewStep();
  first->SetHOverride(second);
  second->SetHOverride(third);
  // Found, the chain shortened, and the node holding the final step directly.
  EXPECT_EQ(Steps({other.GetHStep().Get(), first->GetHOverride().Get(),
                   other.GetHStepWithReinit().Get()}),
            Steps(3, third.Get()));
  EXPECT_EQ(first->GetRefCount(), 1u);
  // OverrideHStep overrides the step held, then holds the new one.
  ORVExecGraphStepRfHndlr fourth = NewStep();
  other.OverrideHStep(fourth);
  EXPECT_EQ(
      Steps({third->GetHOverride().Get(), other.GetHStep().Get(), first->GetHOverride().Get()}),
      Steps({fourth.Get(), fourth.Get(), third.Get()}));
}

// A step overriding itself, a null override, an override that is overridden itself.
TEST(ORVExecGraphStepDeathTest, AnOverrideMustBeAnotherFinalStep) {
  const char* const texts[] = {"The step can't override itself", "An override must be defined",
                               "An override can't be overriden"};
  for (int misuse = 0; misuse < 3; ++misuse)
    ExpectFatal(
        [misuse] {
          ORVExecGraphStepRfHndlr step = NewStep(), overridden = NewStep();
          if (misuse == 2) overridden->SetHOverride(NewStep());
          step->SetHOverride(misuse == 0   ? step
                             : misuse == 1 ? ORVExecGraphStepRfHndlr()
                                           : overridden);
        },
        texts[misuse], kStepSource);
}

// Each step of the chain is held by the one before it only: releasing the first
// releases the million others, which must not take a frame each.
TEST(ORVExecGraphNodeTest, AChainOfAMillionStepsIsReleasedOnASmallStack) {
  ORVGlobalObjectCleaner cleaner;
  ASSERT_TRUE(RunWithStack(1 << 20, [] {
    ORVExecGraphStepRfHndlr first = NewStep(), last = first;
    for (int index = 0; index < 1000000; ++index) {
      last->SetHOverride(NewStep());
      last = last->GetHOverride();
    }
    first.Set(ORVRfHndlrAdopt, nullptr);
    EXPECT_EQ(last->GetRefCount(), 1u);  // only the handler of the last step is left
  }));
}
