// MessagesTestSupport.h - helpers shared by the tests of messages, displays and errors.
#pragma once

#include "ORVNLSMsgBldrFromString.h"
#include "PEVError.h"
#include "SuiteHelpers.h"

// A builder of the ready text iText, named iCatalog and iKey.
inline ORVNLSMsgBldrRfHndlr Text(const char* iText, const char* iCatalog = "CAT",
                                 const char* iKey = "KEY") {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, iCatalog, iKey));
  return builder;
}

// The last error of iCode, null without one; the reference it hands out is given back at
// once (the last error keeps its own).
inline PEVError* LastErrorOf(long iCode) {
  PEVError* last = PEVError::PEVGetLastError(iCode, nullptr);
  if (last) last->Release();
  return last;
}

// No message.
inline const ORVNLSMsgBldrRfHndlr kNone;

// The global display of TDisplay is the one set last, holds no reference and is forgotten
// when destroyed; asked for with none set it is fatal.
template <class TDisplay, class TConcrete>
void ExpectGlobalIsTheOneSetLast(const char* iSource) {
  auto *first = new TConcrete(), *second = new TConcrete();
  TDisplay::SetGlobal(*first);
  TDisplay::SetGlobal(*second);
  EXPECT_EQ(TDisplay::GetGlobal(), second);
  EXPECT_EQ(first->GetRefCount(), 1u);
  first->Release();
  EXPECT_EQ(TDisplay::GetGlobal(), second);
  second->Release();
  ExpectFatal([] { TDisplay::GetGlobal(); }, "A global object displayer should have been set",
              iSource);
}
