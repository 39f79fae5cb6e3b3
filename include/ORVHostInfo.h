// ORVHostInfo.h - the machine the process runs on: host name, system, release, processor.
//
// Read once from uname when the object is made; when uname fails every text stays
// empty. GetGlobal makes the one shared instance on first use and registers it with the
// global object cleaner, which releases it at the end (process-wide, unlocked state).
#pragma once

#include "ORVMacro.h"
#include "ORVString.h"

class ORVOSType;

class ORV_EXPORT ORVHostInfo : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVHostInfo)

public:
  ORVHostInfo();
  ~ORVHostInfo() override;
  ORVHostInfo(const ORVHostInfo&) = delete;
  ORVHostInfo& operator=(const ORVHostInfo&) = delete;

  // The node name.
  virtual const ORVString& GetHostName() const;
  // The system name ("Linux").
  virtual const ORVString& GetOSName() const;
  // The system's release.
  virtual const ORVString& GetOSVersion() const;
  // The machine ("x86_64").
  virtual const ORVString& GetProcessorType() const;
  // The UNIX family, ORVOSTypes::GetGlobalUnixOSType().
  virtual const ORVOSType* GetOSType() const;

  static ORVHostInfo* GetGlobal();

private:
  ORVString _HostName;
  ORVString _OSName;
  ORVString _OSVersion;
  ORVString _ProcessorType;

  static ORVHostInfo* _pGlobal;
};
