#include "ORVInputPrefixedValueChecker.h"

#include <cstring>

#include "ORVContainer.h"
#include "ORVInputCheckError.h"
#include "ORVIterator.h"
#include "ORVMappedCodeCmpCodeVal.h"

ORV_META_OBJECT_DEFINE(ORVInputPrefixedValueChecker, PEVBaseUnknown)

ORVInputPrefixedValueChecker::ORVInputPrefixedValueChecker(
    const ORVContainer& iPrefixSet, const ORVInputValuePrefix& iDefaultPrefix)
    : _PrefixSet(iPrefixSet), _pDefaultPrefix(&iDefaultPrefix) {}

ORVInputPrefixedValueChecker::ORVInputPrefixedValueChecker(const ORVContainer& iPrefixSet,
                                                           unsigned int iPrefixOptional)
    : _PrefixSet(iPrefixSet), _PrefixOptional(iPrefixOptional ? 1 : 0) {}

long ORVInputPrefixedValueChecker::Check(const char* iInput, const ORVInputValuePrefix*& oPrefix,
                                         ORVString& oValue,
                                         const ORVNLSMsgBldrRfHndlr& iHRequestBldr) {
  if (!iInput) iInput = "";
  oPrefix = nullptr;
  ORVString prefixText;
  CutInputValue(iInput, prefixText, oValue);

  if (prefixText.GetLength() == 0) {
    if (_PrefixOptional) {
      oValue = iInput;
      return ORVInputCheckSuccess();
    }
    if (!_pDefaultPrefix) {
      return ORV_INPUT_CHECK_ERROR(iHRequestBldr, ORVMakeCatalogMessage<ORVBC_0310>(iInput),
                                   GetHAdviceWithPrefixesBldr());
    }
    oPrefix = _pDefaultPrefix;
  } else {
    oPrefix = ORVCheckedCast<ORVInputValuePrefix>(
        _PrefixSet.LookupOne(&prefixText, *ORVMappedCodeCmpCodeVal::GetGlobal()));
    if (!oPrefix) {
      if (_PrefixOptional) {
        oValue = iInput;
        return ORVInputCheckSuccess();
      }
      return ORV_INPUT_CHECK_ERROR(iHRequestBldr,
                                   ORVMakeCatalogMessage<ORVBC_0313>(iInput, prefixText),
                                   GetHAdviceWithPrefixesBldr());
    }
  }

  int length = oValue.GetLength();
  int minimum = oPrefix->GetValueLengthMini();
  int maximum = oPrefix->GetValueLengthMaxi();
  if (minimum == maximum) {
    if (length != maximum) {
      return ORV_INPUT_CHECK_ERROR(iHRequestBldr,
                                   ORVMakeCatalogMessage<ORVBC_0314>(iInput, length, maximum),
                                   GetHAdviceWithPrefixesBldr());
    }
  } else if (maximum >= 0) {
    if (length < minimum || length > maximum) {
      return ORV_INPUT_CHECK_ERROR(
          iHRequestBldr, ORVMakeCatalogMessage<ORVBC_0317>(iInput, length, minimum, maximum),
          GetHAdviceWithPrefixesBldr());
    }
  } else if (length < minimum) {
    return ORV_INPUT_CHECK_ERROR(iHRequestBldr,
                                 ORVMakeCatalogMessage<ORVBC_0320>(iInput, length, minimum),
                                 GetHAdviceWithPrefixesBldr());
  }
  return ORVInputCheckSuccess();
}

ORVNLSMsgBldrRfHndlr ORVInputPrefixedValueChecker::GetHAdviceWithPrefixesBldr() const {
  PEVUnicodeString lines;
  ORVIterator* iterator = _PrefixSet.MakeIterator(nullptr);
  // Size() steps: a null element is the conversion check's business, not the end.
  for (int index = 0; index < _PrefixSet.Size(); ++index) {
    const auto* prefix = ORVCheckedCast<ORVInputValuePrefix>(iterator->Next());
    if (!prefix) continue;
    int minimum = prefix->GetValueLengthMini();
    int maximum = prefix->GetValueLengthMaxi();
    const ORVString& code = prefix->GetCode();
    PEVUnicodeString name = prefix->GetHNameBldr()->Build();
    ORVParamNLSMsgBldrCtlgRfHndlr line;
    if (minimum == maximum)
      line = ORVMakeCatalogMessage<ORVBC_0312>(code, name, minimum);
    else if (maximum < 0)
      line = ORVMakeCatalogMessage<ORVBC_0318>(code, name, minimum);
    else
      line = ORVMakeCatalogMessage<ORVBC_0319>(code, name, minimum, maximum);
    lines += line->Build();
  }
  iterator->Release();

  ORVNLSMsgBldrRfHndlr head;
  if (_PrefixOptional)
    head = ORVMakeCatalogMessage<ORVBC_0316>(lines);
  else if (_pDefaultPrefix)
    head = ORVMakeCatalogMessage<ORVBC_0315>(_pDefaultPrefix->GetCode(), lines);
  else
    head = ORVMakeCatalogMessage<ORVBC_0311>(lines);
  return head;
}

void ORVInputPrefixedValueChecker::CutInputValue(const char* iInput, ORVString& oPrefix,
                                                 ORVString& oValue) {
  if (!iInput) iInput = "";
  const char* colon = strchr(iInput, ':');
  if (!colon) {
    oPrefix = "";
    oValue = iInput;
    return;
  }
  oPrefix.Copy(iInput, (int)(colon - iInput));
  oValue = colon + 1;
}
