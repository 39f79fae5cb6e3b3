// ORVInputValuePrefix.h - a prefix of typed values ("A:12345678") that bounds the length
// of the value after it, for ORVInputPrefixedValueChecker.
//
// The minimum must be set (0 or more) before it is read: a negative minimum, given or
// left from the default constructor, is a fatal internal error. A negative maximum
// means no maximum; minimum equal to maximum means a fixed length.
#pragma once

#include "ORVMappedCodeWithName.h"

class ORV_EXPORT ORVInputValuePrefix : public ORVMappedCodeWithName {
  ORV_META_OBJECT(ORVInputValuePrefix)

public:
  // Minimum and maximum -1.
  ORVInputValuePrefix();
  // Stored as given, without check.
  ORVInputValuePrefix(const char* iCode, const ORVNLSMsgBldrRfHndlr& iHNameBldr,
                      int iValueLengthMini, int iValueLengthMaxi);

  virtual void SetValueLengthMini(int iValueLengthMini);
  virtual int GetValueLengthMini() const;
  virtual void SetValueLengthMaxi(int iValueLengthMaxi);
  virtual int GetValueLengthMaxi() const;

private:
  int _ValueLengthMini = -1;
  int _ValueLengthMaxi = -1;
};
