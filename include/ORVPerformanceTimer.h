// ORVPerformanceTimer.h - CPU and elapsed time of measured pieces of a tool.
//
// Times are the platform's counters (milliseconds). The traces switch is 1 when
// ORV_PERFORMANCE_TRACES is set at construction, even empty. GetGlobal makes the one
// shared timer on first use and registers it with the global object cleaner; a failing
// start of the platform's counters is a fatal internal error. The switch, the timer and
// the global times are process-wide and unlocked.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

// 1 when performance traces are on.
extern ORV_EXPORT int ORVPerformanceTraces;
// The times since the global timer started, as of the last GetGlobalTime, and before it.
extern ORV_EXPORT int ORVGlobalCPUTime;
extern ORV_EXPORT int ORVGlobalElapsedTime;
extern ORV_EXPORT int ORVLastGlobalCPUTime;
extern ORV_EXPORT int ORVLastGlobalElapsedTime;

class ORV_EXPORT ORVPerformanceTimer : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVPerformanceTimer)

public:
  ORVPerformanceTimer();
  ~ORVPerformanceTimer() override;

  static ORVPerformanceTimer* GetGlobal();
  static unsigned int IsActive();
  static void ActivateTraces();
  static void DesactivateTraces();

  // Starts (or restarts) this timer's counters; the last measure is cleared.
  virtual void StartTimer();
  // The times since StartTimer become the last measure.
  virtual void StopTimer();
  virtual int GetCPUTime() const;
  virtual int GetElapsedTime() const;
  // The global times since construction, the previous ones kept as the last ones.
  virtual void GetGlobalTime();

private:
  int _Status = 0;  // of the last platform call
  int _Timer = -1;
  int _GlobalTimer = -1;
  int _CPUTime = 0;
  int _ElapsedTime = 0;

  static ORVPerformanceTimer* _pGlobal;
};
