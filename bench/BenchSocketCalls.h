// BenchSocketCalls.h - counts of the send and recv calls of the calling thread.
//
// The benchmark program defines send and recv itself (BenchSocketCalls.cpp): the
// library's calls and the references' resolve to them, count, and make the system
// call. Both sides pay the same; other calls (read, write) are not counted.
#pragma once

struct BenchSocketCalls {
  long _Sends = 0;
  long _Receives = 0;
};

BenchSocketCalls BenchSocketCallsOfThread();
