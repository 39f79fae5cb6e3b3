// ORVParamNLSMsgBldrCtlg.h - a message builder backed by a catalog of the platform.
//
// The catalog is loaded on the first Build (or MakeOrGetMsgBuilder), once per builder:
// a failed load is never retried. Build stands in for a missing catalog, a missing key
// and a wrong parameter count with texts marked "!!!" and fills missing parameters with
// "???"; GetLastErrorMsg tells what went wrong and accumulates the count mismatches.
// The builder owns its message and its parameter array. A negative parameter index and
// a parameter array beyond int are fatal internal errors.
#pragma once

#include "ORVParamNLSMsgBldr.h"
#include "ORVString.h"

class PEVMsg;

class ORV_EXPORT ORVParamNLSMsgBldrCtlg : public ORVParamNLSMsgBldr {
  ORV_META_OBJECT(ORVParamNLSMsgBldrCtlg)

public:
  // Null texts are stored as empty ones; an empty path means the platform's search.
  ORVParamNLSMsgBldrCtlg(const char* iCatalogName, const char* iMsgId, const char* iCatalogPath);
  ~ORVParamNLSMsgBldrCtlg() override;
  ORVParamNLSMsgBldrCtlg(const ORVParamNLSMsgBldrCtlg&) = delete;
  ORVParamNLSMsgBldrCtlg& operator=(const ORVParamNLSMsgBldrCtlg&) = delete;

  const char* GetMsgCatalogName() const override;
  const char* GetMsgId() const override;
  PEVUnicodeString Build() override;

  void ClearParameterArray() override;
  void AddNewParameter(const PEVUnicodeString& iParameter) override;
  void AddNewParameter(const ORVString& iParameter) override;
  void AddNewParameter(const char* iParameter) override;
  void AddNewParameter(int iParameter) override;
  void SetParameter(int iIndex, const PEVUnicodeString& iParameter) override;
  void SetParameter(int iIndex, const ORVString& iParameter) override;
  void SetParameter(int iIndex, const char* iParameter) override;
  void SetParameter(int iIndex, int iParameter) override;

  virtual const char* GetMsgCatalogPath() const;
  // Empty after a successful load; otherwise what went wrong.
  virtual const ORVString& GetLastErrorMsg() const;
  // The message, loaded on the first call; null when the catalog could not be loaded.
  virtual PEVMsg* MakeOrGetMsgBuilder();
  // Replaces the array by one of iNbParameters entries keeping the first ones; a count
  // above iNbParameters is cut down to it.
  virtual void ResizeParameterArray(int iNbParameters);
  // Makes index iIndex usable: the count becomes at least iIndex + 1, the capacity grows
  // from 10 by doubling, and the entries between the old count and iIndex are emptied.
  virtual void ChangeNbParameters(int iIndex);

  int GetNbParameters() const { return _NbParameters; }
  int GetParameterCapacity() const { return _ParameterCapacity; }
  // Entry iIndex of the array, 0 <= iIndex < GetParameterCapacity().
  const PEVUnicodeString& GetParameter(int iIndex) const { return _pParameters[iIndex]; }

private:
  void StoreParameter(int iIndex, const PEVUnicodeString& iParameter);

  ORVString _CatalogPath;
  ORVString _CatalogName;
  ORVString _MsgId;
  int _FirstLoad = 1;
  PEVMsg* _pMsg = nullptr;
  ORVString _LastErrorMsg;
  int _NbParameters = 0;
  int _ParameterCapacity = 0;
  PEVUnicodeString* _pParameters = nullptr;
};

ORV_RFHNDLR(ORVParamNLSMsgBldrCtlg, ORVParamNLSMsgBldrRfHndlr);
