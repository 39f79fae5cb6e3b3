#include "ORVString.h"

#include <climits>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVString, PEVBaseUnknown)
ORV_RFHNDLR_DEFINE(ORVString)

char ORVString::_EmptyString[1] = {'\0'};

namespace {

const int kDefaultDimension = 32;

// The number of characters of iText to take: all up to the NUL for a negative
// iNbChars, at most iNbChars otherwise; none of a null text.
int CountChars(const char* iText, int iNbChars) {
  if (!iText || iNbChars == 0) return 0;
  if (iNbChars > 0) return (int)strnlen(iText, (std::size_t)iNbChars);
  return ORV_CHECKED_SIZE(strlen(iText), "ORVString");
}

// CalcDimension, bound inside the library.
inline int Dimension(int iRequired, int iDefaultDimension, int iCurrent) {
  if (iCurrent > iRequired) return iCurrent;
  long long doubled = 2LL * iCurrent;
  // Each growth step stops at the largest int: only the required size may fail.
  if (doubled > iRequired) return doubled > INT_MAX ? INT_MAX : (int)doubled;
  if (iDefaultDimension < 1) return iRequired;
  if (iRequired <= iDefaultDimension) return iDefaultDimension;  // one step, no division
  long long steps = (iRequired - 1) / iDefaultDimension + 1;
  long long rounded = steps * iDefaultDimension;
  return rounded > INT_MAX ? INT_MAX : (int)rounded;
}

int Smaller(int iFirst, int iSecond) {
  return iFirst < iSecond ? iFirst : iSecond;
}

}  // namespace

ORVString::ORVString() {
  Init(kDefaultDimension);
  ChangeBlockRfHndlr(1, new ORVStringBlock(kDefaultDimension));
}

ORVString::ORVString(int iDefaultDimension, int) {
  Init(iDefaultDimension);
  if (iDefaultDimension >= 1) ChangeBlockRfHndlr(1, new ORVStringBlock(iDefaultDimension));
}

ORVString::ORVString(const char* iText) {
  Init(kDefaultDimension);
  Copy(iText, -1);
}

ORVString::ORVString(const char* iText, int iDefaultDimension) {
  Init(iDefaultDimension);
  Copy(iText, -1);
}

unsigned int ORVString::operator==(const ORVString& iOther) const {
  if (_Length != iOther._Length) return 0;
  if (_pChars == iOther._pChars) return 1;
  return memcmp(_pChars, iOther._pChars, (std::size_t)_Length) == 0;
}

int ORVString::Compare(const char* iText) const {
  if (!iText) return _pChars[0] == '\0' ? 0 : 1;
  return strcmp(_pChars, iText);
}

ORVString ORVString::SubString(int iStartPos, int iNbCharsToExtract) const {
  if (iStartPos < 0 || iNbCharsToExtract < 0)
    ORV_FATAL("ORVString::SubString(): iStartPos < 0 OR iNbCharsToExtract < 0");
  if (iStartPos >= _Length || iNbCharsToExtract > _Length - iStartPos)
    ORV_FATAL(
        "ORVString::SubString(): iStartPos >= _Length OR iStartPos + iNbCharsToExtract > "
        "_Length");
  // What AllocForUpdate gives a string without block, filled as it is made.
  int dimension = Dimension(iNbCharsToExtract, _DefaultDimension, 0);
  return ORVString(_DefaultDimension,
                   new ORVStringBlock(dimension, _pChars + iStartPos, iNbCharsToExtract),
                   iNbCharsToExtract);
}

ORVString& ORVString::Copy(const char* iText, int iNbChars) {
  return InternalCopy(iText, CountChars(iText, iNbChars));
}

ORVString& ORVString::Copy(const ORVString& iOther, int iNbChars) {
  if (iNbChars < 0) ORV_FATAL("ORVString::Copy(const ORVString&, int): iNbChars < 0");
  return InternalCopy(iOther._pChars, Smaller(iNbChars, iOther._Length));
}

ORVString& ORVString::ConcatCounted(const char* iText, int iNbChars) {
  return InternalConcat(iText, CountChars(iText, iNbChars));
}

ORVString& ORVString::Concat(const ORVString& iOther, int iNbChars) {
  if (iNbChars < 0) ORV_FATAL("ORVString::Concat(const ORVString&, int): iNbChars < 0");
  return InternalConcat(iOther._pChars, Smaller(iNbChars, iOther._Length));
}

ORVString& ORVString::operator=(const ORVString& iOther) {
  if (!iOther._pBlock) return InternalCopy(nullptr, 0);
  ChangeBlockRfHndlr(0, iOther._pBlock);
  _Length = iOther._Length;
  return *this;
}

ORVString& ORVString::operator=(const char* iText) {
  return Copy(iText, -1);
}

ORVString& ORVString::operator+=(const ORVString& iOther) {
  return InternalConcat(iOther._pChars, iOther._Length);
}

ORVString& ORVString::operator+=(const char* iText) {
  return Concat(iText, -1);
}

ORVString& ORVString::operator+=(int iNumber) {
  char digits[32];
  return InternalConcat(digits, snprintf(digits, sizeof(digits), "%d", iNumber));
}

ORVString& ORVString::operator+=(long iNumber) {
  char digits[32];
  return InternalConcat(digits, snprintf(digits, sizeof(digits), "%ld", iNumber));
}

ORVString& ORVString::operator+=(unsigned int iNumber) {
  char digits[32];
  return InternalConcat(digits, snprintf(digits, sizeof(digits), "%u", iNumber));
}

ORVString& ORVString::operator+=(unsigned long iNumber) {
  char digits[32];
  return InternalConcat(digits, snprintf(digits, sizeof(digits), "%lu", iNumber));
}

void ORVString::ToUpper() {
  ConvertCase(toupper, "ORVString::ToUpper(): ");
}

void ORVString::ToLower() {
  ConvertCase(tolower, "ORVString::ToLower(): ");
}

void ORVString::Resize(int iNewLength, char iFill, unsigned int iAllowShrink) {
  if (iNewLength < 0) ORV_FATAL("ORVString::Resize(): iNewLength < 0");
  if (iNewLength == _Length) return;
  if (iNewLength < _Length && !iAllowShrink) return;
  int oldLength = _Length;
  AllocForUpdate(iNewLength, 1);
  if (iNewLength > oldLength)
    memset(_pChars + oldLength, iFill, (std::size_t)(iNewLength - oldLength));
  _Length = iNewLength;
  _pChars[iNewLength] = '\0';
}

int ORVString::CalcDimension(int iRequired, int iDefaultDimension, int iCurrent) {
  return Dimension(iRequired, iDefaultDimension, iCurrent);
}

void ORVString::Init(int iDefaultDimension) {
  _pChars = _EmptyString;
  _pBlock = nullptr;
  _Length = 0;
  _DefaultDimension = iDefaultDimension;
}

void ORVString::ChangeBlockRfHndlr(unsigned int iAlreadyReferenced, ORVStringBlock* iBlock) {
  if (iBlock != _pBlock) {
    ORVStringBlock* previous = _pBlock;
    _pBlock = iBlock;
    if (iBlock && !iAlreadyReferenced) iBlock->AddRef();
    if (previous) previous->Release();
  }
  _pChars = _pBlock ? _pBlock->GetBuffer() : _EmptyString;
}

void ORVString::AllocForUpdate(int iRequired, unsigned int iKeepContents) {
  if (iRequired < 0) ORV_FATAL("ORVString::AllocForUpdate(): iRequired < 0");
  if (!_pBlock) {
    ChangeBlockRfHndlr(1, new ORVStringBlock(Dimension(iRequired, _DefaultDimension, 0)));
    return;
  }
  if (_pBlock->GetRefCount() == 1) {
    int dimension = _pBlock->GetDimension();
    if (dimension > iRequired) return;
    _pBlock->ReAlloc(Dimension(iRequired, _DefaultDimension, dimension));
    _pChars = _pBlock->GetBuffer();
    return;
  }
  int dimension = Dimension(iRequired, _DefaultDimension, 0);
  ORVStringBlock* block = iKeepContents
                              ? new ORVStringBlock(dimension, _pChars, Smaller(iRequired, _Length))
                              : new ORVStringBlock(dimension);
  ChangeBlockRfHndlr(1, block);
}

ORVString& ORVString::InternalCopy(const char* iText, int iNbChars) {
  if (iNbChars < 0) ORV_FATAL("ORVString::InternalCopy(): iNbChars < 0");
  // Our own characters stay readable: a shared block lives on in its other holders,
  // and a block we hold alone keeps them at the same offset when it grows.
  long offset = OffsetInBuffer(iText);
  const ORVStringBlock* block = _pBlock;
  AllocForUpdate(iNbChars, 0);
  if (offset >= 0 && _pBlock == block) iText = _pChars + offset;
  if (iText && iNbChars > 0) memmove(_pChars, iText, (std::size_t)iNbChars);
  _Length = iNbChars;
  // NOLINTNEXTLINE(clang-analyzer-core.NullDereference): AllocForUpdate leaves a block
  _pChars[iNbChars] = '\0';
  return *this;
}

ORVString& ORVString::InternalConcat(const char* iText, int iNbChars) {
  if (iNbChars < 0) ORV_FATAL("ORVString::InternalConcat(): iNbChars < 0");
  if (!iText || iNbChars == 0) return *this;
  int length = _Length;
  // An unshared block with room takes the characters where they are.
  if (_pBlock && _pBlock->GetRefCount() == 1 && iNbChars < _pBlock->GetDimension() - length) {
    if (iNbChars == 1)
      _pChars[length] = *iText;
    else
      memcpy(_pChars + length, iText, (std::size_t)iNbChars);
    _Length = length + iNbChars;
    _pChars[_Length] = '\0';
    return *this;
  }
  int required = ORV_CHECKED_SIZE((long long)length + iNbChars, "ORVString");
  long offset = OffsetInBuffer(iText);
  const ORVStringBlock* block = _pBlock;
  AllocForUpdate(required, 1);
  if (offset >= 0 && _pBlock == block) iText = _pChars + offset;
  memcpy(_pChars + length, iText, (std::size_t)iNbChars);
  _Length = required;
  _pChars[required] = '\0';
  return *this;
}

void ORVString::ConvertCase(int (*iConvert)(int), const char* iOperation) {
  AllocForUpdate(_Length, 1);
  for (int i = 0; i < _Length && _pChars[i] != '\0'; ++i) {
    int converted = iConvert((unsigned char)_pChars[i]);
    if (converted == '\0')
      ORV_FATAL(iOperation << "the character " << (int)(unsigned char)_pChars[i]
                           << " is converted to " << converted);
    _pChars[i] = (char)converted;
  }
}

long ORVString::OffsetInBuffer(const char* iText) const {
  if (!_pBlock || !iText) return -1;
  auto text = (std::uintptr_t)iText;
  auto buffer = (std::uintptr_t)_pChars;
  if (text < buffer || text > buffer + (std::uintptr_t)_pBlock->GetDimension()) return -1;
  return (long)(text - buffer);
}
