// ORVInputCheckError.h - the failures of the input value checkers, made in one way.
//
// ORV_INPUT_CHECK_ERROR(request, diagnostic, advice) makes the library's failure (see
// ORVLibraryError.h) with the caller's request at the place of the call.
// ORVInputCheckSuccess() is the success code.
#pragma once

#include "ORVLibraryError.h"

#define ORV_INPUT_CHECK_ERROR(request, diagnostic, advice) \
  ORVMakeLibraryError(__FILE__, __LINE__, request, diagnostic, advice)

inline long ORVInputCheckSuccess() {
  return ORVLibrarySuccess();
}
