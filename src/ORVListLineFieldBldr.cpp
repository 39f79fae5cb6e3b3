#include "ORVListLineFieldBldr.h"

ORV_META_OBJECT_DEFINE(ORVListLineFieldBldr, PEVBaseUnknown)

namespace {

void PadTo(PEVUnicodeString& ioLine, int iCharacters) {
  for (int count = ORVListLineFieldBldr::CharacterCount(ioLine); count < iCharacters; ++count)
    ioLine += u' ';
}

}  // namespace

ORVListLineFieldBldr::ORVListLineFieldBldr(ORVAlignmentEnum iAlignment, int iLength)
    : _Alignment(iAlignment), _Length(iLength) {}

void ORVListLineFieldBldr::SetValue(const PEVUnicodeString& iValue) {
  _Value = iValue;
}

ORVListLineFieldBldr::ORVAlignmentEnum ORVListLineFieldBldr::GetAlignmentMode() const {
  return _Alignment;
}

int ORVListLineFieldBldr::GetLength() const {
  return _Length;
}

void ORVListLineFieldBldr::Concat(PEVUnicodeString& ioLine, int iColumn) const {
  int value = CharacterCount(_Value);
  int target = iColumn;
  if (_Alignment == ORVRight)
    target = iColumn + _Length - value;
  else if (_Alignment != ORVLeft)
    target = iColumn + (_Length - value) / 2;
  if (target > 0) PadTo(ioLine, target);
  ioLine += _Value;
}

int ORVListLineFieldBldr::CharacterCount(const PEVUnicodeString& iText) {
  int count = 0;
  for (int i = 0; i < iText.GetLengthInChar(); ++i)
    if (iText[i] < 0xDC00 || iText[i] > 0xDFFF) ++count;
  return count;
}
