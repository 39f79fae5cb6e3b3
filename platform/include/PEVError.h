// PEVError.h - the platform's error object and the process-wide last error.
//
// GetReturn(PEVReturnError, error, ...) takes over the caller's reference to the error, makes it
// the last error and returns its code; PEVGetLastError hands the last error out with
// a new reference when asked with the code it was returned as. The last error is
// process-wide, unlocked state: errors are made and read from one thread.
#pragma once

#include "PEVBaseUnknown.h"
#include "PEVString.h"
#include "PEVUnicodeString.h"

enum PEVErrorType {
  PEVErrorTypeNone = 0,
  PEVErrorTypeCritical = 1,
  PEVErrorTypeFatal = 2,
  PEVErrorTypeWarning = 3,
  PEVErrorTypeInformation = 4,
};

// The kinds of PEVError::GetReturn: the success code, or the code of the error given.
constexpr int PEVReturnSuccess = 1;
constexpr int PEVReturnError = 2;

// One entry of an error class's description table.
struct PEVErrDsc {
  unsigned int _Id;
  PEVErrorType _Type;
  long _ReturnCode;
  const char* _CatalogName;
  const char* _MsgId;
};

class PEV_EXPORT PEVError : public PEVBaseUnknown {
public:
  enum { PEVSourceFileNameSize = 128 };

  explicit PEVError(unsigned int iId = 0);
  PEVError(unsigned int iId, const char* iCatalogName, const char* iMsgId);
  PEVError(const PEVError& iOther);
  PEVError& operator=(const PEVError&) = delete;
  ~PEVError() override;

  PEVMetaClass* GetMetaObject() const override;
  const char* IsA() const override;
  unsigned int IsAKindOf(const char* iClassName) const override;
  static PEVMetaClass* MetaObject();
  static const char* ClassName();

  // Records where the error was made: the file (at most 127 characters kept) and line.
  void Setup(const char* iFile, int iLine);

  virtual long GetSourceFileName(char** oName);
  virtual long SetSourceFileName(char* iName);
  // The platform error's text is its diagnostic: its catalog message with the
  // parameters added, or "catalog - identifier" when the catalog cannot give it.
  virtual PEVUnicodeString GetNLSMessage();
  virtual PEVUnicodeString GetNLSRequest();
  virtual PEVUnicodeString GetNLSDiagnostic();
  virtual PEVUnicodeString GetNLSAdvice();
  virtual PEVError* CloneSelf();
  virtual long GetErrorTable(unsigned int* oLength, const PEVErrDsc** oTable);
  virtual void SetMsgCatalog(const char* iCatalogName);
  virtual void SetMsgId(const char* iMsgId);
  // Appends a positional parameter of the catalog message.
  virtual void AddMsgParameter(const PEVUnicodeString& iParameter);

  unsigned int GetId() const { return _Id; }
  // The catalog name and message identifier, null when not set.
  const char* GetMsgCatalog() const;
  const char* GetMsgId() const;
  int GetSourceLineNumber() const { return _SourceLineNumber; }
  void SetSourceLineNumber(int iLine) { _SourceLineNumber = iLine; }
  PEVErrorType GetInformationOnErrorType() const { return _Type; }
  void SetInformationOnErrorType(PEVErrorType iType) { _Type = iType; }
  long GetReturnCode() const { return _ReturnCode; }
  void SetReturnCode(long iCode) { _ReturnCode = PEVNormalizeResultCode(iCode); }

  // PEVReturnSuccess: returns 0. PEVReturnError: takes over the reference to iError, makes it
  // the last error and returns its return code (the general failure code when the
  // error carries 0 or is null). Any other kind is an invalid argument.
  static long GetReturn(int iKind, PEVError* iError, IUnknown* iOuter, const char* iFile,
                        int iLine);
  // The last error with a reference for the caller, when it was returned as iCode.
  static PEVError* PEVGetLastError(long iCode, IUnknown* iOuter);
  static void PEVCleanLastError();

protected:
  // The platform's own copy of the source file name, at most 127 characters.
  const char* GetSourceFileBuffer() const { return _SourceFileName; }
  void SetSourceFileBuffer(const char* iName);

private:
  // The description of this error's identifier in its class's table, or null.
  const PEVErrDsc* FindDescription();

  static PEVMetaClass* _pMetaObject;

  unsigned int _Id;
  PEVErrorType _Type = PEVErrorTypeNone;
  long _ReturnCode = 0;
  PEVString* _pMsgCatalog = nullptr;
  PEVString* _pMsgId = nullptr;
  char _SourceFileName[PEVSourceFileNameSize] = {};
  int _SourceLineNumber = 0;
  PEVUnicodeString* _pParameters = nullptr;
  int _ParameterCount = 0;
};
