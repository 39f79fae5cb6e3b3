/* The service headers used from a C translation unit, as the tools' procedural code
 * uses them. */
#include <errno.h>
#include <stddef.h>
#include <string.h>

#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"
#include "ORVCBMemory.h"
#include "ORVCBPerformance.h"
#include "ORVCBRadix64.h"
#include "ORVCBTrace.h"
#include "ORVCBUUID.h"
#include "ORVCBUtilities.h"

int ORVCBServicesFromC(void);

/* Records a failed open of "missing.txt" through the default table; answers the number of
 * checks that passed on the C side. */
int ORVCBServicesFromC(void) {
  static perf_counter counter = {"c", 0, 0, 0, 0, NULL, 0};
  int passed = 0;
  char* text = (char*)mem_alloc(4);
  strcpy(text, "a");
  to_upper(text);
  passed += text[0] == 'A';
  mem_free(text);
  passed += radix64_decode(radix64_code(64, 2)) == 64;
  passed += uuid_gen()[20] == '\0';
  passed += trc_print("c", "%s", "off") == 0;
  perf_begin(&counter);
  perf_end(&counter);
  passed += counter.calls == 1;
  ErrorProcessingStart();
  errno = ENOENT;
  sys_error(last_component("tests/services/caller.c"), 31, SYS_OPEN, "missing.txt", NULL);
  return passed;
}
