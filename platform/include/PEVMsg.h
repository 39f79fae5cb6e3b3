// PEVMsg.h - one message of a catalog, ready to receive its positional parameters.
//
// A message is a sequence of literal texts and parameter references %1, %2, ...
// An empty message stands for a key that a catalog does not hold.
#pragma once

#include <vector>

#include "PEVExport.h"
#include "PEVUnicodeString.h"

class PEV_EXPORT PEVMsg {
public:
  PEVMsg() = default;
  // Parses a catalog text: \n, \t and \\ escapes, %n parameters (1-based), %% a percent sign.
  static PEVMsg Parse(const char* iText);

  bool IsEmpty() const { return !_Defined; }
  // The highest parameter index the text uses, 0 when it uses none.
  int GetMaxParamIndex() const { return _MaxParamIndex; }
  // The text with %n replaced by iParameters[n - 1]; a parameter beyond iCount is empty.
  PEVUnicodeString BuildMessage(const PEVUnicodeString* iParameters, int iCount) const;

private:
  struct Piece {
    PEVUnicodeString _Literal;
    int _ParamIndex;  // 0 for a literal piece
  };
  std::vector<Piece> _Pieces;
  int _MaxParamIndex = 0;
  bool _Defined = false;
};
