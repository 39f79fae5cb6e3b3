#include "ORVErrorMngr.h"

#include "ORVErrorDisplay.h"
#include "ORVLastError.h"

ORV_META_OBJECT_DEFINE(ORVErrorMngr, PEVBaseUnknown)

namespace {

// Higher is more severe; types outside 1..4 rank as information, as the displays show
// them, so that they neither displace nor protect a severe main error.
int SeverityRank(PEVErrorType iType) {
  switch (iType) {
    case PEVErrorTypeFatal:
      return 4;
    case PEVErrorTypeCritical:
      return 3;
    case PEVErrorTypeWarning:
      return 2;
    default:
      return 1;
  }
}

}  // namespace

ORVErrorMngr::~ORVErrorMngr() {
  if (_pMainError) _pMainError->Release();
}

void ORVErrorMngr::DisplayAndKeepError(long iCode, unsigned int iOnlyIfMoreSevere) {
  ORVUseAndCleanLastError(iCode, [this, iOnlyIfMoreSevere](PEVError& iError) {
    DisplayAndChangeMainError(iError, iOnlyIfMoreSevere);
  });
}

void ORVErrorMngr::DisplayAndKeepError(PEVError& iError, unsigned int iOnlyIfMoreSevere) {
  DisplayAndChangeMainError(iError, iOnlyIfMoreSevere);
  PEVError::PEVCleanLastError();
}

void ORVErrorMngr::DisplayAndForgetError(long iCode) {
  ORVUseAndCleanLastError(iCode,
                          [](PEVError& iError) { ORVErrorDisplay::GetGlobal()->Display(iError); });
}

void ORVErrorMngr::DisplayAndForgetError(PEVError& iError) {
  ORVErrorDisplay::GetGlobal()->Display(iError);
  PEVError::PEVCleanLastError();
}

long ORVErrorMngr::ReturnSuccessOrError() const {
  if (!_pMainError)
    return PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__);
  _pMainError->AddRef();
  return PEVError::GetReturn(PEVReturnError, _pMainError, nullptr, __FILE__, __LINE__);
}

long ORVErrorMngr::SetMainError(PEVError* iError) {
  if (iError != _pMainError) {
    if (_pMainError) _pMainError->Release();
    _pMainError = iError;
    if (iError) iError->AddRef();
  }
  return PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__);
}

long ORVErrorMngr::GetMainError(PEVError*& oError) const {
  oError = _pMainError;
  if (oError) oError->AddRef();
  return PEV_S_OK;
}

long ORVErrorMngr::GetMainErrorReturnCode() const {
  return _pMainError ? _pMainError->GetReturnCode() : 0;
}

void ORVErrorMngr::DisplayAndChangeMainError(PEVError& iError, unsigned int iOnlyIfMoreSevere) {
  ORVErrorDisplay::GetGlobal()->Display(iError);
  if (&iError == _pMainError) return;
  bool replace = !_pMainError || !iOnlyIfMoreSevere ||
                 SeverityRank(iError.GetInformationOnErrorType()) >
                     SeverityRank(_pMainError->GetInformationOnErrorType());
  if (!replace) return;
  if (_pMainError) _pMainError->Release();
  _pMainError = &iError;
  iError.AddRef();
}
