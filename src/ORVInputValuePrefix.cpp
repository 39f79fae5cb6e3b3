#include "ORVInputValuePrefix.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVInputValuePrefix, ORVMappedCodeWithName)

ORVInputValuePrefix::ORVInputValuePrefix() = default;

ORVInputValuePrefix::ORVInputValuePrefix(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr,
                                         int iValueLengthMini, int iValueLengthMaxi)
    : ORVMappedCodeWithName(iCode, iHNameBldr),
      _ValueLengthMini(iValueLengthMini),
      _ValueLengthMaxi(iValueLengthMaxi) {}

void ORVInputValuePrefix::SetValueLengthMini(int iValueLengthMini) {
  if (iValueLengthMini < 0) ORV_FATAL("ValueLengthMini must be greater or equal than 0");
  _ValueLengthMini = iValueLengthMini;
}

int ORVInputValuePrefix::GetValueLengthMini() const {
  if (_ValueLengthMini < 0) ORV_FATAL("ValueLengthMini must be greater or equal than 0");
  return _ValueLengthMini;
}

void ORVInputValuePrefix::SetValueLengthMaxi(int iValueLengthMaxi) {
  _ValueLengthMaxi = iValueLengthMaxi;
}

int ORVInputValuePrefix::GetValueLengthMaxi() const {
  return _ValueLengthMaxi;
}
