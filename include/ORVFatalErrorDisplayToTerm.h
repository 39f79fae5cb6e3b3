// ORVFatalErrorDisplayToTerm.h - fatal reports written to the standard error stream.
#pragma once

#include "ORVFatalErrorDisplay.h"

class ORV_EXPORT ORVFatalErrorDisplayToTerm : public ORVFatalErrorDisplay {
  ORV_META_OBJECT(ORVFatalErrorDisplayToTerm)

public:
  // ORVStderr.
  ORVOFStream& GetOutputStream() override;
  // Nothing to do: the report is already on the terminal.
  void Display() override;
};
