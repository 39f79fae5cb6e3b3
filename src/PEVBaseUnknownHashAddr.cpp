#include "PEVBaseUnknownHashAddr.h"

#include <cstdint>

#include "ORVGlobal.h"

ORV_META_OBJECT_DEFINE(PEVBaseUnknownHashAddr, ORVHashCoder)

PEVBaseUnknownHashAddr* PEVBaseUnknownHashAddr::_pGlobal = nullptr;

PEVBaseUnknownHashAddr::~PEVBaseUnknownHashAddr() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int PEVBaseUnknownHashAddr::Code(const PEVBaseUnknown* iObject) const {
  auto address = (uint64_t)(uintptr_t)iObject;
  // The first byte starts the hash: FNV multiply-then-xor without offset basis.
  uint32_t hash = (uint32_t)(address >> 56);
  for (int shift = 48; shift >= 0; shift -= 8) {
    hash *= UINT32_C(16777619);
    hash ^= (uint32_t)((address >> shift) & 0xFF);
  }
  return hash;
}

PEVBaseUnknownHashAddr* PEVBaseUnknownHashAddr::GetGlobal() {
  return ORVMakeGlobal<PEVBaseUnknownHashAddr>(_pGlobal);
}
