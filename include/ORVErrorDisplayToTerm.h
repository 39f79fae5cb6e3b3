// ORVErrorDisplayToTerm.h - the text of an error as a terminal shows it.
//
// BuildMsgTxt lays out the request, a marker line by severity ("#ERR# " critical,
// "#ERR# FATAL ERROR " with file and line for fatal, "!WNG! " warning, none for
// information and any other type) with catalog and key ("..." when missing) and the
// diagnostic, then the advice, and ends with an empty line.
#pragma once

#include "ORVErrorDisplay.h"
#include "PEVUnicodeString.h"

class ORV_EXPORT ORVErrorDisplayToTerm : public ORVErrorDisplay {
  ORV_META_OBJECT(ORVErrorDisplayToTerm)

public:
  virtual void BuildMsgTxt(PEVError& iError, PEVUnicodeString& oText);
};
