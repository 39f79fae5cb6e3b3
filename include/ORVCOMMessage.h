/* ORVCOMMessage.h - the wire format of messages and their exchange over connections.
 *
 * Fields are 32-bit big-endian words; strings carry their length with the zero byte,
 * and every field is padded to 4 bytes. A frame is the message type (0 to 10), the
 * frame length (header included) and the fields the type's output converter writes.
 * Time values travel as 32 bits (read back sign-extended): the format ends in 2038.
 *
 * A connection owns its socket, a receive queue and a send queue. A received frame
 * that cannot be decoded marks its connection failed (every later step answers -1);
 * the caller closes it. The converter tables and the first-start flag are
 * process-wide and unlocked: use the layer from one thread. */
#pragma once

#include <time.h>

#include "ORVCOMMessageQueue.h"
#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { MSG_TYPE_COUNT = 11, MSG_HEADER_SIZE = 8 };

/* Copy iBytes bytes out of (reader) or into (writer) iContext; negative on failure. */
typedef int (*msg_reader)(void* iContext, int iBytes, void* oAddress);
typedef int (*msg_writer)(void* iContext, int iBytes, const void* iAddress);

/* Builds the message of a frame from its iPayload bytes read through iReader; null on
 * failure. The message starts with its int type, which the layer fills in. */
typedef void* (*msg_input_converter)(int iPayload, msg_reader iReader, void* iContext);
/* Writes iMessage's fields through iWriter; negative on failure. */
typedef int (*msg_output_converter)(const void* iMessage, msg_writer iWriter, void* iContext);
/* Receives each decoded message, which then belongs to it. It may not close the
 * connection it was called for. A connection that receives needs one: without it the
 * layer cannot free what the input converter built. */
typedef void (*msg_handler)(void* iMessage, void* iArgument);

typedef struct msg_connection {
  int socket;
  mq receive;
  mq send;
  msg_handler handler;
  /* 1 once a received frame failed to decode: the stream is out of step. */
  int failed;
  /* "address:port" of the peer, noted at connection time for the error texts (a reset
   * connection no longer tells it); empty in a connection built by hand. */
  char peer[32];
} msg_connection;

/* Between host and wire order; ec_long_convert works on the low 32 bits and
 * sign-extends its result. */
ORV_EXPORT int ec_int_convert(int iValue);
ORV_EXPORT long ec_long_convert(long iValue);

/* Field encoders and decoders: 0, or -1 at the first callback failure. */
ORV_EXPORT int msg_int_get(msg_reader iReader, void* iContext, int* oValue);
ORV_EXPORT int msg_int_put(int iValue, msg_writer iWriter, void* iContext);
ORV_EXPORT int msg_unsigned_get(msg_reader iReader, void* iContext, unsigned int* oValue);
ORV_EXPORT int msg_unsigned_put(unsigned int iValue, msg_writer iWriter, void* iContext);
ORV_EXPORT int msg_time_get(msg_reader iReader, void* iContext, time_t* oValue);
ORV_EXPORT int msg_time_put(time_t iValue, msg_writer iWriter, void* iContext);
/* Reads a string to *ioCursor, which then moves past it; a length of 0 or less gives
 * a null *oResult. -1 when the text does not end with its zero byte. The storage must
 * hold the text: prefer msg_string_get_bounded for anything a peer sends. */
ORV_EXPORT int msg_string_get(msg_reader iReader, void* iContext, char** ioCursor, char** oResult);
/* The same within *ioRoom bytes at *ioCursor (both advance); -1, nothing written, for a
 * text longer than the room. Storage of the payload's size always suffices. */
ORV_EXPORT int msg_string_get_bounded(msg_reader iReader, void* iContext, char** ioCursor,
                                      int* ioRoom, char** oResult);
/* A null iText is written as the empty string. */
ORV_EXPORT int msg_string_put(const char* iText, msg_writer iWriter, void* iContext);
/* Reads iBytes raw bytes to *ioCursor (which moves past them), then their padding. */
ORV_EXPORT int msg_text_get(msg_reader iReader, void* iContext, int iBytes, char** ioCursor,
                            char** oResult);
ORV_EXPORT int msg_text_get_bounded(msg_reader iReader, void* iContext, int iBytes, char** ioCursor,
                                    int* ioRoom, char** oResult);
ORV_EXPORT int msg_text_put(const void* iData, int iBytes, msg_writer iWriter, void* iContext);

/* Converter registry. A type outside 0..10 is a fatal programming error. */
ORV_EXPORT int msg_register(int iType, msg_input_converter iInput, msg_output_converter iOutput);

/* The first of msg_srv_start and msg_clnt_start in a process clears the tables. */
ORV_EXPORT int msg_srv_start(int* ioPort);
ORV_EXPORT void msg_srv_stop(int iListeningSocket);
ORV_EXPORT msg_connection* msg_srv_open(int iListeningSocket, msg_handler iHandler);
ORV_EXPORT void msg_srv_close(msg_connection* iConnection);
ORV_EXPORT msg_connection* msg_clnt_start(const char* iHost, int iPort, msg_handler iHandler);
ORV_EXPORT void msg_clnt_stop(msg_connection* iConnection);

/* Queues the frame of iMessage; with iWait, sends the whole send queue. 1 when queued
 * without waiting, 0 when sent, -1 on failure. A type without output converter is a
 * fatal programming error. */
ORV_EXPORT int msg_send(const void* iMessage, msg_connection* ioConnection, int iWait);
/* One send call for the first queued frame: 0, or -1 on a socket error. */
ORV_EXPORT int msg_send_process(msg_connection* ioConnection);
/* Queues the reception of one frame; with iWait, receives until the queue is empty:
 * the last receive's byte count, 0 when the peer closed, -1 on failure. */
ORV_EXPORT int msg_recv(msg_connection* ioConnection, void* iArgument, int iWait);
/* One receive call: the bytes received (1 with nothing queued), 0 when the peer
 * closed, -1 on failure. A complete frame is decoded and handed to the handler. */
ORV_EXPORT int msg_recv_process(msg_connection* ioConnection, void* iArgument);

#ifdef __cplusplus
}
#endif
