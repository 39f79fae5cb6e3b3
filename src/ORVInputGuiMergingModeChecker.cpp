#include "ORVInputGuiMergingModeChecker.h"

#include "ORVContainer.h"
#include "ORVInputCheckError.h"
#include "ORVIterator.h"
#include "ORVString.h"
#include "ORVUtilities.h"

ORV_META_OBJECT_DEFINE(ORVInputGuiMergingModeChecker, PEVBaseUnknown)

long ORVInputGuiMergingModeChecker::Check(const ORVContainer& iValues,
                                          const ORVNLSMsgBldrRfHndlr& iHRequestBldr) {
  long result = ORVInputCheckSuccess();
  ORVIterator* iterator = iValues.MakeIterator(nullptr);
  // Size() steps: a null element is no merging mode, not the end of the values.
  for (int index = 0; index < iValues.Size() && result == 0; ++index) {
    const auto* text = ORVCheckedCast<ORVString>(iterator->Next());
    int mode = 0;
    if (text && ORVUtilities::ConvertStringToInt(*text, mode) && mode >= 1 && mode <= 4) continue;
    result = ORV_INPUT_CHECK_ERROR(
        iHRequestBldr, ORVMakeCatalogMessage<ORVBC_0023>(mode, "1|2|3|4"), ORVNLSMsgBldrRfHndlr());
  }
  iterator->Release();
  return result;
}
