#include "ORVCOMMessage.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"
#include "ORVCBMemory.h"
#include "ORVCBPerformance.h"
#include "ORVCOMNet.h"
#include "ORVCOMNetInternal.h"

namespace {

msg_input_converter _Input[MSG_TYPE_COUNT];
msg_output_converter _Output[MSG_TYPE_COUNT];
bool _Started = false;

perf_counter _RecvCounter = {"recv", 0, 0, 0, 0, nullptr, 0};
perf_counter _SendCounter = {"send", 0, 0, 0, 0, nullptr, 0};

// Set by the frame writer when the buffer refused bytes, so that a converter that
// ignores its writer's result cannot queue a truncated frame. Connections may live in
// different threads.
thread_local bool _InsertFailed = false;

int Padding(int iBytes) {
  return (4 - iBytes % 4) % 4;
}

int PutWord(uint32_t iValue, msg_writer iWriter, void* iContext) {
  unsigned char bytes[4] = {
      static_cast<unsigned char>(iValue >> 24), static_cast<unsigned char>(iValue >> 16),
      static_cast<unsigned char>(iValue >> 8), static_cast<unsigned char>(iValue)};
  return iWriter(iContext, 4, bytes) < 0 ? -1 : 0;
}

int GetWord(msg_reader iReader, void* iContext, uint32_t* oValue) {
  unsigned char bytes[4];
  if (iReader(iContext, 4, bytes) < 0) return -1;
  *oValue = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
            uint32_t(bytes[3]);
  return 0;
}

int PutPadding(int iBytes, msg_writer iWriter, void* iContext) {
  static const char kZeros[4] = {0, 0, 0, 0};
  int padding = Padding(iBytes);
  if (padding == 0) return 0;
  return iWriter(iContext, padding, kZeros) < 0 ? -1 : 0;
}

int SkipPadding(int iBytes, msg_reader iReader, void* iContext) {
  char scratch[4];
  int padding = Padding(iBytes);
  if (padding == 0) return 0;
  return iReader(iContext, padding, scratch) < 0 ? -1 : 0;
}

// Reads iBytes to *ioCursor and its padding; within *ioRoom when a room is given.
int GetBytes(msg_reader iReader, void* iContext, int iBytes, char** ioCursor, int* ioRoom,
             char** oResult) {
  if (iBytes < 0 || (ioRoom && iBytes > *ioRoom)) return -1;
  if (iBytes > 0 && iReader(iContext, iBytes, *ioCursor) < 0) return -1;
  if (SkipPadding(iBytes, iReader, iContext) < 0) return -1;
  *oResult = *ioCursor;
  *ioCursor += iBytes;
  if (ioRoom) *ioRoom -= iBytes;
  return 0;
}

int GetString(msg_reader iReader, void* iContext, char** ioCursor, int* ioRoom, char** oResult) {
  *oResult = nullptr;
  uint32_t word;
  if (GetWord(iReader, iContext, &word) < 0) return -1;
  int length = static_cast<int32_t>(word);
  if (length <= 0) return 0;
  char* text = *ioCursor;
  char* result;
  int room = ioRoom ? *ioRoom : 0;
  if (GetBytes(iReader, iContext, length, ioCursor, ioRoom ? &room : nullptr, &result) < 0)
    return -1;
  if (text[length - 1] != '\0') {
    *ioCursor = text;
    return -1;
  }
  if (ioRoom) *ioRoom = room;
  *oResult = result;
  return 0;
}

// The readers and writers a frame's converters get: the buffer is the context.
int FrameRead(void* iContext, int iBytes, void* oAddress) {
  mq_buf* frame = static_cast<mq_buf*>(iContext);
  if (iBytes < 0 || iBytes > frame->count) return -1;
  return mq_buf_extract(frame, iBytes, oAddress);
}

int FrameWrite(void* iContext, int iBytes, const void* iAddress) {
  if (mq_buf_insert(static_cast<mq_buf*>(iContext), iBytes, iAddress) == 0) return 0;
  _InsertFailed = true;
  return -1;
}

void ClearTablesOnFirstStart() {
  if (_Started) return;
  _Started = true;
  memset(_Input, 0, sizeof _Input);
  memset(_Output, 0, sizeof _Output);
}

// "address:port" of the peer, or "socket N" when it has no Internet address.
void DescribePeer(int iSocket, char* oText, size_t iSize) {
  sockaddr_in peer;
  socklen_t length = sizeof peer;
  if (getpeername(iSocket, reinterpret_cast<sockaddr*>(&peer), &length) != 0 ||
      peer.sin_family != AF_INET) {
    snprintf(oText, iSize, "socket %d", iSocket);
    return;
  }
  char address[INET_ADDRSTRLEN];
  inet_ntop(AF_INET, &peer.sin_addr, address, sizeof address);
  snprintf(oText, iSize, "%s:%d", address, ntohs(peer.sin_port));
}

msg_connection* NewConnection(int iSocket, msg_handler iHandler) {
  if (iSocket < 0) return nullptr;
  msg_connection* connection = static_cast<msg_connection*>(mem_alloc(sizeof(msg_connection)));
  if (!connection) {
    NetCloseQuietly(iSocket);
    return nullptr;
  }
  connection->socket = iSocket;
  connection->handler = iHandler;
  connection->failed = 0;
  DescribePeer(iSocket, connection->peer, sizeof connection->peer);
  mq_create(&connection->receive);
  mq_create(&connection->send);
  return connection;
}

void FreeConnection(msg_connection* iConnection) {
  mq_delete(&iConnection->receive);
  mq_delete(&iConnection->send);
  mem_free(iConnection);
}

void TransferError(int iOperation, const msg_connection& iConnection) {
  int saved = errno;
  char peer[sizeof iConnection.peer];
  if (iConnection.peer[0])
    snprintf(peer, sizeof peer, "%s", iConnection.peer);
  else
    DescribePeer(iConnection.socket, peer, sizeof peer);
  errno = saved;
  sock_error(__FILE__, __LINE__, iOperation, peer);
}

// A frame the stream cannot go on from: freed, and the connection marked failed.
int RejectFrame(msg_connection* ioConnection) {
  com_error(__FILE__, __LINE__, COM_INPUT_CONV, nullptr);
  mq_remove(&ioConnection->receive);
  ioConnection->failed = 1;
  return -1;
}

// The first buffer of the receive queue is complete: a header that announces more
// bytes (0, the buffer enlarged), or a whole frame handed to the handler (1).
int ProcessFrame(msg_connection* ioConnection, mq_buf* ioFrame, void* iArgument) {
  mq_buf_extract_open(ioFrame);
  uint32_t typeWord = 0;
  uint32_t lengthWord = 0;
  GetWord(FrameRead, ioFrame, &typeWord);
  GetWord(FrameRead, ioFrame, &lengthWord);
  int type = static_cast<int32_t>(typeWord);
  int length = static_cast<int32_t>(lengthWord);
  if (type < 0 || type >= MSG_TYPE_COUNT || !_Input[type]) return RejectFrame(ioConnection);
  if (length < MSG_HEADER_SIZE || length > mq_max_frame_size()) return RejectFrame(ioConnection);
  if (ioFrame->size < length) {
    mq_buf_extract_close(ioFrame);
    if (mq_buf_resize(ioFrame, length) != 0) return RejectFrame(ioConnection);
    return 0;
  }
  void* message = _Input[type](length - MSG_HEADER_SIZE, FrameRead, ioFrame);
  if (!message) return RejectFrame(ioConnection);
  *static_cast<int*>(message) = type;
  // Detached first: the handler may queue or send, but finds no half-read frame.
  mq_buf_free(mq_detach(&ioConnection->receive));
  if (ioConnection->handler) ioConnection->handler(message, iArgument);
  return 1;
}

}  // namespace

int ec_int_convert(int iValue) {
  return static_cast<int>(ntohl(static_cast<uint32_t>(iValue)));
}

long ec_long_convert(long iValue) {
  return static_cast<int32_t>(ntohl(static_cast<uint32_t>(iValue)));
}

int msg_int_get(msg_reader iReader, void* iContext, int* oValue) {
  uint32_t word;
  if (GetWord(iReader, iContext, &word) < 0) return -1;
  *oValue = static_cast<int32_t>(word);
  return 0;
}

int msg_int_put(int iValue, msg_writer iWriter, void* iContext) {
  return PutWord(static_cast<uint32_t>(iValue), iWriter, iContext);
}

int msg_unsigned_get(msg_reader iReader, void* iContext, unsigned int* oValue) {
  uint32_t word;
  if (GetWord(iReader, iContext, &word) < 0) return -1;
  *oValue = word;
  return 0;
}

int msg_unsigned_put(unsigned int iValue, msg_writer iWriter, void* iContext) {
  return PutWord(iValue, iWriter, iContext);
}

int msg_time_get(msg_reader iReader, void* iContext, time_t* oValue) {
  uint32_t word;
  if (GetWord(iReader, iContext, &word) < 0) return -1;
  *oValue = static_cast<int32_t>(word);
  return 0;
}

int msg_time_put(time_t iValue, msg_writer iWriter, void* iContext) {
  return PutWord(static_cast<uint32_t>(iValue), iWriter, iContext);
}

int msg_string_get(msg_reader iReader, void* iContext, char** ioCursor, char** oResult) {
  return GetString(iReader, iContext, ioCursor, nullptr, oResult);
}

int msg_string_get_bounded(msg_reader iReader, void* iContext, char** ioCursor, int* ioRoom,
                           char** oResult) {
  return GetString(iReader, iContext, ioCursor, ioRoom, oResult);
}

int msg_string_put(const char* iText, msg_writer iWriter, void* iContext) {
  const char* text = iText ? iText : "";
  size_t length = strlen(text) + 1;
  if (length > size_t(INT_MAX) - 3) return -1;
  int bytes = static_cast<int>(length);
  if (PutWord(static_cast<uint32_t>(bytes), iWriter, iContext) < 0) return -1;
  if (iWriter(iContext, bytes, text) < 0) return -1;
  return PutPadding(bytes, iWriter, iContext);
}

int msg_text_get(msg_reader iReader, void* iContext, int iBytes, char** ioCursor, char** oResult) {
  return GetBytes(iReader, iContext, iBytes, ioCursor, nullptr, oResult);
}

int msg_text_get_bounded(msg_reader iReader, void* iContext, int iBytes, char** ioCursor,
                         int* ioRoom, char** oResult) {
  return GetBytes(iReader, iContext, iBytes, ioCursor, ioRoom, oResult);
}

int msg_text_put(const void* iData, int iBytes, msg_writer iWriter, void* iContext) {
  if (iBytes < 0) return -1;
  if (iBytes > 0 && iWriter(iContext, iBytes, iData) < 0) return -1;
  return PutPadding(iBytes, iWriter, iContext);
}

int msg_register(int iType, msg_input_converter iInput, msg_output_converter iOutput) {
  if (iType < 0 || iType >= MSG_TYPE_COUNT)
    err_prog(__FILE__, __LINE__, "Wrong message type (%d)", iType);
  _Input[iType] = iInput;
  _Output[iType] = iOutput;
  return 0;
}

int msg_srv_start(int* ioPort) {
  ClearTablesOnFirstStart();
  return net_serv_start(ioPort);
}

void msg_srv_stop(int iListeningSocket) {
  net_serv_stop(iListeningSocket);
}

msg_connection* msg_srv_open(int iListeningSocket, msg_handler iHandler) {
  return NewConnection(net_serv_open(iListeningSocket), iHandler);
}

void msg_srv_close(msg_connection* iConnection) {
  if (!iConnection) return;
  net_serv_close(iConnection->socket);
  FreeConnection(iConnection);
}

msg_connection* msg_clnt_start(const char* iHost, int iPort, msg_handler iHandler) {
  ClearTablesOnFirstStart();
  return NewConnection(net_clnt_start(iHost, iPort), iHandler);
}

void msg_clnt_stop(msg_connection* iConnection) {
  if (!iConnection) return;
  net_clnt_stop(iConnection->socket);
  FreeConnection(iConnection);
}

int msg_send(const void* iMessage, msg_connection* ioConnection, int iWait) {
  int type = *static_cast<const int*>(iMessage);
  if (type < 0 || type >= MSG_TYPE_COUNT || !_Output[type])
    err_prog(__FILE__, __LINE__, "Undefined converter for output message type %d", type);
  mq_buf* frame = mq_buf_alloc(0);
  if (!frame) return -1;
  _InsertFailed = false;
  bool built = PutWord(static_cast<uint32_t>(type), FrameWrite, frame) == 0 &&
               PutWord(0, FrameWrite, frame) == 0 &&
               _Output[type](iMessage, FrameWrite, frame) >= 0 && !_InsertFailed;
  if (!built) {
    mq_buf_free(frame);
    return -1;
  }
  uint32_t length = static_cast<uint32_t>(mq_buf_insert_close(frame));
  unsigned char* lengthField = reinterpret_cast<unsigned char*>(frame->data) + 4;
  for (int i = 0; i < 4; ++i)
    lengthField[i] = static_cast<unsigned char>(length >> (24 - 8 * i));
  mq_add(&ioConnection->send, frame);
  if (!iWait) return 1;
  while (mq_length(&ioConnection->send) > 0)
    if (msg_send_process(ioConnection) < 0) return -1;
  return 0;
}

int msg_send_process(msg_connection* ioConnection) {
  mq_buf* frame = mq_peek(&ioConnection->send);
  if (!frame) return 0;
  ssize_t sent;
  perf_begin(&_SendCounter);
  do {
    sent = send(ioConnection->socket, frame->data + (frame->size - frame->count), frame->count,
                MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  int error = errno;
  perf_end(&_SendCounter);
  if (sent < 0) {
    if (error == EAGAIN || error == EWOULDBLOCK) return 0;
    errno = error;
    TransferError(SOCK_SEND, *ioConnection);
    return -1;
  }
  frame->count -= static_cast<int>(sent);
  if (frame->count == 0) mq_remove(&ioConnection->send);
  return 0;
}

int msg_recv(msg_connection* ioConnection, void* iArgument, int iWait) {
  if (ioConnection->failed) return -1;
  mq_buf* header = mq_buf_alloc(MSG_HEADER_SIZE);
  if (!header) return -1;
  mq_add(&ioConnection->receive, header);
  if (!iWait) return 1;
  int result = 1;
  while (mq_length(&ioConnection->receive) > 0) {
    result = msg_recv_process(ioConnection, iArgument);
    if (result < 0) return -1;
  }
  return result;
}

int msg_recv_process(msg_connection* ioConnection, void* iArgument) {
  if (ioConnection->failed) return -1;
  mq_buf* buffer = mq_peek(&ioConnection->receive);
  if (!buffer) return 1;
  ssize_t received;
  perf_begin(&_RecvCounter);
  do {
    received =
        recv(ioConnection->socket, buffer->data + (buffer->size - buffer->count), buffer->count, 0);
  } while (received < 0 && errno == EINTR);
  int error = errno;
  perf_end(&_RecvCounter);
  if (received < 0) {
    if (error == EAGAIN || error == EWOULDBLOCK) return 1;
    errno = error;
    TransferError(SOCK_RECV, *ioConnection);
    return -1;
  }
  if (received == 0) {
    mq_remove(&ioConnection->receive);
    return 0;
  }
  buffer->count -= static_cast<int>(received);
  if (buffer->count > 0) return static_cast<int>(received);
  if (ProcessFrame(ioConnection, buffer, iArgument) < 0) return -1;
  return static_cast<int>(received);
}
