// ORVStringExtCharsCaseConversion.h - the conversion of the two case convertors.
#pragma once

#include "ORVExtAnyString.h"

// Copies iObject, an ORVString or an ORVExtChars (any other class is the conversion
// check's fatal error), into ioConverted and converts it in place with iConvert
// (ORVString::ToLower or ToUpper). iObject is not null.
inline void ORVConvertStringExtCharsCase(const PEVBaseUnknown* iObject,
                                         ORVExtAnyString& ioConverted,
                                         void (ORVString::*iConvert)()) {
  if (iObject->GetMetaObject()->IsAKindOf(ORVString::MetaObject()))
    ioConverted.SetString(*static_cast<const ORVString*>(iObject));
  else
    ioConverted.SetExtChars(*ORVCheckedCast<ORVExtChars>(iObject));
  (ioConverted.String().*iConvert)();
}
