#include "ORVObjAndRefObjMngrGroup.h"

#include "ORVContainer.h"
#include "ORVIterator.h"
#include "ORVObjAndRefObjMngr.h"

ORV_META_OBJECT_DEFINE(ORVObjAndRefObjMngrGroup, PEVBaseUnknown)

namespace {

// Calls iStep on each manager in iteration order until it answers non-zero; that answer.
template <class Step>
long ForEachMngr(ORVContainer& iMngrs, Step iStep) {
  ORVIterator* iterator = iMngrs.MakeIterator(nullptr);
  long result = 0;
  while (result == 0) {
    PEVBaseUnknown* element = iterator->Next();
    if (!element) break;
    result = iStep(*ORVCheckedCast<ORVObjAndRefObjMngr>(element));
  }
  iterator->Release();
  return result;
}

}  // namespace

long ORVObjAndRefObjMngrGroup::Initialize() {
  return ForEachMngr(GetMngrs(), [](ORVObjAndRefObjMngr& iMngr) { return iMngr.Initialize(); });
}

long ORVObjAndRefObjMngrGroup::Analyze() {
  for (;;) {
    int called = 0;
    long result = ForEachMngr(GetMngrs(), [&called](ORVObjAndRefObjMngr& iMngr) {
      if (iMngr.GetObjToCompleteSet().IsEmpty()) return 0L;
      ++called;
      return iMngr.CompleteAndAddRefObj();
    });
    if (result != 0) return result;
    if (called == 0) return 0;
  }
}

void ORVObjAndRefObjMngrGroup::Terminate() {
  ForEachMngr(GetMngrs(), [](ORVObjAndRefObjMngr& iMngr) {
    iMngr.Terminate();
    return 0L;
  });
}
