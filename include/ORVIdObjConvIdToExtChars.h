// ORVIdObjConvIdToExtChars.h - presents an identified object as an ORVExtChars of its
// identifier, for the volatile iterators.
//
// The converted value points at the identifier's characters without copying them: the
// object must stay alive and unchanged while it is used. Without object the value is
// DbNull. An object that is not an ORVIdentifiedObject is a fatal internal error.
#pragma once

#include "ORVConvertor.h"
#include "ORVExtAnyChars.h"

class ORVIdentifiedObject;

class ORV_EXPORT ORVIdObjConvIdToExtChars : public ORVConvertor {
  ORV_META_OBJECT(ORVIdObjConvIdToExtChars)

public:
  ORVIdObjConvIdToExtChars();
  explicit ORVIdObjConvIdToExtChars(const ORVIdentifiedObject* iObject);

  void Set(const PEVBaseUnknown* iObject) override;
  // Always the holder.
  const PEVBaseUnknown* GetConverted() const override;

private:
  const ORVIdentifiedObject* _pObject = nullptr;
  ORVExtAnyChars _Converted;
};
