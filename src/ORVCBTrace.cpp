#include "ORVCBTrace.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ORVCBClock.h"

namespace {

int _Initialised = 0;
FILE* _pStream = nullptr;
// Owned copy of the filter; null for every component.
char* _pComponent = nullptr;
int _HaveBase = 0;
time_t _BaseSeconds = 0;
int64_t _BaseNanoseconds = 0;

void SetFilter(const char* iValue) {
  free(_pComponent);
  _pComponent = nullptr;
  _Initialised = 1;
  if (!iValue) {
    _pStream = nullptr;
    return;
  }
  _pStream = stdout;
  if (strcmp(iValue, "all") != 0) _pComponent = strdup(iValue);
}

}  // namespace

void trc_set_component(const char* iComponent) {
  SetFilter(iComponent);
}

int trc_print(const char* iComponent, const char* iFormat, ...) {
  if (!_Initialised) SetFilter(getenv("ORVCB_TRACE"));
  if (!_pStream) return 0;
  if (_pComponent && (!iComponent || strcmp(iComponent, _pComponent) != 0)) return 0;

  int64_t now = ORVCBHighResolutionTime();
  if (!_HaveBase) {
    _BaseSeconds = time(nullptr);
    _BaseNanoseconds = now;
    _HaveBase = 1;
  }
  int64_t elapsed = now - _BaseNanoseconds;
  time_t seconds = _BaseSeconds + (time_t)(elapsed / 1000000000);
  struct tm local;
  localtime_r(&seconds, &local);
  fprintf(_pStream, "%04d/%02d/%02d %02d:%02d:%02d.%06d: ", local.tm_year + 1900, local.tm_mon + 1,
          local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
          (int)(elapsed % 1000000000 / 1000));
  va_list arguments;
  va_start(arguments, iFormat);
  vfprintf(_pStream, iFormat, arguments);
  va_end(arguments);
  fflush(_pStream);
  return 1;
}
