// PEVClassFactory.h - creation of component instances by class identifier or name.
//
// Classes become creatable by registering a factory; the registry is process-wide
// and unlocked. Creation fails without recording a last error: the caller decides
// how to report it.
#pragma once

#include "PEVTypes.h"

class PEVBaseUnknown;

typedef PEVBaseUnknown* (*PEVFactoryFunction)();

// Makes a class creatable; a later registration of the same name or identifier
// replaces the factory. Returns 0, or PEV_E_INVALIDARG for a null name or factory.
PEV_EXPORT long PEVRegisterCreatableClass(const char* iClassName, const CLSID& iClassId,
                                          PEVFactoryFunction iFactory);
// Removes a class from the registry; PEV_REGDB_E_CLASSNOTREG when it is not there.
PEV_EXPORT long PEVUnregisterCreatableClass(const char* iClassName);

// Creates an instance and asks it for iInterfaceId. Failures: PEV_E_POINTER (null
// result), PEV_CLASS_E_NOAGGREGATION (an outer object), PEV_REGDB_E_CLASSNOTREG,
// PEV_E_FAIL (the factory made nothing), or the code of the interface query.
PEV_EXPORT long PEVCreateClassInstance(const CLSID& iClassId, IUnknown* iOuter,
                                       unsigned long iContext, const IID& iInterfaceId,
                                       void** oResult);
PEV_EXPORT long PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                       unsigned long iContext, const IID& iInterfaceId,
                                       void** oResult);
