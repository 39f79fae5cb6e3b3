#include "ORVError.h"

#include <cstdlib>
#include <cstring>

#include "ORVCatalogKeys.h"
#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVError, PEVError)

unsigned int ORVError::errorTableLength = 0;
const PEVErrDsc* ORVError::errorTable = nullptr;

namespace {

char* CopyOfName(const char* iName) {
  char* copy = strdup(iName ? iName : "");
  if (!copy) ORV_FATAL("ORVError: out of memory");
  return copy;
}

}  // namespace

ORVError::ORVError(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
                   const ORVNLSMsgBldrRfHndlr& iDiagnostic, const ORVNLSMsgBldrRfHndlr& iAdvice,
                   PEVErrorType iType, long iReturnCode)
    : PEVError(0) {
  Init(iFile, iLine, iRequest, iDiagnostic, iAdvice, iType, iReturnCode);
}

ORVError::ORVError(unsigned int iId) : PEVError(iId), _pSourceFileName(CopyOfName(nullptr)) {}

ORVError::ORVError(unsigned int iId, const char* iCatalogName, const char* iMsgId)
    : PEVError(iId, iCatalogName, iMsgId), _pSourceFileName(CopyOfName(nullptr)) {}

ORVError::ORVError(ORVError& iOther) : PEVError(iOther) {
  char* file = nullptr;
  if (iOther.GetSourceFileName(&file) != PEV_S_OK) file = nullptr;
  Init(file, iOther.GetSourceLineNumber(), iOther.GetHRequestBldr(), iOther.GetHDiagnosticBldr(),
       iOther.GetHAdviceBldr(), iOther.GetInformationOnErrorType(), iOther.GetReturnCode());
}

ORVError::~ORVError() {
  free(_pSourceFileName);
}

void ORVError::Init(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
                    const ORVNLSMsgBldrRfHndlr& iDiagnostic, const ORVNLSMsgBldrRfHndlr& iAdvice,
                    PEVErrorType iType, long iReturnCode) {
  SetHRequestBldr(iRequest);
  SetHDiagnosticBldr(iDiagnostic);
  SetHAdviceBldr(iAdvice);
  if (iRequest) {
    SetMsgCatalog(iRequest->GetMsgCatalogName());
    SetMsgId(iRequest->GetMsgId());
  }
  SetInformationOnErrorType(iType);
  SetReturnCode(iReturnCode);
  StoreSourceFileName(iFile);
  SetSourceLineNumber(iLine);
}

long ORVError::GetSourceFileName(char** oName) {
  if (!oName) return PEV_E_POINTER;
  *oName = _pSourceFileName;
  return PEV_S_OK;
}

long ORVError::SetSourceFileName(char* iName) {
  StoreSourceFileName(iName);
  return PEV_S_OK;
}

PEVUnicodeString ORVError::GetNLSMessage() {
  PEVUnicodeString message = GetNLSRequest();
  bool withRequest = !message.IsEmpty();
  PEVUnicodeString diagnostic = GetNLSDiagnostic();
  if (!diagnostic.IsEmpty()) {
    if (withRequest) message += "\n";
    message += diagnostic;
  }
  PEVUnicodeString advice = GetNLSAdvice();
  if (!advice.IsEmpty()) {
    if (withRequest) message += "\n";
    message += advice;
  }
  return message;
}

PEVUnicodeString ORVError::GetNLSRequest() {
  return _RequestBldr ? _RequestBldr->Build() : PEVUnicodeString();
}

PEVUnicodeString ORVError::GetNLSDiagnostic() {
  return _DiagnosticBldr ? _DiagnosticBldr->Build() : PEVUnicodeString();
}

PEVUnicodeString ORVError::GetNLSAdvice() {
  return _AdviceBldr ? _AdviceBldr->Build() : PEVUnicodeString();
}

ORVError* ORVError::CloneSelf() {
  return new ORVError(*this);
}

long ORVError::GetErrorTable(unsigned int* oLength, const PEVErrDsc** oTable) {
  if (!oLength || !oTable) return PEV_E_POINTER;
  *oLength = errorTableLength;
  *oTable = errorTable;
  return PEV_S_OK;
}

void ORVError::SetHRequestBldr(const ORVNLSMsgBldrRfHndlr& iRequest) {
  _RequestBldr = iRequest;
}

const ORVNLSMsgBldrRfHndlr& ORVError::GetHRequestBldr() const {
  return _RequestBldr;
}

void ORVError::SetHDiagnosticBldr(const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  _DiagnosticBldr = iDiagnostic;
}

const ORVNLSMsgBldrRfHndlr& ORVError::GetHDiagnosticBldr() const {
  return _DiagnosticBldr;
}

void ORVError::SetHAdviceBldr(const ORVNLSMsgBldrRfHndlr& iAdvice) {
  _AdviceBldr = iAdvice;
}

const ORVNLSMsgBldrRfHndlr& ORVError::GetHAdviceBldr() const {
  return _AdviceBldr;
}

PEVError* ORVError::GetOrMakeLastError(long iCode) {
  PEVError* error = PEVError::PEVGetLastError(iCode, nullptr);
  if (error || iCode == 0) return error;
  PEVErrorType type = PEVFailed(iCode) ? PEVErrorTypeCritical : PEVErrorTypeWarning;
  return new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(),
                      ORVMakeCatalogMessage<ORVBC_0100>(), ORVNLSMsgBldrRfHndlr(), type, iCode);
}

void ORVError::ReplaceLastErrorRequest(long iCode, const ORVNLSMsgBldrRfHndlr& iRequest) {
  PEVError* error = PEVError::PEVGetLastError(iCode, nullptr);
  if (!error) return;
  if (error->IsAKindOf(ORVError::ClassName()))
    static_cast<ORVError*>(error)->SetHRequestBldr(iRequest);
  error->Release();
}

void ORVError::StoreSourceFileName(const char* iName) {
  char* copy = CopyOfName(iName);  // before the free: iName may be the old copy
  free(_pSourceFileName);
  _pSourceFileName = copy;
  SetSourceFileBuffer(copy);
}
