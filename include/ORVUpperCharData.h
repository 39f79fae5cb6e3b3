// ORVUpperCharData.h - a named text value stored in upper case.
//
// The value is converted with the current locale's toupper before it is stored; the
// rules of ORVCharData apply otherwise.
#pragma once

#include "ORVCharData.h"

class ORV_EXPORT ORVUpperCharData : public ORVCharData {
  ORV_META_OBJECT(ORVUpperCharData)

public:
  // Undefined.
  ORVUpperCharData(const char* iName, unsigned int iSetOnce);
  // Defined with iValue in upper case.
  ORVUpperCharData(const char* iName, const char* iValue, unsigned int iSetOnce);

  void SetValue(const char* iValue) override;
};
