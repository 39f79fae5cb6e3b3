// The program's send and recv, counted per thread. Kept apart from <sys/socket.h>,
// whose declarations may carry wrappers of their own.
#include "BenchSocketCalls.h"

#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>

namespace {

thread_local BenchSocketCalls _Calls;

}  // namespace

BenchSocketCalls BenchSocketCallsOfThread() {
  return _Calls;
}

extern "C" ssize_t send(int iSocket, const void* iData, size_t iBytes, int iFlags) {
  ++_Calls._Sends;
  return syscall(SYS_sendto, iSocket, iData, iBytes, iFlags, nullptr, 0);
}

extern "C" ssize_t recv(int iSocket, void* oData, size_t iBytes, int iFlags) {
  ++_Calls._Receives;
  return syscall(SYS_recvfrom, iSocket, oData, iBytes, iFlags, nullptr, nullptr);
}
