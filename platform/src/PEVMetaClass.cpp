#include "PEVMetaClass.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

// Meta-classes live until the process ends: the registry is reached through a
// pointer that is never freed, so no static destructor can pull it away from
// code that still asks for a class at exit.
std::unordered_map<std::string, PEVMetaClass*>& Registry() {
  static auto* registry = new std::unordered_map<std::string, PEVMetaClass*>();
  return *registry;
}

const char* CopyText(const char* iText) {
  if (!iText) return nullptr;
  return strdup(iText);
}

uint64_t Fnv1a64(const char* iText, uint64_t iBasis) {
  uint64_t hash = iBasis;
  for (const unsigned char* p = (const unsigned char*)iText; *p; ++p) {
    hash ^= *p;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// A stable identifier from the class name: two independent 64-bit hashes.
CLSID MakeClassId(const char* iClassName) {
  uint64_t high = Fnv1a64(iClassName, 0xcbf29ce484222325ull);
  uint64_t low = Fnv1a64(iClassName, 0x84222325cbf29ce4ull);
  CLSID id;
  id.Data1 = (uint32_t)(high >> 32);
  id.Data2 = (uint16_t)(high >> 16);
  id.Data3 = (uint16_t)((high & 0x0fffu) | 0x5000u);  // name-based, version 5 style
  for (int i = 0; i < 8; ++i)
    id.Data4[i] = (uint8_t)(low >> (56 - 8 * i));
  id.Data4[0] = (uint8_t)((id.Data4[0] & 0x3fu) | 0x80u);
  return id;
}

}  // namespace

unsigned int PEVMetaClass::IsAKindOf(const char* iClassName) const {
  if (!iClassName) return 0;
  for (const PEVMetaClass* meta = this; meta; meta = meta->_pParent)
    if (strcmp(meta->_ClassName, iClassName) == 0) return 1;
  return 0;
}

unsigned int PEVMetaClass::IsAKindOf(const PEVMetaClass* iMetaClass) const {
  if (!iMetaClass) return 0;
  for (const PEVMetaClass* meta = this; meta; meta = meta->_pParent)
    if (meta == iMetaClass) return 1;
  return 0;
}

PEVMetaClass* fct_RetrieveMetaObject(const char* iClassName, ENUMTypeOfClass iTypeOfClass,
                                     PEVMetaClass* iParent, const char* iExtensionName,
                                     const char* iFrameworkName, std::size_t iInstanceSize) {
  if (!iClassName) return nullptr;
  auto& registry = Registry();
  auto found = registry.find(iClassName);
  if (found != registry.end()) return found->second;
  auto* meta = new PEVMetaClass();
  meta->_ClassId = MakeClassId(iClassName);
  meta->_ClassName = CopyText(iClassName);
  meta->_TypeOfClass = iTypeOfClass;
  meta->_pParent = iParent;
  meta->_ExtensionName = CopyText(iExtensionName);
  meta->_FrameworkName = CopyText(iFrameworkName);
  meta->_InstanceSize = iInstanceSize;
  registry.emplace(iClassName, meta);
  return meta;
}

PEVMetaClass* fct_FindMetaObject(const CLSID& iClassId) {
  for (const auto& entry : Registry())
    if (entry.second->GetClassId() == iClassId) return entry.second;
  return nullptr;
}
