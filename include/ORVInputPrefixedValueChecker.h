// ORVInputPrefixedValueChecker.h - checks values typed as prefix:value, where the prefix
// picks an ORVInputValuePrefix that bounds the length of the value.
//
// The checker refers to the caller's set of prefixes (a container of
// ORVInputValuePrefix, not owned, which must outlive it) and to an optional default
// prefix for values typed without one. A value that fails comes back as a result code
// whose ORVError (critical, PEV_E_FAIL) carries the caller's request, an ORVBC
// diagnostic and, as advice, the list of the accepted prefixes.
#pragma once

#include "ORVInputValuePrefix.h"

class ORVContainer;

class ORV_EXPORT ORVInputPrefixedValueChecker : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVInputPrefixedValueChecker)

public:
  // Values without a known prefix are refused; those without any take iDefaultPrefix,
  // which need not belong to iPrefixSet.
  ORVInputPrefixedValueChecker(const ORVContainer& iPrefixSet,
                               const ORVInputValuePrefix& iDefaultPrefix);
  // A non-zero iPrefixOptional accepts a value without a known prefix as a whole.
  ORVInputPrefixedValueChecker(const ORVContainer& iPrefixSet, unsigned int iPrefixOptional);
  ORVInputPrefixedValueChecker(const ORVInputPrefixedValueChecker&) = delete;
  ORVInputPrefixedValueChecker& operator=(const ORVInputPrefixedValueChecker&) = delete;

  // Cuts iInput (null: empty) and checks the value's length against its prefix. oPrefix
  // is the prefix found (null when none applies) and oValue the value, as far as they
  // were set when a check fails. 0 on success.
  virtual long Check(const char* iInput, const ORVInputValuePrefix*& oPrefix, ORVString& oValue,
                     const ORVNLSMsgBldrRfHndlr& iHRequestBldr);
  // The advice of every failure: a head line, then one line per prefix of the set.
  virtual ORVNLSMsgBldrRfHndlr GetHAdviceWithPrefixesBldr() const;

  // oPrefix is what comes before the first ":" and oValue what follows it; without ":"
  // oPrefix is empty and oValue the whole input.
  static void CutInputValue(const char* iInput, ORVString& oPrefix, ORVString& oValue);

private:
  const ORVContainer& _PrefixSet;
  unsigned int _PrefixOptional = 0;
  const ORVInputValuePrefix* _pDefaultPrefix = nullptr;
};
