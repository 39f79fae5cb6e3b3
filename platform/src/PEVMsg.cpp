#include "PEVMsg.h"

#include <cctype>
#include <string>

namespace {

// Up to two digits after '%' name a parameter, so "%10" is the tenth and "%1 0" the first.
int ReadParamIndex(const char* iText, int& oLength) {
  oLength = 0;
  int index = 0;
  while (oLength < 2 && isdigit((unsigned char)iText[oLength])) {
    index = index * 10 + (iText[oLength] - '0');
    ++oLength;
  }
  return index;
}

}  // namespace

PEVMsg PEVMsg::Parse(const char* iText) {
  PEVMsg message;
  message._Defined = true;
  std::string literal;
  auto flushLiteral = [&]() {
    if (literal.empty()) return;
    message._Pieces.push_back({PEVUnicodeString(literal.c_str(), (int)literal.size()), 0});
    literal.clear();
  };
  for (const char* p = iText ? iText : ""; *p; ++p) {
    if (*p == '\\' && (p[1] == 'n' || p[1] == 't' || p[1] == '\\')) {
      literal.push_back(p[1] == 'n' ? '\n' : p[1] == 't' ? '\t' : '\\');
      ++p;
      continue;
    }
    if (*p != '%') {
      literal.push_back(*p);
      continue;
    }
    if (p[1] == '%') {
      literal.push_back('%');
      ++p;
      continue;
    }
    int length;
    int index = ReadParamIndex(p + 1, length);
    if (index == 0) {  // not a parameter: the percent sign stands as written
      literal.push_back('%');
      continue;
    }
    flushLiteral();
    message._Pieces.push_back({PEVUnicodeString(), index});
    if (index > message._MaxParamIndex) message._MaxParamIndex = index;
    p += length;
  }
  flushLiteral();
  return message;
}

PEVUnicodeString PEVMsg::BuildMessage(const PEVUnicodeString* iParameters, int iCount) const {
  PEVUnicodeString result;
  for (const Piece& piece : _Pieces) {
    if (piece._ParamIndex == 0)
      result += piece._Literal;
    else if (iParameters && piece._ParamIndex <= iCount)
      result += iParameters[piece._ParamIndex - 1];
  }
  return result;
}
