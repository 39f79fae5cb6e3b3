#include "ORVUpperCharData.h"

ORV_META_OBJECT_DEFINE(ORVUpperCharData, ORVCharData)

ORVUpperCharData::ORVUpperCharData(const char* iName, unsigned int iSetOnce)
    : ORVCharData(iName, iSetOnce) {}

ORVUpperCharData::ORVUpperCharData(const char* iName, const char* iValue, unsigned int iSetOnce)
    : ORVCharData(iName, iSetOnce) {
  SetValue(iValue);
}

void ORVUpperCharData::SetValue(const char* iValue) {
  ORVString upper(iValue);
  upper.ToUpper();
  ORVCharData::SetValue(upper.GetChars());
}
