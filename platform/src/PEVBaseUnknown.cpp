#include "PEVBaseUnknown.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

PEVMetaClass* PEVBaseUnknown::_pMetaObject = nullptr;

void* PEVBaseUnknown::operator new(std::size_t iSize) {
  void* memory = malloc(iSize ? iSize : 1);
  if (memory) return memory;
  // The object model cannot go on without memory, and nothing above it may run.
  static const char kMessage[] = "PEVBaseUnknown::operator new: out of memory\n";
  ssize_t written = write(2, kMessage, sizeof(kMessage) - 1);
  (void)written;
  abort();
}

void PEVBaseUnknown::operator delete(void* iPointer) {
  free(iPointer);
}

long PEVBaseUnknown::QueryInterface(const IID& iInterfaceId, void** oInterface) {
  if (!oInterface) return PEV_E_POINTER;
  *oInterface = nullptr;
  bool known = iInterfaceId == IID_IUnknown;
  for (PEVMetaClass* meta = GetMetaObject(); meta && !known; meta = meta->GetParent())
    known = meta->GetClassId() == iInterfaceId;
  if (!known) return PEV_E_NOINTERFACE;
  AddRef();
  *oInterface = this;
  return PEV_S_OK;
}

long PEVBaseUnknown::GetTypeInfoCount(unsigned int* oCount) {
  if (!oCount) return PEV_E_POINTER;
  *oCount = 0;  // no object of this model carries type information
  return PEV_S_OK;
}

long PEVBaseUnknown::GetTypeInfo(unsigned int, unsigned long, void** oTypeInfo) {
  if (oTypeInfo) *oTypeInfo = nullptr;
  return PEV_E_NOTIMPL;
}

long PEVBaseUnknown::GetIDsOfNames(const IID&, char16_t**, unsigned int, unsigned long, long*) {
  return PEV_E_NOTIMPL;
}

long PEVBaseUnknown::Invoke(long, const IID&, unsigned long, unsigned short, void*, void*, void*,
                            unsigned int*) {
  return PEV_E_NOTIMPL;
}

PEVMetaClass* PEVBaseUnknown::GetMetaObject() const {
  return _pMetaObject ? _pMetaObject : MetaObject();
}

const char* PEVBaseUnknown::IsA() const {
  return GetMetaObject()->GetClassName();
}

unsigned int PEVBaseUnknown::IsAKindOf(const char* iClassName) const {
  return GetMetaObject()->IsAKindOf(iClassName);
}

PEVBaseUnknown* PEVBaseUnknown::GetImpl() const {
  return const_cast<PEVBaseUnknown*>(this);
}

long PEVBaseUnknown::SetImpl(PEVBaseUnknown*) {
  return PEV_E_NOTIMPL;
}

unsigned int PEVBaseUnknown::IsNull() const {
  return 0;
}

unsigned int PEVBaseUnknown::IsEqual(const PEVBaseUnknown* iOther) const {
  return iOther == this ? 1 : 0;
}

long PEVBaseUnknown::QueryInterface(const char* iInterfaceName, void** oInterface) {
  if (!oInterface) return PEV_E_POINTER;
  *oInterface = nullptr;
  if (!iInterfaceName || !IsAKindOf(iInterfaceName)) return PEV_E_NOINTERFACE;
  AddRef();
  *oInterface = this;
  return PEV_S_OK;
}

long PEVBaseUnknown::ChangeComponentState(int) {
  return PEV_E_NOTIMPL;
}

PEVMetaClass* PEVBaseUnknown::MetaObject() {
  if (!_pMetaObject)
    _pMetaObject = fct_RetrieveMetaObject("PEVBaseUnknown", PEVTypeOfClassImplementation, nullptr,
                                          "PEVNull", "TovakBase", sizeof(PEVBaseUnknown));
  return _pMetaObject;
}

const CLSID& PEVBaseUnknown::ClassId() {
  return MetaObject()->GetClassId();
}

const char* PEVBaseUnknown::ClassName() {
  return MetaObject()->GetClassName();
}
