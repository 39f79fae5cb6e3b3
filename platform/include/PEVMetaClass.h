// PEVMetaClass.h - the class record of the platform's object model.
//
// One meta-class exists per class name for the life of the process: it is created
// on the first fct_RetrieveMetaObject of that name and never freed. The class
// identifier and the class name are its first two fields. The registry is
// process-wide and unlocked: the object model is used from one thread.
#pragma once

#include <cstddef>

#include "PEVTypes.h"

enum ENUMTypeOfClass {
  PEVTypeOfClassUnknown = 0,
  PEVTypeOfClassImplementation = 1,  // a concrete class of a framework
};

class PEVBaseUnknown;

class PEV_EXPORT PEVMetaClass {
public:
  const CLSID& GetClassId() const { return _ClassId; }
  const char* GetClassName() const { return _ClassName; }
  ENUMTypeOfClass GetTypeOfClass() const { return _TypeOfClass; }
  PEVMetaClass* GetParent() const { return _pParent; }
  const char* GetExtensionName() const { return _ExtensionName; }
  const char* GetFrameworkName() const { return _FrameworkName; }
  std::size_t GetInstanceSize() const { return _InstanceSize; }

  // True when this class is the named one or derives from it.
  unsigned int IsAKindOf(const char* iClassName) const;
  unsigned int IsAKindOf(const PEVMetaClass* iMetaClass) const;

private:
  friend PEV_EXPORT PEVMetaClass* fct_RetrieveMetaObject(const char*, ENUMTypeOfClass,
                                                         PEVMetaClass*, const char*, const char*,
                                                         std::size_t);
  PEVMetaClass() = default;

  CLSID _ClassId = {};               // derived from the class name: stable across runs
  const char* _ClassName = nullptr;  // owned copy
  ENUMTypeOfClass _TypeOfClass = PEVTypeOfClassUnknown;
  PEVMetaClass* _pParent = nullptr;
  const char* _ExtensionName = nullptr;
  const char* _FrameworkName = nullptr;
  std::size_t _InstanceSize = 0;
};

// The meta-class of iClassName, created on the first call with the other arguments;
// later calls return the same record whatever they pass. A null name gives null.
PEV_EXPORT PEVMetaClass* fct_RetrieveMetaObject(const char* iClassName,
                                                ENUMTypeOfClass iTypeOfClass, PEVMetaClass* iParent,
                                                const char* iExtensionName,
                                                const char* iFrameworkName,
                                                std::size_t iInstanceSize);

// The meta-class registered under iClassId, or null.
PEV_EXPORT PEVMetaClass* fct_FindMetaObject(const CLSID& iClassId);
