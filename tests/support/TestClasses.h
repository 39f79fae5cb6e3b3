// TestClasses.h - small meta-object classes for the tests of the object model.
//
// ORVTestShape derives from PEVBaseUnknown; ORVTestCircle and ORVTestSquare derive
// from it. Each instance counts itself and can log its destruction.
#pragma once

#include <string>
#include <vector>

#include "ORVMacro.h"
#include "PEVBaseUnknownRfHndlr.h"

class ORVTestShape : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTestShape)

public:
  explicit ORVTestShape(std::string iName = "") : _Name(std::move(iName)) { ++_LiveCount; }
  // Out of line: inlined into a test's Release of a member shape, GCC warns of a delete
  // at an offset (the count never reaches 0 there).
  ~ORVTestShape() override;

  const std::string& GetName() const { return _Name; }

  static inline int _LiveCount = 0;
  // Names of the destroyed shapes, in order of destruction.
  static inline std::vector<std::string> _DestroyedNames;

private:
  std::string _Name;
};

class ORVTestCircle : public ORVTestShape {
  ORV_META_OBJECT(ORVTestCircle)

public:
  using ORVTestShape::ORVTestShape;
};

class ORVTestSquare : public ORVTestShape {
  ORV_META_OBJECT(ORVTestSquare)

public:
  using ORVTestShape::ORVTestShape;
};

ORV_RFHNDLR(ORVTestShape, PEVBaseUnknownRfHndlr);
ORV_RFHNDLR(ORVTestCircle, ORVTestShapeRfHndlr);
