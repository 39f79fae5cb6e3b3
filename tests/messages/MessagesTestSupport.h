// MessagesTestSupport.h - helpers shared by the tests of messages, displays and errors.
#pragma once

#include "ORVNLSMsgBldrFromString.h"
#include "SuiteHelpers.h"

// A builder of the ready text iText, named iCatalog and iKey.
inline ORVNLSMsgBldrRfHndlr Text(const char* iText, const char* iCatalog = "CAT",
                                 const char* iKey = "KEY") {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, iCatalog, iKey));
  return builder;
}

// No message.
inline const ORVNLSMsgBldrRfHndlr kNone;
