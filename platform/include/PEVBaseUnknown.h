// PEVBaseUnknown.h - root object of every library class.
//
// A new object holds one reference; AddRef adds one and Release removes one,
// destroying the object when none is left. Objects are allocated by the class-level
// operator new of this class. QueryInterface answers IID_IUnknown and the class
// identifier of the object's class or of any of its bases. Not thread-safe.
#pragma once

#include <cstddef>

#include "PEVMetaClass.h"
#include "PEVTypes.h"

class PEV_EXPORT PEVBaseUnknown : public IDispatch {
public:
  PEVBaseUnknown() = default;
  // A copy is a new object: it starts with its own single reference.
  PEVBaseUnknown(const PEVBaseUnknown&) {}
  PEVBaseUnknown& operator=(const PEVBaseUnknown&) { return *this; }

  static void* operator new(std::size_t iSize);
  static void operator delete(void* iPointer);

  long QueryInterface(const IID& iInterfaceId, void** oInterface) override;
  // Inline, so that sharing an object (a string's storage, a handler's copy) costs one
  // increment and no call.
  unsigned long AddRef() override { return ++_RefCount; }
  unsigned long Release() override {
    unsigned long remaining = --_RefCount;
    if (remaining == 0) delete this;
    return remaining;
  }
  long GetTypeInfoCount(unsigned int* oCount) override;
  long GetTypeInfo(unsigned int iIndex, unsigned long iLocale, void** oTypeInfo) override;
  long GetIDsOfNames(const IID& iReserved, char16_t** iNames, unsigned int iCount,
                     unsigned long iLocale, long* oDispIds) override;
  long Invoke(long iDispId, const IID& iReserved, unsigned long iLocale, unsigned short iFlags,
              void* ioParams, void* oResult, void* oException,
              unsigned int* oArgumentError) override;
  virtual ~PEVBaseUnknown() {}
  virtual PEVMetaClass* GetMetaObject() const;
  virtual const char* IsA() const;
  virtual unsigned int IsAKindOf(const char* iClassName) const;
  // The implementation object behind this one: itself, as no object delegates.
  virtual PEVBaseUnknown* GetImpl() const;
  virtual long SetImpl(PEVBaseUnknown* iImpl);
  virtual unsigned int IsNull() const;
  virtual unsigned int IsEqual(const PEVBaseUnknown* iOther) const;
  virtual long QueryInterface(const char* iInterfaceName, void** oInterface);
  virtual long ChangeComponentState(int iState);

  static PEVMetaClass* MetaObject();
  static const CLSID& ClassId();
  static const char* ClassName();

  // Number of references held, for diagnostics and tests.
  unsigned long GetRefCount() const { return _RefCount; }

private:
  static PEVMetaClass* _pMetaObject;
  unsigned long _RefCount = 1;
};
