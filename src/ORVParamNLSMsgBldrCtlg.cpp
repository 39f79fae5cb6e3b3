#include "ORVParamNLSMsgBldrCtlg.h"

#include "ORVFatal.h"
#include "PEVMsg.h"
#include "PEVMsgCatalog.h"

ORV_META_OBJECT_DEFINE(ORVParamNLSMsgBldrCtlg, ORVParamNLSMsgBldr)
ORV_RFHNDLR_DEFINE(ORVParamNLSMsgBldrCtlg)

namespace {

PEVUnicodeString NumberText(int iNumber) {
  PEVUnicodeString text;
  text.BuildFromNum(iNumber, "%d");
  return text;
}

}  // namespace

ORVParamNLSMsgBldrCtlg::ORVParamNLSMsgBldrCtlg(const char* iCatalogName, const char* iMsgId,
                                               const char* iCatalogPath)
    : _CatalogPath(iCatalogPath), _CatalogName(iCatalogName), _MsgId(iMsgId) {}

ORVParamNLSMsgBldrCtlg::~ORVParamNLSMsgBldrCtlg() {
  delete _pMsg;
  delete[] _pParameters;
}

const char* ORVParamNLSMsgBldrCtlg::GetMsgCatalogName() const {
  return _CatalogName.GetChars();
}

const char* ORVParamNLSMsgBldrCtlg::GetMsgId() const {
  return _MsgId.GetChars();
}

PEVUnicodeString ORVParamNLSMsgBldrCtlg::Build() {
  PEVUnicodeString result(_CatalogName.GetChars());
  result += " - ";
  result += _MsgId.GetChars();
  const PEVMsg* message = MakeOrGetMsgBuilder();
  if (!message) {
    result += " !!! Invalid message catalog ";
    result += _CatalogName.GetChars();
    result += ": ";
    result += _LastErrorMsg.GetChars();
    result += " !!!";
    return result;
  }
  if (message->IsEmpty()) {
    result += " !!! ";
    result += _LastErrorMsg.GetChars();
    result += " !!!";
    return result;
  }
  int expected = message->GetMaxParamIndex();
  if (_NbParameters < expected) {
    ResizeParameterArray(expected);
    for (int i = _NbParameters; i < expected; ++i)
      _pParameters[i] = "???";
  }
  int available = _NbParameters < expected ? expected : _NbParameters;
  PEVUnicodeString text = message->BuildMessage(_pParameters, available);
  if (_NbParameters == expected) return text;

  // The "catalog - key: count parameters instead of n" part both texts share.
  PEVUnicodeString mismatch(_CatalogName.GetChars());
  mismatch += " - ";
  mismatch += _MsgId.GetChars();
  mismatch += ": ";
  mismatch += NumberText(_NbParameters);
  mismatch += " parameters instead of ";
  mismatch += NumberText(expected);
  text += " !!! Wrong message ";
  text += mismatch;
  text += " !!!";
  _LastErrorMsg += "Message ";
  _LastErrorMsg += mismatch.ConvertToChar().GetChars();
  return text;
}

void ORVParamNLSMsgBldrCtlg::ClearParameterArray() {
  _NbParameters = 0;
}

void ORVParamNLSMsgBldrCtlg::AddNewParameter(const PEVUnicodeString& iParameter) {
  StoreParameter(_NbParameters, iParameter);
}

void ORVParamNLSMsgBldrCtlg::AddNewParameter(const ORVString& iParameter) {
  StoreParameter(_NbParameters, PEVUnicodeString(iParameter.GetChars()));
}

void ORVParamNLSMsgBldrCtlg::AddNewParameter(const char* iParameter) {
  StoreParameter(_NbParameters, PEVUnicodeString(iParameter));
}

void ORVParamNLSMsgBldrCtlg::AddNewParameter(int iParameter) {
  StoreParameter(_NbParameters, NumberText(iParameter));
}

void ORVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const PEVUnicodeString& iParameter) {
  StoreParameter(iIndex, iParameter);
}

void ORVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const ORVString& iParameter) {
  StoreParameter(iIndex, PEVUnicodeString(iParameter.GetChars()));
}

void ORVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const char* iParameter) {
  StoreParameter(iIndex, PEVUnicodeString(iParameter));
}

void ORVParamNLSMsgBldrCtlg::SetParameter(int iIndex, int iParameter) {
  StoreParameter(iIndex, NumberText(iParameter));
}

const char* ORVParamNLSMsgBldrCtlg::GetMsgCatalogPath() const {
  return _CatalogPath.GetChars();
}

const ORVString& ORVParamNLSMsgBldrCtlg::GetLastErrorMsg() const {
  return _LastErrorMsg;
}

PEVMsg* ORVParamNLSMsgBldrCtlg::MakeOrGetMsgBuilder() {
  if (_pMsg || !_FirstLoad) return _pMsg;
  _FirstLoad = 0;
  const char* path = _CatalogPath.GetLength() ? _CatalogPath.GetChars() : nullptr;
  PEVMsgCatalog catalog;
  if (catalog.LoadMsgCatalog(PEVString(_CatalogName.GetChars()), path) <= 0) {
    _LastErrorMsg = catalog.GetError().ConvertToChar().GetChars();
    return nullptr;
  }
  _pMsg = new PEVMsg(catalog.GetCatalogMsg(PEVString(_MsgId.GetChars())));
  if (_pMsg->IsEmpty()) {
    _LastErrorMsg = _MsgId;
    _LastErrorMsg += " not found in catalog ";
    _LastErrorMsg += _CatalogName;
  } else {
    _LastErrorMsg = "";
  }
  return _pMsg;
}

void ORVParamNLSMsgBldrCtlg::ResizeParameterArray(int iNbParameters) {
  if (iNbParameters < 0)
    ORV_FATAL("ORVParamNLSMsgBldrCtlg::ResizeParameterArray(): iNbParameters < 0");
  PEVUnicodeString* parameters = iNbParameters ? new PEVUnicodeString[iNbParameters] : nullptr;
  if (_NbParameters > iNbParameters) _NbParameters = iNbParameters;
  for (int i = 0; i < _NbParameters; ++i)
    parameters[i] = _pParameters[i];
  delete[] _pParameters;
  _pParameters = parameters;
  _ParameterCapacity = iNbParameters;
}

void ORVParamNLSMsgBldrCtlg::ChangeNbParameters(int iIndex) {
  int count = _NbParameters;
  if (iIndex >= count) count = ORV_CHECKED_SIZE((long long)iIndex + 1, "ORVParamNLSMsgBldrCtlg");
  if (count > _ParameterCapacity) {
    int capacity = _ParameterCapacity ? _ParameterCapacity : 10;
    while (capacity < count)
      capacity = ORV_CHECKED_SIZE((long long)capacity * 2, "ORVParamNLSMsgBldrCtlg");
    ResizeParameterArray(capacity);
  }
  // Entries left by an earlier use of the array would otherwise show in the gap.
  for (int i = _NbParameters; i < count; ++i)
    _pParameters[i] = PEVUnicodeString();
  _NbParameters = count;
}

void ORVParamNLSMsgBldrCtlg::StoreParameter(int iIndex, const PEVUnicodeString& iParameter) {
  if (iIndex < 0) ORV_FATAL("ORVParamNLSMsgBldrCtlg::SetParameter(): iIndex < 0");
  ChangeNbParameters(iIndex);
  // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): the array holds iIndex + 1 entries now
  _pParameters[iIndex] = iParameter;
}
