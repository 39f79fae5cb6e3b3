// ORVEnvironmentVariable.h - reads and writes one variable of the process environment.
//
// The variable is read from the environment once, on the first Read asking for it (or
// set by the first Write), and then answered from the object's own copy: later changes
// made by other code are not seen. Write changes the environment of the whole process
// (setenv), which keeps its own copy of the text. An empty name, or one holding "=", is
// a fatal internal error. Not thread-safe.
#pragma once

#include "ORVMacro.h"
#include "ORVString.h"

class ORV_EXPORT ORVEnvironmentVariable : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVEnvironmentVariable)

public:
  explicit ORVEnvironmentVariable(const char* iName);
  ORVEnvironmentVariable(const ORVEnvironmentVariable&) = delete;
  ORVEnvironmentVariable& operator=(const ORVEnvironmentVariable&) = delete;

  virtual const ORVString& GetName() const;
  // Sets the variable to iText (null: the empty text) in the environment and here.
  virtual void Write(const char* iText);
  // The value, null when unset. With iReadIfNeeded non-zero, an unread variable is read
  // from the environment first; with 0 only what was read or written before is given.
  virtual const char* Read(unsigned int iReadIfNeeded);
  // 1 when Read(iReadIfNeeded) is null or empty.
  virtual unsigned int IsEmpty(unsigned int iReadIfNeeded);

private:
  ORVString _Name;
  ORVString _Value;
  int _HasValue = 0;  // _Value holds the value; 0 when unset or not read
  int _Read = 0;
};
