#include "ORVCmdLnOptMultiArgElementLengthMngr.h"

#include "ORVCmdLnError.h"
#include "ORVCmdLnOptMultiArg.h"
#include "ORVCmdLnValueLength.h"
#include "ORVContainer.h"
#include "ORVFatal.h"
#include "ORVIterator.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptMultiArgElementLengthMngr, ORVCmdLnOptMngr)

ORVCmdLnOptMultiArgElementLengthMngr::ORVCmdLnOptMultiArgElementLengthMngr(
    ORVCmdLnAnalyzer& iAnalyzer, const ORVCmdLnOptMultiArg& iOption, int iMinimum, int iMaximum)
    : ORVCmdLnOptMngr(iAnalyzer), _Option(iOption), _Minimum(iMinimum), _Maximum(iMaximum) {}

long ORVCmdLnOptMultiArgElementLengthMngr::Check() const {
  const ORVContainer& values = _Option.GetArgumentSet();
  ORVIterator* iterator = values.MakeIterator(nullptr);
  long result = ORVCmdLnSuccess();
  // Size() steps: a null element is not taken for the end of the set.
  for (int index = 0; index < values.Size() && result == 0; ++index) {
    PEVBaseUnknown* element = iterator->Next();
    if (!element) {
      ORV_FATAL("ORVCmdLnOptMultiArgElementLengthMngr::Check(): element "
                << index << " of the argument set is NULL");
    }
    result =
        ORV_CMDLN_CHECK_LENGTH(_Option, *ORVCheckedCast<ORVString>(element), _Minimum, _Maximum);
  }
  iterator->Release();
  return result;
}

void ORVCmdLnOptMultiArgElementLengthMngr::Reset() {}
