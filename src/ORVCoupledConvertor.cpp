#include "ORVCoupledConvertor.h"

ORV_META_OBJECT_DEFINE(ORVCoupledConvertor, ORVConvertor)

void ORVCoupledConvertor::Set(const PEVBaseUnknown* iObject) {
  _pFirst->Set(iObject);
  _pSecond->Set(_pFirst->GetConverted());
}

const PEVBaseUnknown* ORVCoupledConvertor::GetConverted() const {
  return _pSecond->GetConverted();
}
