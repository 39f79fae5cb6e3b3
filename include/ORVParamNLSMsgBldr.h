// ORVParamNLSMsgBldr.h - a message builder with positional parameters.
//
// Parameters are counted from 0: the first one fills the message's %1. AddNewParameter
// appends after the last one set; SetParameter(i, x) sets entry i and makes the count at
// least i + 1, leaving skipped entries empty. Numbers are written in decimal.
#pragma once

#include "ORVNLSMsgBldr.h"

class ORVString;

class ORV_EXPORT ORVParamNLSMsgBldr : public ORVNLSMsgBldr {
  ORV_META_OBJECT(ORVParamNLSMsgBldr)

public:
  // Sets the count to 0; the entries are overwritten by the next additions.
  virtual void ClearParameterArray() = 0;
  virtual void AddNewParameter(const PEVUnicodeString& iParameter) = 0;
  // The characters up to the first NUL, as 8-bit (UTF-8) text.
  virtual void AddNewParameter(const ORVString& iParameter) = 0;
  virtual void AddNewParameter(const char* iParameter) = 0;
  virtual void AddNewParameter(int iParameter) = 0;
  virtual void SetParameter(int iIndex, const PEVUnicodeString& iParameter) = 0;
  virtual void SetParameter(int iIndex, const ORVString& iParameter) = 0;
  virtual void SetParameter(int iIndex, const char* iParameter) = 0;
  virtual void SetParameter(int iIndex, int iParameter) = 0;
};

ORV_RFHNDLR(ORVParamNLSMsgBldr, ORVNLSMsgBldrRfHndlr);
