// ORVListLineBldr.h - lays out one line of a columnar listing from field builders,
// with a separator between the fields.
//
// The field builders are held by address, in the order added, and never deleted: they
// must outlive the line builder. Each column starts where the previous one started
// plus its width and the separator's.
#pragma once

#include "ORVString.h"
#include "ORVVector.h"
#include "PEVUnicodeString.h"

class ORVListLineFieldBldr;

class ORV_EXPORT ORVListLineBldr : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVListLineBldr)

public:
  explicit ORVListLineBldr(const ORVString& iSeparator);

  virtual void Add(ORVListLineFieldBldr& iField);
  // Replaces oLine with the line of the fields' current values.
  virtual void Build(PEVUnicodeString& oLine) const;

private:
  ORVVector _Fields;
  ORVString _Separator;
};
