// ORVFatalErrorDisplayToSwing.h - fatal reports sent to the Java front end.
//
// The report is written into a new temporary file of its own, created exclusively
// (mode 0600, never through a link) as <ORV_TMP>/SCMFatalErrorFile.txt<pid> followed by
// a unique suffix (/tmp when ORV_TMP is empty). Display sends it line by line to the
// Java static method DisplayFatalError(String) and removes the file. When the file
// cannot be made the report goes to standard error; when the JNI environment, the Java
// class or the method is missing the report is copied to standard error instead, with
// a line telling why: a fatal report never starts another one. The display owns its
// stream, file and name.
#pragma once

#include <cstdio>

#include "ORVFatalErrorDisplay.h"

class ORVString;

class ORV_EXPORT ORVFatalErrorDisplayToSwing : public ORVFatalErrorDisplay {
  ORV_META_OBJECT(ORVFatalErrorDisplayToSwing)

public:
  ORVFatalErrorDisplayToSwing();
  ~ORVFatalErrorDisplayToSwing() override;
  ORVFatalErrorDisplayToSwing(const ORVFatalErrorDisplayToSwing&) = delete;
  ORVFatalErrorDisplayToSwing& operator=(const ORVFatalErrorDisplayToSwing&) = delete;

  // A stream on a new temporary file, or ORVStderr when it cannot be made. A second
  // call first closes and removes what the first one made.
  ORVOFStream& GetOutputStream() override;
  // Sends the file's lines to Java (or to standard error), then removes it.
  void Display() override;

  // The temporary file's name, or null before GetOutputStream made one.
  const ORVString* GetFileName() const { return _pFileName; }

private:
  // Closes the file, frees the stream and removes the file, when there is one.
  void Discard();

  FILE* _pFile = nullptr;
  ORVOFStream* _pStream = nullptr;
  ORVString* _pFileName = nullptr;
  int _Opened = 0;
};
