// ORVVolatileOneWayIteratorForTextFile.h - reads a text file line by line.
//
// Each line is handed out as an ORVExtAnyChars that the iterator reuses, valid until the
// next call, without its newline nor a carriage return just before it; an empty line is
// a DbNull value, the end of the file a null object. Lines have a fixed maximum length,
// where a longer line is a reported error (ORVBC "0216" with the line number, or "0217"
// with its start when lines are not counted) and the next call reads the next line, or
// grow without limit from 2040 characters, the buffer doubling as needed. Read errors
// are reported with the context builder as request. The stream is the caller's; the
// buffer is the iterator's.
#pragma once

#include <cstdio>

#include "ORVExtAnyChars.h"
#include "ORVNLSMsgBldr.h"
#include "ORVString.h"
#include "ORVVolatileOneWayIterator.h"

class ORV_EXPORT ORVVolatileOneWayIteratorForTextFile : public ORVVolatileOneWayIterator {
  ORV_META_OBJECT(ORVVolatileOneWayIteratorForTextFile)

public:
  // iLineNumber is the number of the line before the first one read (0 counts from 1; a
  // negative number counts nothing). iMaxLength 0 or more fixes the maximum length of a
  // line; a negative one makes lines growable. iContext is the request of the errors. A
  // null iFile is a fatal internal error.
  ORVVolatileOneWayIteratorForTextFile(const ORVString& iFileName, FILE* iFile, int iLineNumber,
                                       int iMaxLength, const ORVNLSMsgBldrRfHndlr& iContext);
  ORVVolatileOneWayIteratorForTextFile(const ORVVolatileOneWayIteratorForTextFile&) = delete;
  ORVVolatileOneWayIteratorForTextFile& operator=(const ORVVolatileOneWayIteratorForTextFile&) =
      delete;
  ~ORVVolatileOneWayIteratorForTextFile() override;

  // The next line, or null at the end; a failing read or an overlong line is fatal
  // ("Error while reading <file>: Next() fails").
  const PEVBaseUnknown* Next() override;
  // Stores the next line (null at the end or on failure) in oLine; 0, or the failure code
  // of a read error or an overlong line.
  long Next(const PEVBaseUnknown*& oLine) override;
  virtual void SetLineNumber(int iLineNumber);
  virtual int GetLineNumber() const;

  // For diagnostics: the current maximum line length (it doubles in growable mode) and
  // the number of times the line buffer was enlarged.
  int GetMaxLength() const { return _MaxLength; }
  int GetBufferGrowthCount() const { return _BufferGrowthCount; }

private:
  // Reads at most iRoom - 1 characters (iRoom >= 2) of the current line into oChunk.
  // oLength is the number of characters read (up to a NUL when the line was complete);
  // oFilled says whether the chunk took all the room, that is whether the line may go on.
  long ReadChunk(char* oChunk, int iRoom, unsigned int& oEndOfFile, int& oLength, bool& oFilled);
  // What follows a line that filled the fixed buffer, up to the line's end (a newline or
  // the end of the file).
  struct RestOfLine {
    int _Characters = 0;  // before the end; stops growing long before it could overflow
    bool _Newline = false;
    bool _OnlyCarriageReturn = false;  // the characters are one carriage return
    bool _Nothing = true;              // the file ended before any character
    // Whether the line still fits: nothing follows but its end, a carriage return and
    // newline included.
    bool Fits() const {
      return _Characters == 0 || (_Characters == 1 && _OnlyCarriageReturn && _Newline);
    }
  };
  // Reads and discards the rest of a line that filled the fixed buffer, 10 characters at
  // a time.
  long SkipRestOfLine(RestOfLine& oRest);
  // Doubles the maximum length and enlarges the buffer, keeping its contents.
  void Grow();
  void CountLine();
  // The failure of an overlong line, in the mode of the line counter.
  long MakeTooLongError(int iCharsInBuffer);
  // A read failure: iCode's error takes the context as request.
  long ReadFailure(long iCode);

  ORVString _FileName;
  FILE* _pFile;
  int _LineNumber;
  int _MaxLength;
  unsigned int _FixedLength;
  char* _pBuffer = nullptr;
  ORVExtAnyChars _Line;
  ORVNLSMsgBldrRfHndlr _Context;
  int _BufferGrowthCount = 0;
};
