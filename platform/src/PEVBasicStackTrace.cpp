#include "PEVBasicStackTrace.h"

#include <cxxabi.h>
#include <execinfo.h>
#include <cstdlib>
#include <cstring>

namespace {

// Prints "module(mangled+offset) [address]" with the mangled name demangled.
void PrintSymbolLine(FILE* iStream, int iNumber, const char* iSymbolLine) {
  const char* open = strchr(iSymbolLine, '(');
  const char* plus = open ? strchr(open, '+') : nullptr;
  if (!open || !plus || plus == open + 1) {
    fprintf(iStream, "#%d %s\n", iNumber, iSymbolLine);
    return;
  }
  char* mangled = strndup(open + 1, (std::size_t)(plus - open - 1));
  int status = -1;
  char* demangled = mangled ? abi::__cxa_demangle(mangled, nullptr, nullptr, &status) : nullptr;
  const char* name = status == 0 && demangled ? demangled : mangled;
  fprintf(iStream, "#%d %.*s(%s%s\n", iNumber, (int)(open - iSymbolLine), iSymbolLine,
          name ? name : "?", plus);
  free(demangled);
  free(mangled);
}

}  // namespace

void PEVBasicStackTrace::Print(FILE* iStream, int iSkipFrames, int iAddressesOnly) const {
  if (!iStream) return;
  int first = iSkipFrames > 0 ? iSkipFrames : 0;
  int count = GetFrameCount() - first;
  if (count <= 0) return;
  void* const* frames = GetFrames() + first;
  fputs("Stack trace:\n", iStream);
  char** symbols = iAddressesOnly ? nullptr : backtrace_symbols(frames, count);
  if (!symbols) {
    // Without memory for names the addresses still go out, straight to the descriptor.
    fflush(iStream);
    backtrace_symbols_fd(frames, count, fileno(iStream));
    return;
  }
  for (int i = 0; i < count; ++i)
    PrintSymbolLine(iStream, i, symbols[i]);
  free(symbols);
}
