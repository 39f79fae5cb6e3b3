// BenchNamed.h - elements keyed by a name, with their hash coder and comparator, for
// the hash table benchmarks.
//
// A stand-in for the string coders and comparators: the name is an ORVString, the
// code its 32-bit FNV-1a hash, the order strcmp's. Defined in their own source file,
// so that every code and comparison, ours or the reference's, is a real virtual call.
#pragma once

class ORVComparator;
class ORVHashCoder;
class PEVBaseUnknown;

// A new element named iName.
PEVBaseUnknown* MakeBenchNamed(const char* iName);
// The name of such an element.
const char* BenchNamedName(const PEVBaseUnknown* iElement);
// A new hash coder of those elements' names (FNV-1a).
ORVHashCoder* MakeBenchNameHash();
// A new comparator of those elements' names.
ORVComparator* MakeBenchNameCmp();
