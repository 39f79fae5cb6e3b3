#include "BenchKeyed.h"

#include "ORVComparator.h"

namespace {

class BenchKeyed : public PEVBaseUnknown {
public:
  explicit BenchKeyed(int iKey) : _Key(iKey) {}
  int _Key;
};

class BenchKeyCmp : public ORVComparator {
public:
  int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const override {
    int first = static_cast<const BenchKeyed*>(iFirst)->_Key;
    int second = static_cast<const BenchKeyed*>(iSecond)->_Key;
    return first < second ? -1 : first > second ? 1 : 0;
  }
};

}  // namespace

PEVBaseUnknown* MakeBenchKeyed(int iKey) {
  return new BenchKeyed(iKey);
}

ORVComparator* MakeBenchKeyCmp() {
  return new BenchKeyCmp();
}
