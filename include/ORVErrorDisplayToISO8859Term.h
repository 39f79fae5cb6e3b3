// ORVErrorDisplayToISO8859Term.h - errors written to the terminal as 8-bit (UTF-8) text.
//
// Critical and fatal errors go to ORVStderr, warnings and information to ORVStdout;
// the stream is flushed after each error.
#pragma once

#include "ORVErrorDisplayToTerm.h"

class ORV_EXPORT ORVErrorDisplayToISO8859Term : public ORVErrorDisplayToTerm {
  ORV_META_OBJECT(ORVErrorDisplayToISO8859Term)

public:
  void Display(PEVError& iError) override;
};
