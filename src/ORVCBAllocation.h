// ORVCBAllocation.h - the test seam of the service layer's allocations.
//
// A test helper may define ORVCBTestRefuseAllocation in the program; when it answers
// non-zero, the allocation about to be made fails as if memory were exhausted. Programs
// that do not define it allocate normally.
#pragma once

extern "C" __attribute__((weak)) int ORVCBTestRefuseAllocation(void);

// Whether the coming allocation must fail; sets errno to ENOMEM when it must.
bool ORVCBAllocationRefused();
