#include "PEVStackTrace.h"

#include <execinfo.h>

int PEVStackTrace::GetTrace() {
  _FrameCount = backtrace(_Frames, PEVMaxFrames);
  if (_FrameCount < 0) _FrameCount = 0;
  return _FrameCount;
}
