#include "PEVClassFactory.h"

#include <cstring>
#include <string>
#include <vector>

#include "PEVBaseUnknown.h"

namespace {

struct CreatableClass {
  std::string _Name;
  CLSID _Id;
  PEVFactoryFunction _Factory;
};

std::vector<CreatableClass>& Registry() {
  static auto* registry = new std::vector<CreatableClass>();
  return *registry;
}

const CreatableClass* FindByName(const char* iClassName) {
  if (!iClassName) return nullptr;
  for (const CreatableClass& entry : Registry())
    if (entry._Name == iClassName) return &entry;
  return nullptr;
}

const CreatableClass* FindById(const CLSID& iClassId) {
  for (const CreatableClass& entry : Registry())
    if (entry._Id == iClassId) return &entry;
  return nullptr;
}

long Create(const CreatableClass* iClass, IUnknown* iOuter, const IID& iInterfaceId,
            void** oResult) {
  if (!oResult) return PEV_E_POINTER;
  *oResult = nullptr;
  if (iOuter) return PEV_CLASS_E_NOAGGREGATION;
  if (!iClass) return PEV_REGDB_E_CLASSNOTREG;
  PEVBaseUnknown* instance = iClass->_Factory();
  if (!instance) return PEV_E_FAIL;
  long code = instance->QueryInterface(iInterfaceId, oResult);
  instance->Release();  // the query holds the caller's reference
  return code;
}

}  // namespace

long PEVRegisterCreatableClass(const char* iClassName, const CLSID& iClassId,
                               PEVFactoryFunction iFactory) {
  if (!iClassName || !iFactory) return PEV_E_INVALIDARG;
  std::vector<CreatableClass>& registry = Registry();
  for (CreatableClass& entry : registry) {
    if (entry._Name == iClassName || entry._Id == iClassId) {
      entry = {iClassName, iClassId, iFactory};
      return PEV_S_OK;
    }
  }
  registry.push_back({iClassName, iClassId, iFactory});
  return PEV_S_OK;
}

long PEVUnregisterCreatableClass(const char* iClassName) {
  std::vector<CreatableClass>& registry = Registry();
  for (auto entry = registry.begin(); entry != registry.end(); ++entry) {
    if (iClassName && entry->_Name == iClassName) {
      registry.erase(entry);
      return PEV_S_OK;
    }
  }
  return PEV_REGDB_E_CLASSNOTREG;
}

long PEVCreateClassInstance(const CLSID& iClassId, IUnknown* iOuter, unsigned long,
                            const IID& iInterfaceId, void** oResult) {
  return Create(FindById(iClassId), iOuter, iInterfaceId, oResult);
}

long PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter, unsigned long,
                            const IID& iInterfaceId, void** oResult) {
  return Create(FindByName(iClassName), iOuter, iInterfaceId, oResult);
}
