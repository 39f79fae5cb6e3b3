#include "ORVHostInfo.h"

#include <sys/utsname.h>

#include "ORVGlobal.h"
#include "ORVOSTypes.h"

ORV_META_OBJECT_DEFINE(ORVHostInfo, PEVBaseUnknown)

ORVHostInfo* ORVHostInfo::_pGlobal = nullptr;

ORVHostInfo::ORVHostInfo() {
  struct utsname system {};
  if (uname(&system) != 0) return;  // nothing trustworthy in the structure
  _HostName = system.nodename;
  _OSName = system.sysname;
  _OSVersion = system.release;
  _ProcessorType = system.machine;
}

ORVHostInfo::~ORVHostInfo() {
  ORVForgetGlobal(_pGlobal, this);
}

const ORVString& ORVHostInfo::GetHostName() const {
  return _HostName;
}

const ORVString& ORVHostInfo::GetOSName() const {
  return _OSName;
}

const ORVString& ORVHostInfo::GetOSVersion() const {
  return _OSVersion;
}

const ORVString& ORVHostInfo::GetProcessorType() const {
  return _ProcessorType;
}

const ORVOSType* ORVHostInfo::GetOSType() const {
  return ORVOSTypes::GetGlobalUnixOSType();
}

ORVHostInfo* ORVHostInfo::GetGlobal() {
  return ORVMakeGlobal<ORVHostInfo>(_pGlobal);
}
