#include "ORVCOMNet.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ORVCBErrorTranslators.h"
#include "ORVCBTrace.h"
#include "ORVCOMNetInternal.h"

namespace {

const int kBacklog = 20;

int _StartCount = 0;
// The number, not the table entry: the next lookup overwrites the entry.
int _Protocol = 0;

bool TrySetOption(int iSocket, int iOption) {
  int on = 1;
  if (setsockopt(iSocket, SOL_SOCKET, iOption, &on, sizeof on) == 0) return true;
  sock_error(__FILE__, __LINE__, SOCK_SETOPT, nullptr);
  return false;
}

sockaddr_in AnyAddress(int iPort) {
  sockaddr_in address;
  memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  return address;
}

bool Bind(int iSocket, int iPort) {
  sockaddr_in address = AnyAddress(iPort);
  return bind(iSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

int NewStreamSocket(int iProtocol) {
  int fd = socket(AF_INET, SOCK_STREAM, iProtocol);
  if (fd < 0) sock_error(__FILE__, __LINE__, SOCK_SOCKET, nullptr);
  return fd;
}

// Tries 23400..23499 until one binds and listens; the socket, or -1 with FULL recorded.
int ListenOnAutomaticPort() {
  for (int port = NET_DEFAULT_PORT; port <= NET_LAST_AUTOMATIC_PORT; ++port) {
    int fd = NewStreamSocket(0);
    if (fd < 0) return -1;
    if (!TrySetOption(fd, SO_REUSEADDR)) {
      NetCloseQuietly(fd);
      return -1;
    }
    // With SO_REUSEADDR, bind may succeed on a port that listen then finds in use.
    bool listening = Bind(fd, port) && listen(fd, kBacklog) == 0;
    if (listening) return fd;
    NetCloseQuietly(fd);
  }
  com_error(__FILE__, __LINE__, COM_FULL, nullptr);
  return -1;
}

int ListenOnPort(int iPort) {
  char portText[16];
  snprintf(portText, sizeof portText, "%d", iPort);
  int fd = NewStreamSocket(0);
  if (fd < 0) return -1;
  if (!TrySetOption(fd, SO_REUSEADDR)) {
    NetCloseQuietly(fd);
    return -1;
  }
  if (!Bind(fd, iPort)) {
    sock_error(__FILE__, __LINE__, SOCK_BIND, portText);
    NetCloseQuietly(fd);
    return -1;
  }
  if (listen(fd, kBacklog) != 0) {
    sock_error(__FILE__, __LINE__, SOCK_LISTEN, portText);
    NetCloseQuietly(fd);
    return -1;
  }
  return fd;
}

bool ValidPort(int iPort) {
  return iPort >= 1 && iPort <= 65535;
}

int BoundPort(int iSocket) {
  sockaddr_in address;
  socklen_t length = sizeof address;
  if (getsockname(iSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return -1;
  return ntohs(address.sin_port);
}

// connect, completed by waiting when a signal interrupts it: calling connect again
// would answer EALREADY or EISCONN.
int Connect(int iSocket, const sockaddr_in& iAddress) {
  if (connect(iSocket, reinterpret_cast<const sockaddr*>(&iAddress), sizeof iAddress) == 0)
    return 0;
  if (errno != EINTR) return -1;
  pollfd waiting = {iSocket, POLLOUT, 0};
  while (poll(&waiting, 1, -1) < 0)
    if (errno != EINTR) return -1;
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(iSocket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return -1;
  if (error == 0) return 0;
  errno = error;
  return -1;
}

}  // namespace

int NetClose(int iSocket) {
  shutdown(iSocket, SHUT_RDWR);
  // Linux releases the descriptor even when close answers EINTR: never retry it.
  if (close(iSocket) == 0 || errno == EINTR) return 0;
  return -1;
}

void NetCloseQuietly(int iSocket) {
  int saved = errno;
  NetClose(iSocket);
  errno = saved;
}

void NetCloseReported(int iSocket) {
  if (NetClose(iSocket) != 0) sock_error(__FILE__, __LINE__, SOCK_CLOSE, nullptr);
}

int net_start(void) {
  if (_StartCount < 1) {
    const protoent* entry = getprotobyname("ip");
    _Protocol = entry ? entry->p_proto : 0;
  }
  ++_StartCount;
  return 0;
}

void net_stop(void) {
  if (_StartCount > 0) --_StartCount;
  if (_StartCount > 0) return;
  endhostent();
  endprotoent();
}

int net_serv_start(int* ioPort) {
  int requested = *ioPort == 0 ? NET_DEFAULT_PORT : *ioPort;
  if (requested != NET_AUTOMATIC_PORT && !ValidPort(requested)) {
    char portText[16];
    snprintf(portText, sizeof portText, "%d", requested);
    errno = ERANGE;
    sock_error(__FILE__, __LINE__, SOCK_BIND, portText);
    return -1;
  }
  int fd = requested == NET_AUTOMATIC_PORT ? ListenOnAutomaticPort() : ListenOnPort(requested);
  if (fd >= 0) *ioPort = BoundPort(fd);
  return fd;
}

void net_serv_stop(int iListeningSocket) {
  NetCloseReported(iListeningSocket);
}

int net_serv_open(int iListeningSocket) {
  sockaddr_in peer;
  socklen_t length;
  int fd;
  do {
    length = sizeof peer;
    fd = accept(iListeningSocket, reinterpret_cast<sockaddr*>(&peer), &length);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    sock_error(__FILE__, __LINE__, SOCK_ACCEPT, nullptr);
    return -1;
  }
  if (!TrySetOption(fd, SO_KEEPALIVE)) {
    NetCloseQuietly(fd);
    return -1;
  }
  trc_print("net", "CLIENT 0x%08x %d\n", ntohl(peer.sin_addr.s_addr), ntohs(peer.sin_port));
  return fd;
}

void net_serv_close(int iSocket) {
  NetCloseReported(iSocket);
}

int net_clnt_start(const char* iHost, int iPort) {
  const char* host = iHost ? iHost : "";
  int port = iPort == 0 ? NET_DEFAULT_PORT : iPort;
  char target[300];
  snprintf(target, sizeof target, "%s:%d", host, port);
  const hostent* entry = iHost ? gethostbyname(iHost) : nullptr;
  if (!entry) {
    com_error(__FILE__, __LINE__, COM_HOST_ADD, host);
    return -1;
  }
  if (entry->h_addrtype != AF_INET || entry->h_length != 4 || !entry->h_addr_list[0]) {
    com_error(__FILE__, __LINE__, COM_HOST_FORMAT, host);
    return -1;
  }
  sockaddr_in server = AnyAddress(0);
  memcpy(&server.sin_addr, entry->h_addr_list[0], 4);
  if (!ValidPort(port)) {
    errno = ERANGE;
    sock_error(__FILE__, __LINE__, SOCK_CONNECT, target);
    return -1;
  }
  server.sin_port = htons(static_cast<uint16_t>(port));

  int fd = NewStreamSocket(_Protocol);
  if (fd < 0) return -1;
  if (!TrySetOption(fd, SO_KEEPALIVE)) {
    NetCloseQuietly(fd);
    return -1;
  }
  if (!Bind(fd, 0)) {
    sock_error(__FILE__, __LINE__, SOCK_BIND, nullptr);
    NetCloseQuietly(fd);
    return -1;
  }
  if (Connect(fd, server) != 0) {
    sock_error(__FILE__, __LINE__, SOCK_CONNECT, target);
    NetCloseQuietly(fd);
    return -1;
  }
  return fd;
}

void net_clnt_stop(int iSocket) {
  NetCloseReported(iSocket);
}

int net_dos_search(void*, void** oResult) {
  *oResult = nullptr;
  return 0;
}
