// ORVMappedCodeSet.h - a set of mapped codes found by their code text.
//
// A hash table keyed by ORVMappedCodeHashCodeVal and ORVMappedCodeCmpCodeVal (the global
// instances, so a global object cleaner must exist) that holds plain pointers: adding
// does not AddRef and the set's destruction does nothing to the codes, which must
// outlive it.
#pragma once

#include "ORVHashTable.h"
#include "ORVMappedCode.h"

class ORVExtChars;

class ORV_EXPORT ORVMappedCodeSet : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVMappedCodeSet)

public:
  // iTableSize is the table's size hint.
  explicit ORVMappedCodeSet(int iTableSize);
  ORVMappedCodeSet(const ORVMappedCodeSet&) = delete;
  ORVMappedCodeSet& operator=(const ORVMappedCodeSet&) = delete;

  // The first code of the set whose text equals iCode, or null.
  virtual ORVMappedCode* LookupMappedCodeOnCode(const ORVExtChars& iCode) const;

  // Adds iCode, telling the table's link.
  void AddMappedCode(ORVMappedCode& iCode);
  ORVHashTable& GetMappedCodeTable() { return _Table; }
  const ORVHashTable& GetMappedCodeTable() const { return _Table; }

private:
  ORVHashTable _Table;
};
