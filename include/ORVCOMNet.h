/* ORVCOMNet.h - TCP/IPv4 sockets of servers and clients: listening with automatic port
 * choice, accepting, connecting, closing.
 *
 * Sockets are blocking. A failure is recorded (sock_error or com_error, severity 2) and
 * answered by -1; nothing a peer does ends the process. The start count and the
 * protocol number are process-wide and unlocked: use the layer from one thread. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { NET_DEFAULT_PORT = 23400, NET_LAST_AUTOMATIC_PORT = 23499, NET_AUTOMATIC_PORT = -1 };

/* Counts a start; the first looks the protocol "ip" up (0, the system's default for
 * TCP, when the table lacks it). Returns 0. */
ORV_EXPORT int net_start(void);
/* Undoes one start; the last closes the host and protocol databases. */
ORV_EXPORT void net_stop(void);

/* Listens on *ioPort (-1: the first free of 23400..23499; 0: 23400) and stores the
 * port bound back; the listening socket, or -1. */
ORV_EXPORT int net_serv_start(int* ioPort);
ORV_EXPORT void net_serv_stop(int iListeningSocket);
/* The socket of the next client, or -1 (the listening socket stays open). */
ORV_EXPORT int net_serv_open(int iListeningSocket);
ORV_EXPORT void net_serv_close(int iSocket);
/* A socket connected to iHost at iPort (0: 23400), or -1. */
ORV_EXPORT int net_clnt_start(const char* iHost, int iPort);
ORV_EXPORT void net_clnt_stop(int iSocket);
/* Stores null in *oResult; returns 0. */
ORV_EXPORT int net_dos_search(void* iIgnored, void** oResult);

#ifdef __cplusplus
}
#endif
