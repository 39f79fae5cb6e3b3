// ORVCmdLnError.h - the failures of the command-line classes, made in one way.
//
// ORV_CMDLN_ERROR(fragment, diagnostic, advice) makes the library's failure (see
// ORVLibraryError.h) whose request is ORVBC "0013" on the fragment of the command line
// at fault, at the place of the call. ORVCmdLnSuccess() is the success code.
#pragma once

#include "ORVLibraryError.h"
#include "PEVUnicodeString.h"

#define ORV_CMDLN_ERROR(fragment, diagnostic, advice)                                              \
  ORVMakeLibraryError(__FILE__, __LINE__, ORVMakeCatalogMessage<ORVBC_0013>(fragment), diagnostic, \
                      advice)

inline long ORVCmdLnSuccess() {
  return ORVLibrarySuccess();
}
