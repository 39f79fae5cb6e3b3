#include "ORVPerformanceTimer.h"

#include <cstdlib>

#include "ORVFatal.h"
#include "ORVGlobal.h"
#include "PEVTimes.h"

int ORVPerformanceTraces = 0;
int ORVGlobalCPUTime = 0;
int ORVGlobalElapsedTime = 0;
int ORVLastGlobalCPUTime = 0;
int ORVLastGlobalElapsedTime = 0;

ORV_META_OBJECT_DEFINE(ORVPerformanceTimer, PEVBaseUnknown)

ORVPerformanceTimer* ORVPerformanceTimer::_pGlobal = nullptr;

ORVPerformanceTimer::ORVPerformanceTimer() {
  ORVPerformanceTraces = getenv("ORV_PERFORMANCE_TRACES") ? 1 : 0;
  _Status = PEVStartLibServices();
  if (_Status != 0) ORV_FATAL("PEVStartLibServices() failed");
  _Timer = -1;
  _CPUTime = 0;
  _ElapsedTime = 0;
  _GlobalTimer = PEVResetTimes(-1);
}

ORVPerformanceTimer::~ORVPerformanceTimer() {
  ORVForgetGlobal(_pGlobal, this);
}

ORVPerformanceTimer* ORVPerformanceTimer::GetGlobal() {
  return ORVMakeGlobal<ORVPerformanceTimer>(_pGlobal);
}

unsigned int ORVPerformanceTimer::IsActive() {
  return (unsigned int)ORVPerformanceTraces;
}

void ORVPerformanceTimer::ActivateTraces() {
  ORVPerformanceTraces = 1;
}

void ORVPerformanceTimer::DesactivateTraces() {
  ORVPerformanceTraces = 0;
}

void ORVPerformanceTimer::StartTimer() {
  _Timer = PEVResetTimes(_Timer);
  _CPUTime = 0;
  _ElapsedTime = 0;
}

void ORVPerformanceTimer::StopTimer() {
  _Status = PEVGetTimes(_Timer, &_CPUTime, &_ElapsedTime);
}

int ORVPerformanceTimer::GetCPUTime() const {
  return _CPUTime;
}

int ORVPerformanceTimer::GetElapsedTime() const {
  return _ElapsedTime;
}

void ORVPerformanceTimer::GetGlobalTime() {
  ORVLastGlobalCPUTime = ORVGlobalCPUTime;
  ORVLastGlobalElapsedTime = ORVGlobalElapsedTime;
  _Status = PEVGetTimes(_GlobalTimer, &ORVGlobalCPUTime, &ORVGlobalElapsedTime);
}
