#include "BenchNamed.h"

#include <cstdint>
#include <cstring>

#include "ORVComparator.h"
#include "ORVHashCoder.h"
#include "ORVString.h"

namespace {

class BenchNamed : public PEVBaseUnknown {
public:
  explicit BenchNamed(const char* iName) : _Name(iName) {}
  ORVString _Name;
};

const ORVString& NameOf(const PEVBaseUnknown* iObject) {
  return static_cast<const BenchNamed*>(iObject)->_Name;
}

class BenchNameHash : public ORVHashCoder {
public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override {
    const ORVString& name = NameOf(iObject);
    const char* chars = name.GetChars();
    uint32_t hash = UINT32_C(2166136261);
    for (int i = 0; i < name.GetLength(); ++i) {
      hash ^= (unsigned char)chars[i];
      hash *= UINT32_C(16777619);
    }
    return hash;
  }
};

class BenchNameCmp : public ORVComparator {
public:
  int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const override {
    return strcmp(NameOf(iFirst).GetChars(), NameOf(iSecond).GetChars());
  }
};

}  // namespace

PEVBaseUnknown* MakeBenchNamed(const char* iName) {
  return new BenchNamed(iName);
}

const char* BenchNamedName(const PEVBaseUnknown* iElement) {
  return NameOf(iElement).GetChars();
}

ORVHashCoder* MakeBenchNameHash() {
  return new BenchNameHash();
}

ORVComparator* MakeBenchNameCmp() {
  return new BenchNameCmp();
}
