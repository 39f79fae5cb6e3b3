#include "ORVCharData.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVCharData, PEVBaseUnknown)

ORVCharData::ORVCharData(const char* iName, unsigned int iSetOnce)
    : _Name(iName), _SetOnce(iSetOnce), _IsDefined(0) {}

ORVCharData::ORVCharData(const char* iName, const char* iValue, unsigned int iSetOnce)
    : _Name(iName), _SetOnce(iSetOnce), _IsDefined(1), _Value(iValue) {}

const ORVString& ORVCharData::GetName() const {
  return _Name;
}

unsigned int ORVCharData::IsDefined() const {
  return _IsDefined != 0;
}

void ORVCharData::SetValue(const char* iValue) {
  if (_SetOnce && _IsDefined)
    ORV_FATAL("ORVCharData::SetValue(): " << _Name.GetChars() << ": The value is already defined");
  _Value = iValue;
  _IsDefined = 1;
}

const ORVString& ORVCharData::GetValue() const {
  if (!_IsDefined)
    ORV_FATAL("ORVCharData::GetValue(): " << _Name.GetChars() << ": The value must be defined");
  return _Value;
}
