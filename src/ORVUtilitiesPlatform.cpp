#include "ORVUtilities.h"

#include <sys/wait.h>
#include <cstdio>

#include "ORVCatalogKeys.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplayToISO8859Term.h"
#include "ORVOFStream.h"
#include "PEVClassFactory.h"

// The utilities over the platform: class instances and interfaces with error records,
// the terminal displays, external commands.

namespace {

// ExecuteExternalCommand reads the output in pieces of at most this size, NUL included.
constexpr int kLineBufferSize = 1024;

// The failure left by the platform for iCode when it recorded one; otherwise a new
// critical error with iCode and the given messages. A last error made by the library
// is older than the call (the platform makes no ORVError): it would tell of another
// failure that happened to have the same code, such as the general failure code.
long FailureWithRecord(long iCode, const ORVNLSMsgBldrRfHndlr& iRequest,
                       const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  PEVError* lastError = PEVError::PEVGetLastError(iCode, nullptr);
  if (lastError) {
    bool fromPlatform = !lastError->IsAKindOf(ORVError::ClassName());
    lastError->Release();
    if (fromPlatform) return iCode;
  }
  ORVError* error = new ORVError(__FILE__, __LINE__, iRequest, iDiagnostic,
                                 ORVMakeCatalogMessage<ORVBC_0502>(), PEVErrorTypeCritical, iCode);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

// The exit status of a command from its wait status: the exit code, 128 + the signal
// number of a command killed by a signal, -1 when the wait failed.
int ExitStatus(int iWaitStatus) {
  if (iWaitStatus == -1) return -1;
  if (WIFEXITED(iWaitStatus)) return WEXITSTATUS(iWaitStatus);
  if (WIFSIGNALED(iWaitStatus)) return 128 + WTERMSIG(iWaitStatus);
  return -1;
}

}  // namespace

long ORVUtilities::PEVCreateClassInstance(const _GUID& iClassId, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassId, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0500>(),
      ORVMakeCatalogMessage<ORVBC_0501>(ConvertGUIDToString(iClassId), (int)iContext));
}

long ORVUtilities::PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassName, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(code, ORVMakeCatalogMessage<ORVBC_0500>(),
                           ORVMakeCatalogMessage<ORVBC_0503>(iClassName, (int)iContext));
}

long ORVUtilities::QueryInterface(PEVBaseUnknown& iObject, const _GUID& iInterfaceId,
                                  void** oResult) {
  long code = iObject.QueryInterface(iInterfaceId, oResult);
  if (code == 0 && oResult) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0504>(),
      ORVMakeCatalogMessage<ORVBC_0505>(iObject.GetMetaObject()->GetClassName(),
                                        ConvertGUIDToString(iInterfaceId)));
}

void ORVUtilities::MakeAndSetAsGlobalDisplayToTerm() {
  ORVMessageDisplay* messageDisplay = new ORVMessageDisplayToISO8859Term();
  ORVErrorDisplay* errorDisplay = new ORVErrorDisplayToISO8859Term();
  ORVGlobalObjectCleaner::Add(messageDisplay);
  ORVGlobalObjectCleaner::Add(errorDisplay);
  ORVMessageDisplay::SetGlobal(*messageDisplay);
  ORVErrorDisplay::SetGlobal(*errorDisplay);
}

int ORVUtilities::ExecuteExternalCommand(const ORVString& iCommand) {
  ORVStdout.Flush();
  FILE* output = popen(iCommand.GetChars(), "r");
  if (!output) return -1;
  // Lines are read whole, so that a NUL byte in one cannot make its end look like a cut;
  // a long line still goes out in pieces of the buffer's size.
  const std::size_t piece = (std::size_t)kLineBufferSize - 1;
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t read;
  while ((read = getline(&line, &capacity, output)) >= 0) {
    std::size_t length = (std::size_t)read;
    if (length > 0 && line[length - 1] == '\n') --length;
    std::size_t start = 0;
    do {
      std::size_t count = length - start < piece ? length - start : piece;
      std::string text(line + start, count);
      ORVMessageDisplay::GetGlobal()->Display(PEVUnicodeString(text.c_str()), 1);
      ORVStdout.Flush();
      start += count;
    } while (start < length);
  }
  free(line);
  return ExitStatus(pclose(output));
}
