// ORVError.h - the library's error record: a platform error with deferred texts.
//
// An error holds three message builders (request, diagnostic, advice; each may be
// empty), the source file and line where it was made, an error type (1 critical,
// 2 fatal, 3 warning, 4 information) and a result code. Its texts are built only when
// displayed. A fallible operation hands its error to PEVError::GetReturn(PEVReturnError, ...),
// which makes it the process-wide last error and gives the code; GetOrMakeLastError turns a code
// back into an error. The last error is unlocked process-wide state.
#pragma once

#include "ORVMacro.h"
#include "ORVNLSMsgBldr.h"
#include "PEVError.h"

class ORV_EXPORT ORVError : public PEVError {
  ORV_META_OBJECT(ORVError)

public:
  // iFile is the path of the source file that makes the error, iLine the line.
  ORVError(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
           const ORVNLSMsgBldrRfHndlr& iDiagnostic, const ORVNLSMsgBldrRfHndlr& iAdvice,
           PEVErrorType iType, long iReturnCode);
  explicit ORVError(unsigned int iId);
  ORVError(unsigned int iId, const char* iCatalogName, const char* iMsgId);
  // Copies the platform error's members, then the other's file, line, builders, type
  // and code through Init.
  ORVError(ORVError& iOther);
  ORVError& operator=(const ORVError&) = delete;
  ~ORVError() override;

  // Sets the builders, the platform's catalog and identifier from a non-empty request,
  // the type, the code, the file (null: empty) and the line.
  void Init(const char* iFile, int iLine, const ORVNLSMsgBldrRfHndlr& iRequest,
            const ORVNLSMsgBldrRfHndlr& iDiagnostic, const ORVNLSMsgBldrRfHndlr& iAdvice,
            PEVErrorType iType, long iReturnCode);

  // The error's own copy of the full name; returns 0.
  long GetSourceFileName(char** oName) override;
  // Stores a copy of iName (null: empty), the platform's buffer keeping 127 characters.
  long SetSourceFileName(char* iName) override;
  // The request, then the diagnostic and the advice, each after a "\n" only when the
  // request is not empty.
  PEVUnicodeString GetNLSMessage() override;
  PEVUnicodeString GetNLSRequest() override;
  PEVUnicodeString GetNLSDiagnostic() override;
  PEVUnicodeString GetNLSAdvice() override;
  // A new copy, holding one reference for the caller.
  ORVError* CloneSelf() override;
  // The error table of the class: empty.
  long GetErrorTable(unsigned int* oLength, const PEVErrDsc** oTable) override;

  virtual void SetHRequestBldr(const ORVNLSMsgBldrRfHndlr& iRequest);
  virtual const ORVNLSMsgBldrRfHndlr& GetHRequestBldr() const;
  virtual void SetHDiagnosticBldr(const ORVNLSMsgBldrRfHndlr& iDiagnostic);
  virtual const ORVNLSMsgBldrRfHndlr& GetHDiagnosticBldr() const;
  virtual void SetHAdviceBldr(const ORVNLSMsgBldrRfHndlr& iAdvice);
  virtual const ORVNLSMsgBldrRfHndlr& GetHAdviceBldr() const;

  // The error behind iCode with a reference for the caller: the last error when it was
  // returned as iCode; null for 0 without one; otherwise a new error whose diagnostic is
  // ORVBC "0100", critical for a failure code and a warning for any other.
  static PEVError* GetOrMakeLastError(long iCode);
  // Gives the last error of iCode the request iRequest when it is an ORVError.
  static void ReplaceLastErrorRequest(long iCode, const ORVNLSMsgBldrRfHndlr& iRequest);

  static unsigned int errorTableLength;
  static const PEVErrDsc* errorTable;

private:
  // Replaces the owned copy of the file name.
  void StoreSourceFileName(const char* iName);

  ORVNLSMsgBldrRfHndlr _RequestBldr;
  ORVNLSMsgBldrRfHndlr _DiagnosticBldr;
  ORVNLSMsgBldrRfHndlr _AdviceBldr;
  char* _pSourceFileName = nullptr;  // strdup'ed, never null once constructed
};
