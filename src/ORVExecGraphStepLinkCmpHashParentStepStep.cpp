// The comparator and the hash coder of step links by parent step and step.
#include <cstdint>

#include "ORVExecGraphStepLink.h"
#include "ORVExecGraphStepLinkCmpParentStepStep.h"
#include "ORVExecGraphStepLinkHashParentStepStep.h"
#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "PEVBaseUnknownHashAddr.h"

ORV_META_OBJECT_DEFINE(ORVExecGraphStepLinkCmpParentStepStep, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVExecGraphStepLinkHashParentStepStep, ORVHashCoder)

namespace {

int CompareAddresses(const void* iFirst, const void* iSecond) {
  auto first = (uintptr_t)iFirst;
  auto second = (uintptr_t)iSecond;
  if (first > second) return 1;
  if (first < second) return -1;
  return 0;
}

}  // namespace

ORVExecGraphStepLinkCmpParentStepStep* ORVExecGraphStepLinkCmpParentStepStep::_pGlobal = nullptr;

ORVExecGraphStepLinkCmpParentStepStep::~ORVExecGraphStepLinkCmpParentStepStep() {
  ORVForgetGlobal(_pGlobal, this);
}

int ORVExecGraphStepLinkCmpParentStepStep::CompareObjects(const PEVBaseUnknown* iObj1,
                                                          const PEVBaseUnknown* iObj2) const {
  if (!iObj1 || !iObj2) ORV_FATAL("pObj1 == NULL OR pObj2 == NULL");
  const auto* link1 = ORVCheckedCast<ORVExecGraphStepLink>(iObj1);
  const auto* link2 = ORVCheckedCast<ORVExecGraphStepLink>(iObj2);
  int order = CompareAddresses(link1->GetParentStep(), link2->GetParentStep());
  if (order != 0) return order;
  return CompareAddresses(link1->GetStep(), link2->GetStep());
}

ORVExecGraphStepLinkCmpParentStepStep* ORVExecGraphStepLinkCmpParentStepStep::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphStepLinkCmpParentStepStep>(_pGlobal);
}

ORVExecGraphStepLinkHashParentStepStep* ORVExecGraphStepLinkHashParentStepStep::_pGlobal = nullptr;

ORVExecGraphStepLinkHashParentStepStep::~ORVExecGraphStepLinkHashParentStepStep() {
  ORVForgetGlobal(_pGlobal, this);
}

unsigned int ORVExecGraphStepLinkHashParentStepStep::Code(const PEVBaseUnknown* iObject) const {
  if (!iObject) ORV_FATAL("pObj1 == NULL");
  const auto* link = ORVCheckedCast<ORVExecGraphStepLink>(iObject);
  const PEVBaseUnknownHashAddr* address = PEVBaseUnknownHashAddr::GetGlobal();
  return (uint32_t)address->Code(link->GetParentStep()) + (uint32_t)address->Code(link->GetStep());
}

ORVExecGraphStepLinkHashParentStepStep* ORVExecGraphStepLinkHashParentStepStep::GetGlobal() {
  return ORVMakeGlobal<ORVExecGraphStepLinkHashParentStepStep>(_pGlobal);
}
