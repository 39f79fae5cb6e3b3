#include "ORVEnvironmentVariableChecker.h"

#include "ORVEnvironmentVariable.h"
#include "ORVInputCheckError.h"

ORV_META_OBJECT_DEFINE(ORVEnvironmentVariableChecker, PEVBaseUnknown)

ORVEnvironmentVariableChecker::ORVEnvironmentVariableChecker(
    const ORVNLSMsgBldrRfHndlr& iHAdviceBldr)
    : _Variables(ORVDoNothingAtDelete), _HAdviceBldr(iHAdviceBldr) {}

void ORVEnvironmentVariableChecker::Add(ORVEnvironmentVariable& iVariable) {
  _Variables.Append(&iVariable);
}

long ORVEnvironmentVariableChecker::ReadAndCheck() {
  PEVUnicodeString names;
  int emptyCount = 0;
  for (int index = 0; index < _Variables.Size(); ++index) {
    auto* variable = ORVCheckedCast<ORVEnvironmentVariable>(_Variables[index]);
    if (!variable->IsEmpty(1)) continue;
    if (emptyCount++ > 0) names += ", ";
    names += variable->GetName().GetChars();
  }
  if (emptyCount == 0) return ORVInputCheckSuccess();
  return ORV_INPUT_CHECK_ERROR(ORVMakeCatalogMessage<ORVBC_0150>(),
                               ORVMakeCatalogMessage<ORVBC_0151>(names), _HAdviceBldr);
}
