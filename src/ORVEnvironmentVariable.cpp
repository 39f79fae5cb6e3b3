#include "ORVEnvironmentVariable.h"

#include <cstdlib>
#include <cstring>

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVEnvironmentVariable, PEVBaseUnknown)

ORVEnvironmentVariable::ORVEnvironmentVariable(const char* iName) : _Name(iName) {
  // A name holding "=" would read or set another variable.
  if (!iName || !*iName || strchr(iName, '=')) ORV_FATAL("A variable name must be specified");
}

const ORVString& ORVEnvironmentVariable::GetName() const {
  return _Name;
}

void ORVEnvironmentVariable::Write(const char* iText) {
  if (!iText) iText = "";
  // setenv copies the text: the environment never points into memory of ours.
  if (setenv(_Name.GetChars(), iText, 1) != 0)
    ORV_FATAL("setenv(" << _Name.GetChars() << "=" << iText << ") failed");
  _Value = iText;
  _HasValue = 1;
  _Read = 1;
}

const char* ORVEnvironmentVariable::Read(unsigned int iReadIfNeeded) {
  if (iReadIfNeeded && !_Read) {
    // A copy: the environment's own text may change or go when other code sets it.
    const char* value = getenv(_Name.GetChars());
    _HasValue = value != nullptr;
    if (value) _Value = value;
    _Read = 1;
  }
  return _HasValue ? _Value.GetChars() : nullptr;
}

unsigned int ORVEnvironmentVariable::IsEmpty(unsigned int iReadIfNeeded) {
  const char* value = Read(iReadIfNeeded);
  return !value || !*value;
}
