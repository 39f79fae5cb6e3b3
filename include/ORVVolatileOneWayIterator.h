// ORVVolatileOneWayIterator.h - walks a sequence forward; each result is valid only
// until the next call.
//
// A volatile iterator may hand out an object it reuses, such as the converted form of
// each element or the current line of a file.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORVConvertor;

class ORV_EXPORT ORVVolatileOneWayIterator : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVVolatileOneWayIterator)

public:
  // The next object, or null at the end.
  virtual const PEVBaseUnknown* Next() = 0;
  // Stores the next object (or null) in oObject; a result code, 0 on success. Unless an
  // iterator can fail while reading, this is Next() and 0.
  virtual long Next(const PEVBaseUnknown*& oObject);

protected:
  // What an iterator with iConvertor returns for iElement: null for null, the element
  // itself without convertor, else its converted form.
  static const PEVBaseUnknown* Convert(const PEVBaseUnknown* iElement, ORVConvertor* iConvertor);
};
