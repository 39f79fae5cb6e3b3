// ORVCBClock.h - the service layer's high-resolution clock.
#pragma once

#include <cstdint>
#include <ctime>

// The monotonic clock in nanoseconds.
inline int64_t ORVCBHighResolutionTime() {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (int64_t)now.tv_sec * 1000000000 + now.tv_nsec;
}
