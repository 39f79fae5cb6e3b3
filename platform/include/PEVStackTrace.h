// PEVStackTrace.h - the calling stack captured as return addresses.
#pragma once

#include "PEVExport.h"

class PEV_EXPORT PEVStackTrace {
public:
  enum { PEVMaxFrames = 128 };

  // Captures the stack of the caller; returns the number of frames kept.
  int GetTrace();
  int GetFrameCount() const { return _FrameCount; }
  void* GetFrame(int iIndex) const { return _Frames[iIndex]; }

protected:
  void* const* GetFrames() const { return _Frames; }

private:
  void* _Frames[PEVMaxFrames] = {};
  int _FrameCount = 0;
};
