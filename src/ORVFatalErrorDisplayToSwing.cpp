#include "ORVFatalErrorDisplayToSwing.h"

#include <unistd.h>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

#include "ORVEnvironmentVariable.h"
#include "ORVFileUtilities.h"
#include "ORVOFStream.h"
#include "ORVString.h"
#include "ORVSwingJni.h"
#include "ORVSwingUtilities.h"

ORV_META_OBJECT_DEFINE(ORVFatalErrorDisplayToSwing, ORVFatalErrorDisplay)

ORVFatalErrorDisplayToSwing::ORVFatalErrorDisplayToSwing() = default;

ORVFatalErrorDisplayToSwing::~ORVFatalErrorDisplayToSwing() {
  Discard();
  delete _pFileName;
}

ORVOFStream& ORVFatalErrorDisplayToSwing::GetOutputStream() {
  Discard();
  ORVEnvironmentVariable directory("ORV_TMP");
  const char* path = directory.IsEmpty(1) ? "/tmp" : directory.Read(0);
  std::string name = std::string(path) + "/SCMFatalErrorFile.txt" + std::to_string(getpid());
  // A unique suffix, and a file made exclusively (mode 0600): a file or link planted at
  // a predictable name in a shared directory is never opened nor followed.
  name += "XXXXXX";
  int descriptor = mkstemp(&name[0]);
  if (descriptor < 0) return ORVStderr;
  if (!_pFileName) _pFileName = new ORVString();
  *_pFileName = name.c_str();
  _pFile = fdopen(descriptor, "w+");
  if (!_pFile) {
    close(descriptor);
    unlink(name.c_str());
    return ORVStderr;
  }
  _Opened = 1;
  _pStream = new ORVOFStream(_pFile);
  return *_pStream;
}

void ORVFatalErrorDisplayToSwing::Display() {
  if (!_Opened) return;  // the report went to standard error already
  fflush(_pFile);

  // Nothing here may start another fatal report: what cannot reach Java goes to
  // standard error with the reason.
  JNIEnv* env = ORVSwingUtilities::FindJNIEnvVariable();
  if (!env) {
    ORVStderr << "JNI Environment pointer is not initialized." << endl;
  }
  std::optional<ORVJniRecordingClass> recorder;
  jmethodID method = nullptr;
  if (env) recorder.emplace(env);
  if (recorder && !recorder->Get()) {
    ORVStderr << "Unable to find recording class ORVCMJSERVICES_PACKAGE 'ORVJniError' in "
                 "ORVFatalErrorDisplayToSwing."
              << endl;
  } else if (recorder) {
    method = recorder->FindMethod("DisplayFatalError");
    if (!method)
      ORVStderr << "Unable to find recording method 'ORVError.DisplayFatalError'." << endl;
  }

  // The same open file, read from its start: never reopened by name. One call per line,
  // whatever its length; the line keeps its end, and its bytes go as UTF-16.
  rewind(_pFile);
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t length;
  while ((length = getline(&line, &capacity, _pFile)) > 0) {
    if (method)
      recorder->Call(method, PEVUnicodeString(line, length > INT_MAX ? INT_MAX : (int)length));
    else
      ORVStderr.Write(line, (unsigned int)length);
  }
  free(line);
  recorder.reset();
  Discard();
}

void ORVFatalErrorDisplayToSwing::Discard() {
  if (_pFile) fclose(_pFile);
  _pFile = nullptr;
  delete _pStream;
  _pStream = nullptr;
  if (_Opened) ORVFileUtilities::FileRemove(*_pFileName, 1);
  _Opened = 0;
}
