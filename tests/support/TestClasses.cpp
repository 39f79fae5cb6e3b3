#include "TestClasses.h"

ORV_META_OBJECT_DEFINE(ORVTestShape, PEVBaseUnknown)
ORV_META_OBJECT_DEFINE(ORVTestCircle, ORVTestShape)
ORV_META_OBJECT_DEFINE(ORVTestSquare, ORVTestShape)
ORV_RFHNDLR_DEFINE(ORVTestShape)
ORV_RFHNDLR_DEFINE(ORVTestCircle)

ORVTestShape::~ORVTestShape() {
  --_LiveCount;
  _DestroyedNames.push_back(_Name);
}
