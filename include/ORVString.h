// ORVString.h - the library's 8-bit counted string, with copy-on-write shared storage.
//
// A string keeps its length and its characters NUL-terminated; the value may hold NUL
// characters when built from counted text. Copies and assignments share one
// ORVStringBlock; the first change of a shared block copies it. Storage grows by
// doubling once a block exists, and from scratch in multiples of the string's default
// dimension. Negative positions, counts and lengths, and sizes beyond int, are fatal
// internal errors. Not thread-safe: strings that share a block belong to one thread.
#pragma once

#include "ORVMacro.h"
#include "ORVStringBlock.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORV_EXPORT ORVString : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVString)

public:
  // Default dimension 32, with a block of 32 holding the empty value.
  ORVString();
  // iDefaultDimension is the growth step; a block of that dimension is made when it is
  // at least 1, otherwise the string has no block until its first update. The second
  // argument has no effect.
  ORVString(int iDefaultDimension, int iUnused);
  // The text up to its NUL (empty for null), default dimension 32.
  ORVString(const char* iText);
  ORVString(const char* iText, int iDefaultDimension);
  // Shares iOther's block and takes its default dimension. Inline: a copy costs one
  // reference.
  ORVString(const ORVString& iOther)
      : PEVBaseUnknown(),
        _pChars(iOther._pChars),
        _pBlock(iOther._pBlock),
        _Length(iOther._Length),
        _DefaultDimension(iOther._DefaultDimension) {
    if (_pBlock)
      _pBlock->AddRef();
    else
      InternalCopy(nullptr, 0);  // the empty value of a string without block
  }
  ~ORVString() override {
    if (_pBlock) _pBlock->Release();
    _pBlock = nullptr;
    _pChars = nullptr;
  }

  // Read access for other classes: never null, NUL at GetLength().
  const char* GetChars() const { return _pChars; }
  int GetLength() const { return _Length; }

  int GetDefaultDimension() const { return _DefaultDimension; }
  // The storage block, or null while the string has none.
  ORVStringBlock* GetpBlockRfHndlr() const { return _pBlock; }

  // Equal lengths and equal bytes, embedded NULs included.
  unsigned int operator==(const ORVString& iOther) const;
  unsigned int operator!=(const ORVString& iOther) const { return !(*this == iOther); }
  // strcmp against iText (up to the first NUL of either); against null, 0 when this
  // string is empty at its first character and 1 otherwise.
  int Compare(const char* iText) const;
  // The iNbCharsToExtract characters from iStartPos. Requires iStartPos < length and
  // iStartPos + iNbCharsToExtract <= length: SubString of an empty string is fatal.
  ORVString SubString(int iStartPos, int iNbCharsToExtract) const;

  // Counting of a text: iNbChars < 0 takes it up to its NUL, 0 takes none, > 0 takes at
  // most iNbChars and stops earlier at a NUL; a null text is empty.
  ORVString& Copy(const char* iText, int iNbChars);
  // The first min(iNbChars, iOther's length) characters of iOther; iNbChars >= 0.
  ORVString& Copy(const ORVString& iOther, int iNbChars);
  // Appends, counting like Copy. One character into a block this string holds alone
  // with room left is a single store and the NUL, inline.
  ORVString& Concat(const char* iText, int iNbChars) {
    if (iNbChars == 1 && iText && *iText && _pBlock && _pBlock->GetRefCount() == 1 &&
        _Length < _pBlock->GetDimension() - 1) {
      _pChars[_Length] = *iText;
      _pChars[++_Length] = '\0';
      return *this;
    }
    return ConcatCounted(iText, iNbChars);
  }
  ORVString& Concat(const ORVString& iOther, int iNbChars);

  ORVString& operator=(const ORVString& iOther);
  ORVString& operator=(const char* iText);
  // The other's whole value, NULs included.
  ORVString& operator+=(const ORVString& iOther);
  // The text up to its NUL; nothing for null.
  ORVString& operator+=(const char* iText);
  // The decimal form of the number. A char argument is a number too: 'a' appends 97.
  ORVString& operator+=(int iNumber);
  ORVString& operator+=(long iNumber);
  ORVString& operator+=(unsigned int iNumber);
  ORVString& operator+=(unsigned long iNumber);

  // In place with the current locale, up to the first NUL. A character converted to
  // NUL is a fatal internal error.
  void ToUpper();
  void ToLower();
  // Sets the length: a longer value is padded with iFill; a shorter one is cut only
  // when iAllowShrink is not 0. iNewLength >= 0.
  void Resize(int iNewLength, char iFill, unsigned int iAllowShrink);

  // The dimension of the block for iRequired characters: the current one while it is
  // larger, its double while that is larger, otherwise iRequired rounded up to a
  // multiple of iDefaultDimension (exactly iRequired below 1, the default for none).
  static int CalcDimension(int iRequired, int iDefaultDimension, int iCurrent);

protected:
  // No block, the empty value, the given default dimension. Does not release a block.
  void Init(int iDefaultDimension);
  // Makes iBlock the string's block, releasing the current one; with
  // iAlreadyReferenced 0 the string takes a reference of its own to iBlock.
  void ChangeBlockRfHndlr(unsigned int iAlreadyReferenced, ORVStringBlock* iBlock);
  // Makes the string hold, alone, a block with room for iRequired characters.
  // With iKeepContents a new block receives the first min(iRequired, length)
  // characters; without it, its contents are undefined until the caller writes them.
  void AllocForUpdate(int iRequired, unsigned int iKeepContents);
  // The counted copy and append every public form reduces to; iText may point into
  // this string's own characters.
  ORVString& InternalCopy(const char* iText, int iNbChars);
  ORVString& InternalConcat(const char* iText, int iNbChars);

private:
  // Holds iBlock, whose reference it takes over, and its first iLength characters.
  ORVString(int iDefaultDimension, ORVStringBlock* iBlock, int iLength)
      : _pChars(iBlock->GetBuffer()),
        _pBlock(iBlock),
        _Length(iLength),
        _DefaultDimension(iDefaultDimension) {}
  // Concat(const char*, int) but for its inline fast path.
  ORVString& ConcatCounted(const char* iText, int iNbChars);
  void ConvertCase(int (*iConvert)(int), const char* iOperation);
  // Offset of iText in this string's buffer, or -1 when it points elsewhere.
  long OffsetInBuffer(const char* iText) const;

  char* _pChars;
  ORVStringBlock* _pBlock;
  int _Length;
  int _DefaultDimension;

  // The characters of every string without block.
  static char _EmptyString[1];
};

ORV_RFHNDLR(ORVString, PEVBaseUnknownRfHndlr);
