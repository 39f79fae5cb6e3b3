// ORVCoupledConvertor.h - two conversions chained: the second converts what the first gave.
//
// The two convertors are not reference-held and must outlive this one.
#pragma once

#include "ORVConvertor.h"
#include "ORVExport.h"

class ORV_EXPORT ORVCoupledConvertor : public ORVConvertor {
  ORV_META_OBJECT(ORVCoupledConvertor)

public:
  ORVCoupledConvertor(ORVConvertor& iFirst, ORVConvertor& iSecond)
      : _pFirst(&iFirst), _pSecond(&iSecond) {}

  void Set(const PEVBaseUnknown* iObject) override;
  const PEVBaseUnknown* GetConverted() const override;

private:
  ORVConvertor* _pFirst;
  ORVConvertor* _pSecond;
};
