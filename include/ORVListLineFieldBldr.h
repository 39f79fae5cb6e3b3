// ORVListLineFieldBldr.h - one column of a line of a columnar listing: a value, its
// alignment and the column's width.
//
// Widths and positions count characters (code points), not bytes nor UTF-16 units. A
// value longer than its column is not cut. The default builder is left-aligned with
// width 0: give it both before use.
#pragma once

#include "ORVMacro.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVListLineFieldBldr : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVListLineFieldBldr)

public:
  // 0 left, 1 right, any other value centred (an int underneath: every value is valid).
  enum ORVAlignmentEnum : int { ORVLeft = 0, ORVRight = 1, ORVCentred = 2 };

  ORVListLineFieldBldr() = default;
  ORVListLineFieldBldr(ORVAlignmentEnum iAlignment, int iLength);

  virtual void SetValue(const PEVUnicodeString& iValue);
  virtual ORVAlignmentEnum GetAlignmentMode() const;
  virtual int GetLength() const;
  // Pads ioLine with blanks so that the value, appended, sits in its column starting at
  // character iColumn; padding never shortens the line.
  virtual void Concat(PEVUnicodeString& ioLine, int iColumn) const;

  // The number of characters of iText: UTF-16 units less the second halves of pairs.
  static int CharacterCount(const PEVUnicodeString& iText);

private:
  PEVUnicodeString _Value;
  ORVAlignmentEnum _Alignment = ORVLeft;
  int _Length = 0;
};
