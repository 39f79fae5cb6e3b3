// ModelHarness.h - the random driver of the container model tests: named operations
// drawn by one seedable generator, the container checked against its model after each.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

// One change (or look-up) made on the container and on its model alike.
struct ModelOperation {
  const char* _Name;
  std::function<void()> _Make;
};
using ModelOperations = std::vector<ModelOperation>;

class ModelDriver {
public:
  explicit ModelDriver(unsigned int iSeed) : _Generator(iSeed) {}

  int Random(int iBound) { return (int)(_Generator() % (unsigned int)iBound); }

  // iSteps steps, each prepared by iPrepare, then drawing one of iOperations, made, then
  // checked by iCheck. With iGrowing, the phases alternate every iPhase steps: in the
  // growing ones half of the draws take one of the first iGrowing operations, so sizes
  // go up to a few hundred and back. Stops at the first fatal failure.
  void Run(int iSteps, const ModelOperations& iOperations, const std::function<void()>& iCheck,
           const std::function<void()>& iPrepare = nullptr, int iGrowing = 0, int iPhase = 1000) {
    for (int step = 0; step < iSteps && !testing::Test::HasFatalFailure(); ++step) {
      if (iPrepare) iPrepare();
      int count = (int)iOperations.size();
      bool growing = iGrowing > 0 && (step / iPhase) % 2 == 0 && Random(2) == 0;
      const ModelOperation& operation =
          iOperations[(std::size_t)Random(growing ? iGrowing : count)];
      SCOPED_TRACE("step " + std::to_string(step) + ": " + operation._Name);
      operation._Make();
      if (!testing::Test::HasFatalFailure()) iCheck();
    }
  }

private:
  std::mt19937 _Generator;
};
