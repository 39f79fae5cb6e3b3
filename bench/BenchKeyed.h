// BenchKeyed.h - keyed elements and their comparator for the container benchmarks.
//
// Defined in their own source file, so that no benchmark sees the comparator's class:
// every comparison, ours or the reference's, is a real virtual call.
#pragma once

class ORVComparator;
class PEVBaseUnknown;

// A new element holding iKey.
PEVBaseUnknown* MakeBenchKeyed(int iKey);
// A new comparator ordering those elements by key.
ORVComparator* MakeBenchKeyCmp();
