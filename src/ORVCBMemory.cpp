#include "ORVCBMemory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "ORVCBAllocation.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"

bool ORVCBAllocationRefused() {
  if (!ORVCBTestRefuseAllocation || !ORVCBTestRefuseAllocation()) return false;
  errno = ENOMEM;
  return true;
}

void* mem_alloc(int iSize) {
  if (iSize < 1) err_prog(__FILE__, __LINE__, "Null memory size");
  void* block = ORVCBAllocationRefused() ? nullptr : malloc((size_t)iSize);
  if (block) return block;
  char size[16];
  snprintf(size, sizeof size, "%d", iSize);
  sys_error(__FILE__, __LINE__, SYS_ALLOC, size, nullptr);
  return nullptr;
}

void* mem_realloc(void* iBlock, unsigned int iSize) {
  if (iSize == 0) err_prog(__FILE__, __LINE__, "Null memory size");
  void* block = ORVCBAllocationRefused() ? nullptr : realloc(iBlock, iSize);
  if (block) return block;
  char size[16];
  snprintf(size, sizeof size, "%u", iSize);
  sys_error(__FILE__, __LINE__, SYS_ALLOC, size, nullptr);
  return nullptr;
}

void mem_free(void* iBlock) {
  free(iBlock);
}
