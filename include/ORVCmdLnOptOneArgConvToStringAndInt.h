// ORVCmdLnOptOneArgConvToStringAndInt.h - splits the argument of a one-argument option
// into a text and an integer at the last separator, as in name:12.
//
// Holds a reference to the option, which must outlive the converter. A value without
// separator fails with ORVBC "0018", a bad number with "0015"; the advice is the
// option's own usage.
#pragma once

#include "ORVMacro.h"

class ORVCmdLnOptOneArg;
class ORVString;

class ORV_EXPORT ORVCmdLnOptOneArgConvToStringAndInt : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCmdLnOptOneArgConvToStringAndInt)

public:
  explicit ORVCmdLnOptOneArgConvToStringAndInt(const ORVCmdLnOptOneArg& iOption);
  ORVCmdLnOptOneArgConvToStringAndInt(const ORVCmdLnOptOneArgConvToStringAndInt&) = delete;
  ORVCmdLnOptOneArgConvToStringAndInt& operator=(const ORVCmdLnOptOneArgConvToStringAndInt&) =
      delete;

  // oText receives what precedes the last iSeparator (the whole value without one) and
  // oNumber what the number text after it reads as (unchanged when that text is empty).
  // Fails unless the number text is a whole decimal int.
  virtual long Convert(char iSeparator, ORVString& oText, int& oNumber) const;

private:
  const ORVCmdLnOptOneArg& _Option;
};
