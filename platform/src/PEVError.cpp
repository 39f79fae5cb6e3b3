#include "PEVError.h"

#include <cstring>

#include "PEVMsgCatalog.h"

namespace {

// The last error and the code it was returned as: process-wide, one thread.
PEVError* lastError = nullptr;
long lastErrorCode = 0;

}  // namespace

PEVMetaClass* PEVError::_pMetaObject = nullptr;

PEVError::PEVError(unsigned int iId) : _Id(iId) {}

PEVError::PEVError(unsigned int iId, const char* iCatalogName, const char* iMsgId) : _Id(iId) {
  if (iCatalogName) SetMsgCatalog(iCatalogName);
  if (iMsgId) SetMsgId(iMsgId);
}

PEVError::PEVError(const PEVError& iOther)
    : PEVBaseUnknown(iOther),
      _Id(iOther._Id),
      _Type(iOther._Type),
      _ReturnCode(iOther._ReturnCode),
      _SourceLineNumber(iOther._SourceLineNumber) {
  if (iOther._pMsgCatalog) _pMsgCatalog = new PEVString(*iOther._pMsgCatalog);
  if (iOther._pMsgId) _pMsgId = new PEVString(*iOther._pMsgId);
  memcpy(_SourceFileName, iOther._SourceFileName, sizeof _SourceFileName);
  for (int i = 0; i < iOther._ParameterCount; ++i)
    AddMsgParameter(iOther._pParameters[i]);
}

PEVError::~PEVError() {
  delete _pMsgCatalog;
  delete _pMsgId;
  delete[] _pParameters;
}

PEVMetaClass* PEVError::GetMetaObject() const {
  return _pMetaObject ? _pMetaObject : MetaObject();
}

const char* PEVError::IsA() const {
  return GetMetaObject()->GetClassName();
}

unsigned int PEVError::IsAKindOf(const char* iClassName) const {
  return GetMetaObject()->IsAKindOf(iClassName);
}

PEVMetaClass* PEVError::MetaObject() {
  if (!_pMetaObject) {
    PEVMetaClass* parent = PEVBaseUnknown::MetaObject();
    _pMetaObject = fct_RetrieveMetaObject("PEVError", PEVTypeOfClassImplementation, parent,
                                          "PEVNull", "TovakBase", sizeof(PEVError));
  }
  return _pMetaObject;
}

const char* PEVError::ClassName() {
  return MetaObject()->GetClassName();
}

void PEVError::Setup(const char* iFile, int iLine) {
  SetSourceFileBuffer(iFile);
  _SourceLineNumber = iLine;
}

void PEVError::SetSourceFileBuffer(const char* iName) {
  memset(_SourceFileName, 0, sizeof _SourceFileName);
  if (iName) strncpy(_SourceFileName, iName, sizeof _SourceFileName - 1);
}

long PEVError::GetSourceFileName(char** oName) {
  if (!oName) return PEV_E_POINTER;
  *oName = _SourceFileName;
  return PEV_S_OK;
}

long PEVError::SetSourceFileName(char* iName) {
  SetSourceFileBuffer(iName);
  return PEV_S_OK;
}

PEVUnicodeString PEVError::GetNLSMessage() {
  return GetNLSDiagnostic();
}

PEVUnicodeString PEVError::GetNLSRequest() {
  return PEVUnicodeString();
}

PEVUnicodeString PEVError::GetNLSDiagnostic() {
  const char* catalogName = GetMsgCatalog();
  const char* msgId = GetMsgId();
  if (!catalogName || !msgId) {
    const PEVErrDsc* description = FindDescription();
    if (!description) return PEVUnicodeString();
    catalogName = description->_CatalogName;
    msgId = description->_MsgId;
  }
  if (!catalogName || !msgId) return PEVUnicodeString();
  PEVMsgCatalog catalog;
  PEVMsg message;
  if (catalog.LoadMsgCatalog(catalogName, nullptr) > 0) message = catalog.GetCatalogMsg(msgId);
  if (message.IsEmpty()) {
    PEVUnicodeString fallback(catalogName);
    fallback += " - ";
    fallback += msgId;
    return fallback;
  }
  return message.BuildMessage(_pParameters, _ParameterCount);
}

PEVUnicodeString PEVError::GetNLSAdvice() {
  return PEVUnicodeString();
}

PEVError* PEVError::CloneSelf() {
  return new PEVError(*this);
}

long PEVError::GetErrorTable(unsigned int* oLength, const PEVErrDsc** oTable) {
  if (!oLength || !oTable) return PEV_E_POINTER;
  *oLength = 0;
  *oTable = nullptr;
  return PEV_S_OK;
}

void PEVError::SetMsgCatalog(const char* iCatalogName) {
  delete _pMsgCatalog;
  _pMsgCatalog = new PEVString(iCatalogName);
}

void PEVError::SetMsgId(const char* iMsgId) {
  delete _pMsgId;
  _pMsgId = new PEVString(iMsgId);
}

void PEVError::AddMsgParameter(const PEVUnicodeString& iParameter) {
  auto* parameters = new PEVUnicodeString[_ParameterCount + 1];
  for (int i = 0; i < _ParameterCount; ++i)
    parameters[i] = _pParameters[i];
  parameters[_ParameterCount] = iParameter;
  delete[] _pParameters;
  _pParameters = parameters;
  ++_ParameterCount;
}

const char* PEVError::GetMsgCatalog() const {
  return _pMsgCatalog ? _pMsgCatalog->GetChars() : nullptr;
}

const char* PEVError::GetMsgId() const {
  return _pMsgId ? _pMsgId->GetChars() : nullptr;
}

const PEVErrDsc* PEVError::FindDescription() {
  unsigned int length = 0;
  const PEVErrDsc* table = nullptr;
  if (GetErrorTable(&length, &table) != PEV_S_OK || !table) return nullptr;
  for (unsigned int i = 0; i < length; ++i)
    if (table[i]._Id == _Id) return &table[i];
  return nullptr;
}

long PEVError::GetReturn(int iKind, PEVError* iError, IUnknown*, const char* iFile, int iLine) {
  if (iKind == PEVReturnSuccess) return PEV_S_OK;
  if (iKind != PEVReturnError) return PEV_E_INVALIDARG;
  if (!iError) return PEV_E_FAIL;
  if (iError->_SourceFileName[0] == '\0' && iFile) iError->Setup(iFile, iLine);
  long code = iError->GetReturnCode();
  if (code == 0) code = PEV_E_FAIL;  // an error never reads as success
  if (iError == lastError) {
    iError->Release();  // the registry already holds its reference
  } else {
    PEVError* previous = lastError;
    lastError = iError;
    if (previous) previous->Release();
  }
  lastErrorCode = code;
  return code;
}

PEVError* PEVError::PEVGetLastError(long iCode, IUnknown*) {
  if (!lastError || PEVNormalizeResultCode(iCode) != lastErrorCode) return nullptr;
  lastError->AddRef();
  return lastError;
}

void PEVError::PEVCleanLastError() {
  PEVError* previous = lastError;
  lastError = nullptr;
  lastErrorCode = 0;
  if (previous) previous->Release();
}
