// AllocationFailure.h - makes one coming allocation of the service layer fail.
//
// Linking this helper gives the library's allocation seam its answer: the Nth
// allocation from now (mem_alloc, mem_realloc, or the default error handlers' own
// builders and records) fails as if memory were exhausted, errno ENOMEM. Process-wide.
#pragma once

// The iNth coming allocation fails (1: the next one); 0 lets every one succeed.
void FailAllocation(int iNth);
// Both the iFirst-th and the iSecond-th coming allocations fail.
void FailAllocations(int iFirst, int iSecond);
