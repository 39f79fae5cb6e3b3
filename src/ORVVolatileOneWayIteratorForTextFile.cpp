#include "ORVVolatileOneWayIteratorForTextFile.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "ORVCatalogKeys.h"
#include "ORVError.h"
#include "ORVFatal.h"
#include "ORVFileUtilities.h"

ORV_META_OBJECT_DEFINE(ORVVolatileOneWayIteratorForTextFile, ORVVolatileOneWayIterator)

namespace {

constexpr int kGrowableStartLength = 2040;
// The rest of an overlong line is read and discarded in pieces of this many characters.
constexpr int kRestPiece = 10;
// "0217" shows at most this many characters of the line.
constexpr int kShownStart = 10;
constexpr char kWhat[] = "ORVVolatileOneWayIteratorForTextFile";

// Writes a non-NUL byte where fgets would put the NUL of a full read, so that the NUL
// found there afterwards tells that the read filled the room, whatever NULs the line
// holds.
constexpr char kRoomMark = '\x01';

}  // namespace

ORVVolatileOneWayIteratorForTextFile::ORVVolatileOneWayIteratorForTextFile(
    const ORVString& iFileName, FILE* iFile, int iLineNumber, int iMaxLength,
    const ORVNLSMsgBldrRfHndlr& iContext)
    : _FileName(iFileName),
      _pFile(iFile),
      _LineNumber(iLineNumber),
      _MaxLength(iMaxLength < 0 ? kGrowableStartLength : iMaxLength),
      _FixedLength(iMaxLength >= 0),
      _Context(iContext) {
  if (!iFile) ORV_FATAL("ORVVolatileOneWayIteratorForTextFile(): iFile is NULL");
}

ORVVolatileOneWayIteratorForTextFile::~ORVVolatileOneWayIteratorForTextFile() {
  free(_pBuffer);
  _pBuffer = nullptr;
}

const PEVBaseUnknown* ORVVolatileOneWayIteratorForTextFile::Next() {
  const PEVBaseUnknown* line = nullptr;
  if (Next(line) != 0)
    ORV_FATAL("Error while reading " << _FileName.GetChars() << ": Next() fails");
  return line;
}

long ORVVolatileOneWayIteratorForTextFile::Next(const PEVBaseUnknown*& oLine) {
  oLine = nullptr;
  if (!_pBuffer) {
    _pBuffer = static_cast<char*>(malloc((std::size_t)ORV_CHECKED_SIZE(_MaxLength + 1LL, kWhat)));
    if (!_pBuffer) ORV_FATAL(kWhat << ": out of memory");
  }
  int used = 0;
  bool counted = false;
  // A fixed length of 0 leaves no room for a character: the whole line is the rest.
  bool full = _FixedLength && _MaxLength == 0;
  while (!full) {
    int length = 0;
    unsigned int endOfFile = 0;
    bool filled = false;
    long code = ReadChunk(_pBuffer + used, _MaxLength + 1 - used, endOfFile, length, filled);
    if (code != 0) return ReadFailure(code);
    if (endOfFile) {
      if (used == 0) return 0;  // no more lines
      break;                    // a last line without newline that filled the buffer
    }
    if (!counted) CountLine();
    counted = true;
    used += length;
    if (!filled || _pBuffer[used - 1] == '\n') break;  // the line ended
    full = _FixedLength;
    if (!full) Grow();
  }
  if (full) {
    // The fixed buffer is full: the line fits only if nothing but its end follows.
    RestOfLine rest;
    long code = SkipRestOfLine(rest);
    if (code != 0) return ReadFailure(code);
    if (rest._Nothing && used == 0) return 0;  // no more lines
    if (!counted) CountLine();
    if (!rest.Fits()) return MakeTooLongError(used);
    // The newline was read apart: a carriage return ending the buffer came just before it.
    if (rest._Newline && rest._Characters == 0 && used > 0 && _pBuffer[used - 1] == '\r') --used;
  } else if (used > 0 && _pBuffer[used - 1] == '\n') {
    --used;
    if (used > 0 && _pBuffer[used - 1] == '\r') --used;
  }
  _pBuffer[used] = '\0';
  _Line.SetChars(_pBuffer);
  oLine = &_Line;
  return 0;
}

void ORVVolatileOneWayIteratorForTextFile::SetLineNumber(int iLineNumber) {
  _LineNumber = iLineNumber;
}

int ORVVolatileOneWayIteratorForTextFile::GetLineNumber() const {
  return _LineNumber;
}

long ORVVolatileOneWayIteratorForTextFile::ReadChunk(char* oChunk, int iRoom,
                                                     unsigned int& oEndOfFile, int& oLength,
                                                     bool& oFilled) {
  oChunk[iRoom - 1] = kRoomMark;
  long code = ORVFileUtilities::FileGetString(oChunk, iRoom, _pFile, oEndOfFile, _FileName);
  oLength = 0;
  oFilled = false;
  if (code != 0 || oEndOfFile) return code;
  oFilled = oChunk[iRoom - 1] == '\0';
  // A read that did not fill the room ended the line, after a newline or at the end of
  // the file: what follows a NUL of the line is not shown.
  oLength = oFilled ? iRoom - 1 : (int)strlen(oChunk);
  return 0;
}

long ORVVolatileOneWayIteratorForTextFile::SkipRestOfLine(RestOfLine& oRest) {
  oRest = RestOfLine();
  char firstExtra = '\0';
  for (;;) {
    char piece[kRestPiece + 1];
    // Marked throughout: the last NUL after the read is the one fgets wrote.
    memset(piece, kRoomMark, sizeof(piece));
    unsigned int endOfFile = 0;
    long code =
        ORVFileUtilities::FileGetString(piece, (int)sizeof(piece), _pFile, endOfFile, _FileName);
    if (code != 0) return code;
    if (endOfFile) break;
    oRest._Nothing = false;
    int count = kRestPiece;
    while (piece[count] != '\0')
      --count;
    oRest._Newline = count > 0 && piece[count - 1] == '\n';
    int characters = oRest._Newline ? count - 1 : count;
    if (oRest._Characters == 0 && characters > 0) firstExtra = piece[0];
    // Beyond two the number does not matter: it stops growing before it could overflow.
    if (oRest._Characters < INT_MAX - kRestPiece) oRest._Characters += characters;
    if (oRest._Newline) break;
  }
  oRest._OnlyCarriageReturn = oRest._Characters == 1 && firstExtra == '\r';
  return 0;
}

void ORVVolatileOneWayIteratorForTextFile::Grow() {
  int length = ORV_CHECKED_SIZE(_MaxLength * 2LL, kWhat);
  int size = ORV_CHECKED_SIZE(length + 1LL, kWhat);
  auto* buffer = static_cast<char*>(realloc(_pBuffer, (std::size_t)size));
  if (!buffer) ORV_FATAL(kWhat << ": out of memory");
  _pBuffer = buffer;
  _MaxLength = length;
  ++_BufferGrowthCount;
}

void ORVVolatileOneWayIteratorForTextFile::CountLine() {
  // The counter stays at the largest int rather than wrap into "not counting".
  if (_LineNumber >= 0 && _LineNumber < INT_MAX) ++_LineNumber;
}

long ORVVolatileOneWayIteratorForTextFile::MakeTooLongError(int iCharsInBuffer) {
  ORVNLSMsgBldrRfHndlr diagnostic;
  if (_LineNumber >= 0) {
    diagnostic = ORVMakeCatalogMessage<ORVBC_0216>(_LineNumber, _MaxLength);
  } else {
    // Only the characters the buffer holds, at most ten.
    ORVString start;
    start.Copy(_pBuffer, iCharsInBuffer < kShownStart ? iCharsInBuffer : kShownStart);
    start += "...";
    diagnostic = ORVMakeCatalogMessage<ORVBC_0217>(start, _MaxLength);
  }
  auto* error = new ORVError(__FILE__, __LINE__, _Context, diagnostic, ORVNLSMsgBldrRfHndlr(),
                             PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

long ORVVolatileOneWayIteratorForTextFile::ReadFailure(long iCode) {
  ORVError::ReplaceLastErrorRequest(iCode, _Context);
  return iCode;
}
