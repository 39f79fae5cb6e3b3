// ORVCOMNetInternal.h - socket closing shared by the socket and message layers.
#pragma once

// shutdown both ways, then one close; 0, or -1 with errno.
int NetClose(int iSocket);
// The same while cleaning up after another failure: nothing reported, errno kept.
void NetCloseQuietly(int iSocket);
// The same, a failure recorded as a CLOSE socket error.
void NetCloseReported(int iSocket);
