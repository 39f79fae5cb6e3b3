#include "ORVCoupledMessageDisplay.h"

ORV_META_OBJECT_DEFINE(ORVCoupledMessageDisplay, ORVMessageDisplay)

ORVCoupledMessageDisplay::ORVCoupledMessageDisplay(ORVMessageDisplay& iFirst,
                                                   ORVMessageDisplay& iSecond)
    : _pFirst(&iFirst), _pSecond(&iSecond) {}

void ORVCoupledMessageDisplay::Display(const PEVUnicodeString& iText, unsigned int iNewLine) {
  _pFirst->Display(iText, iNewLine);
  _pSecond->Display(iText, iNewLine);
}

long ORVCoupledMessageDisplay::GetDisplayError(PEVError*& oError, unsigned int iForget) {
  long result = _pFirst->GetDisplayError(oError, iForget);
  if (result != 0 || oError) return result;
  return _pSecond->GetDisplayError(oError, iForget);
}
