// PEVTypes.h - identifiers, result codes and the component interfaces of the platform.
//
// Result codes are `long` values holding a 32-bit code sign-extended: a failure is
// negative as a 32-bit number. Codes enter the platform through PEVNormalizeResultCode
// so that a code written as an unsigned 32-bit literal compares equal to its
// sign-extended form.
#pragma once

#include <cstdint>

#include "PEVExport.h"

struct _GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
typedef _GUID IID;
typedef _GUID CLSID;

inline bool operator==(const _GUID& iLeft, const _GUID& iRight) {
  if (iLeft.Data1 != iRight.Data1 || iLeft.Data2 != iRight.Data2 || iLeft.Data3 != iRight.Data3)
    return false;
  for (int i = 0; i < 8; ++i)
    if (iLeft.Data4[i] != iRight.Data4[i]) return false;
  return true;
}
inline bool operator!=(const _GUID& iLeft, const _GUID& iRight) {
  return !(iLeft == iRight);
}

// The 32-bit code as the sign-extended `long` every result code is compared as.
constexpr long PEVNormalizeResultCode(long iCode) {
  return (long)(int32_t)(uint32_t)iCode;
}
// True for a failure code: negative as a 32-bit number.
constexpr bool PEVFailed(long iCode) {
  return (int32_t)(uint32_t)iCode < 0;
}

constexpr long PEV_S_OK = 0;
constexpr long PEV_E_FAIL = (long)(int32_t)0x80004005u;  // the general failure code
constexpr long PEV_E_NOTIMPL = (long)(int32_t)0x80004001u;
constexpr long PEV_E_NOINTERFACE = (long)(int32_t)0x80004002u;
constexpr long PEV_E_POINTER = (long)(int32_t)0x80004003u;
constexpr long PEV_E_INVALIDARG = (long)(int32_t)0x80070057u;
constexpr long PEV_CLASS_E_NOAGGREGATION = (long)(int32_t)0x80040110u;
constexpr long PEV_REGDB_E_CLASSNOTREG = (long)(int32_t)0x80040154u;

// The identifier every component answers to.
constexpr IID IID_IUnknown = {0x00000000u, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The component interfaces, in the slot order every platform object keeps.
class IUnknown {
public:
  virtual long QueryInterface(const IID& iInterfaceId, void** oInterface) = 0;
  virtual unsigned long AddRef() = 0;
  virtual unsigned long Release() = 0;

protected:
  ~IUnknown() = default;
};

class IDispatch : public IUnknown {
public:
  virtual long GetTypeInfoCount(unsigned int* oCount) = 0;
  virtual long GetTypeInfo(unsigned int iIndex, unsigned long iLocale, void** oTypeInfo) = 0;
  virtual long GetIDsOfNames(const IID& iReserved, char16_t** iNames, unsigned int iCount,
                             unsigned long iLocale, long* oDispIds) = 0;
  virtual long Invoke(long iDispId, const IID& iReserved, unsigned long iLocale,
                      unsigned short iFlags, void* ioParams, void* oResult, void* oException,
                      unsigned int* oArgumentError) = 0;

protected:
  ~IDispatch() = default;
};
