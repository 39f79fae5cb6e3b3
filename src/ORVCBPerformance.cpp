#include "ORVCBPerformance.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ORVCBClock.h"

namespace {

const int kOn = 1;
const int kPrint = 2;

bool _Initialised = false;
int _Flags = 0;
// Collects the time the module spends on itself, so that no measure counts it.
int64_t _Base = 0;
int64_t _StartReference = 0;
int64_t _LastReference = 0;
perf_counter* _pHead = nullptr;

void Initialise() {
  _Initialised = true;
  _Flags = 0;
  _Base = 0;
  _StartReference = 0;
  _LastReference = 0;
  _pHead = nullptr;
  const char* value = getenv("ORVCB_PERF");
  if (!value) return;
  _Flags = kOn;
  if (strcmp(value, "print") == 0) _Flags |= kPrint;
}

bool On() {
  return (_Flags & kOn) != 0;
}

void PrintTime(int64_t iNanoseconds) {
  printf("%3d.%06d", (int)(iNanoseconds / 1000000000), (int)(iNanoseconds % 1000000000 / 1000));
}

void Split(int64_t iNanoseconds, int* oSeconds, int* oMicroseconds) {
  *oSeconds = (int)(iNanoseconds / 1000000000);
  *oMicroseconds = (int)(iNanoseconds % 1000000000 / 1000);
}

}  // namespace

void perf_begin(perf_counter* ioCounter) {
  if (!ioCounter->registered) {
    if (!_Initialised) Initialise();
    if (On()) {
      ioCounter->next = _pHead;
      _pHead = ioCounter;
    }
    ioCounter->registered = 1;
  }
  ++ioCounter->calls;
  if (!On()) return;
  ioCounter->partial = ORVCBHighResolutionTime() - _Base;
  ioCounter->open = 1;
}

void perf_end(perf_counter* ioCounter) {
  if (!On()) return;
  int64_t now = ORVCBHighResolutionTime();
  ioCounter->partial = now - _Base - ioCounter->partial;
  ioCounter->total += ioCounter->partial;
  ioCounter->open = 0;
  if (_Flags & kPrint) {
    PrintTime(ioCounter->partial);
    printf(" %s\n", ioCounter->name ? ioCounter->name : "");
  }
  _Base += ORVCBHighResolutionTime() - now;
}

void perf_get_partial(const perf_counter* iCounter, int* oSeconds, int* oMicroseconds) {
  Split(iCounter->partial, oSeconds, oMicroseconds);
}

void perf_get_total(const perf_counter* iCounter, int* oSeconds, int* oMicroseconds) {
  Split(iCounter->total, oSeconds, oMicroseconds);
}

void perf_reset(void) {
  if (!On()) return;
  for (perf_counter* counter = _pHead; counter; counter = counter->next) {
    counter->calls = 0;
    counter->total = 0;
    if (!counter->open) counter->partial = 0;
  }
}

void perf_print(void) {
  if (!On()) return;
  printf("\n      time  ncall  time/call name\n---------------------------------------\n");
  for (const perf_counter* counter = _pHead; counter; counter = counter->next) {
    PrintTime(counter->total);
    printf(" %6d ", counter->calls);
    if (counter->calls == 0)
      printf("          ");
    else
      PrintTime(counter->total / counter->calls);
    printf(" %s\n", counter->name ? counter->name : "");
  }
  fflush(stdout);
}

void perf_reset_time(void) {
  if (!_Initialised) Initialise();
  if (!On()) return;
  _StartReference = _LastReference = ORVCBHighResolutionTime() - _Base;
}

void perf_print_time(const char* iLabel) {
  if (!On()) return;
  int64_t now = ORVCBHighResolutionTime();
  int64_t t = now - _Base;
  printf("%s: ", iLabel ? iLabel : "");
  PrintTime(t - _StartReference);
  printf(" - from last measure: ");
  PrintTime(t - _LastReference);
  printf("\n");
  fflush(stdout);
  _LastReference = t;
  _Base += ORVCBHighResolutionTime() - now;
}
