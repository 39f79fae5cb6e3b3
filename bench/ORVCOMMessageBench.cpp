// The message transport beside raw sockets, on loopback TCP (127.0.0.1, a port of
// 23400-23499): one frame of 64 bytes or 64 KiB of payload sent with msg_send and its
// echo received with msg_recv, against the same bytes sent and received with send and
// recv in the same calls (the whole frame in one send, the header, then the rest).
// An echo thread of the program returns every frame as it came, with read and write.
// The send and recv calls per frame of each side are shown as counters. Beside, the
// cost of building a frame in a buffer and decoding it again, without the sockets.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "BenchSocketCalls.h"
#include "BenchmarkRatio.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCOMMessage.h"
#include "ORVCOMNet.h"

namespace {

const int kBulkType = 3;

// A sequence number and the data: a payload of 4 + length bytes (length a multiple
// of 4, so no padding).
struct Bulk {
  int type;
  int sequence;
  int length;
  char* data;
};

int PutBulk(const void* iMessage, msg_writer iWriter, void* iContext) {
  const Bulk* bulk = static_cast<const Bulk*>(iMessage);
  if (msg_int_put(bulk->sequence, iWriter, iContext) < 0) return -1;
  return msg_text_put(bulk->data, bulk->length, iWriter, iContext);
}

// The message and its data in one block of the payload's size, as a receiver keeps it.
void* GetBulk(int iPayload, msg_reader iReader, void* iContext) {
  if (iPayload < 4) return nullptr;
  Bulk* bulk = static_cast<Bulk*>(malloc(sizeof(Bulk) + static_cast<size_t>(iPayload)));
  if (!bulk) return nullptr;
  char* cursor = reinterpret_cast<char*>(bulk + 1);
  int room = iPayload;
  bulk->length = iPayload - 4;
  if (msg_int_get(iReader, iContext, &bulk->sequence) < 0 ||
      msg_text_get_bounded(iReader, iContext, bulk->length, &cursor, &room, &bulk->data) < 0) {
    free(bulk);
    return nullptr;
  }
  return bulk;
}

void Received(void* iMessage, void* iArgument) {
  ++*static_cast<long*>(iArgument);
  free(iMessage);
}

bool ReadAll(int iSocket, char* oData, size_t iBytes) {
  while (iBytes > 0) {
    ssize_t got = read(iSocket, oData, iBytes);
    if (got <= 0) return false;
    oData += got;
    iBytes -= static_cast<size_t>(got);
  }
  return true;
}

bool WriteAll(int iSocket, const char* iData, size_t iBytes) {
  while (iBytes > 0) {
    ssize_t put = write(iSocket, iData, iBytes);
    if (put <= 0) return false;
    iData += put;
    iBytes -= static_cast<size_t>(put);
  }
  return true;
}

void SetBuffers(int iSocket) {
  int bytes = 1 << 20;  // a whole 64 KiB frame fits either way: the echo never waits
  setsockopt(iSocket, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
  setsockopt(iSocket, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
}

// Returns each frame once it has come whole, until the connection closes.
void Echo(int iPort) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in server;
  memset(&server, 0, sizeof server);
  server.sin_family = AF_INET;
  server.sin_port = htons(static_cast<uint16_t>(iPort));
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  SetBuffers(fd);
  if (connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
    close(fd);
    return;
  }
  std::vector<char> frame(MSG_HEADER_SIZE);
  while (ReadAll(fd, frame.data(), MSG_HEADER_SIZE)) {
    uint32_t length;
    memcpy(&length, frame.data() + 4, 4);
    length = ntohl(length);
    if (length < MSG_HEADER_SIZE || length > (1u << 24)) break;
    frame.resize(length);
    if (!ReadAll(fd, frame.data() + MSG_HEADER_SIZE, length - MSG_HEADER_SIZE) ||
        !WriteAll(fd, frame.data(), length))
      break;
  }
  close(fd);
}

// One connection for every case of the run, made on first use and kept to the end:
// the server side is the library's connection, the echo thread the client.
struct Loopback {
  int _Listening = -1;
  msg_connection* _pConnection = nullptr;
};

Loopback* OpenLoopback() {
  static Loopback* loopback = [] {
    ErrorProcessingStart();
    net_start();
    auto* made = new Loopback;
    int port = NET_AUTOMATIC_PORT;
    made->_Listening = msg_srv_start(&port);
    if (made->_Listening < 0) return made;
    msg_register(kBulkType, GetBulk, PutBulk);
    std::thread(Echo, port).detach();
    made->_pConnection = msg_srv_open(made->_Listening, Received);
    if (made->_pConnection) SetBuffers(made->_pConnection->socket);
    return made;
  }();
  return loopback;
}

void Count(benchmark::State& ioState, const BenchSocketCalls& iBefore) {
  BenchSocketCalls after = BenchSocketCallsOfThread();
  auto perFrame = benchmark::Counter::kAvgIterations;
  ioState.counters["send/frame"] = benchmark::Counter(after._Sends - iBefore._Sends, perFrame);
  ioState.counters["recv/frame"] =
      benchmark::Counter(after._Receives - iBefore._Receives, perFrame);
  ioState.SetItemsProcessed(ioState.iterations());
}

void LoopbackOurs(benchmark::State& ioState, int iPayload) {
  Loopback* loopback = OpenLoopback();
  if (!loopback->_pConnection) {
    ioState.SkipWithError("no loopback connection");
    return;
  }
  std::vector<char> data(iPayload - 4, 'x');
  Bulk bulk = {kBulkType, 0, iPayload - 4, data.data()};
  long received = 0;
  BenchSocketCalls before = BenchSocketCallsOfThread();
  for (auto _ : ioState) {
    ++bulk.sequence;
    if (msg_send(&bulk, loopback->_pConnection, 1) != 0 ||
        msg_recv(loopback->_pConnection, &received, 1) <= 0) {
      ioState.SkipWithError("the exchange failed");
      break;
    }
  }
  if (received != bulk.sequence) ioState.SkipWithError("a reply is missing");
  Count(ioState, before);
}

bool SendAll(int iSocket, const char* iData, size_t iBytes) {
  while (iBytes > 0) {
    ssize_t sent = send(iSocket, iData, iBytes, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    iData += sent;
    iBytes -= static_cast<size_t>(sent);
  }
  return true;
}

bool ReceiveAll(int iSocket, char* oData, size_t iBytes) {
  while (iBytes > 0) {
    ssize_t got = recv(iSocket, oData, iBytes, 0);
    if (got <= 0) return false;
    oData += got;
    iBytes -= static_cast<size_t>(got);
  }
  return true;
}

void PutWord(char* oAt, uint32_t iValue) {
  iValue = htonl(iValue);
  memcpy(oAt, &iValue, 4);
}

uint32_t GetWord(const char* iAt) {
  uint32_t value;
  memcpy(&value, iAt, 4);
  return ntohl(value);
}

// The same frame bytes over the same socket, with no buffers or converters.
void LoopbackReference(benchmark::State& ioState, int iPayload) {
  Loopback* loopback = OpenLoopback();
  if (!loopback->_pConnection) {
    ioState.SkipWithError("no loopback connection");
    return;
  }
  int fd = loopback->_pConnection->socket;
  size_t frameSize = MSG_HEADER_SIZE + static_cast<size_t>(iPayload);
  std::vector<char> frame(frameSize, 'x');
  std::vector<char> reply(frameSize);
  PutWord(frame.data(), kBulkType);
  PutWord(frame.data() + 4, static_cast<uint32_t>(frameSize));
  uint32_t sequence = 0;
  BenchSocketCalls before = BenchSocketCallsOfThread();
  for (auto _ : ioState) {
    PutWord(frame.data() + 8, ++sequence);
    bool exchanged = SendAll(fd, frame.data(), frameSize) &&
                     ReceiveAll(fd, reply.data(), MSG_HEADER_SIZE) &&
                     GetWord(reply.data() + 4) == frameSize &&
                     ReceiveAll(fd, reply.data() + MSG_HEADER_SIZE, frameSize - MSG_HEADER_SIZE);
    if (!exchanged || GetWord(reply.data() + 8) != sequence) {
      ioState.SkipWithError("the exchange failed");
      break;
    }
  }
  Count(ioState, before);
}

int Insert(void* iContext, int iBytes, const void* iAddress) {
  return mq_buf_insert(static_cast<mq_buf*>(iContext), iBytes, iAddress);
}

// As the receive path reads a frame: a read past its end fails instead of ending.
int Extract(void* iContext, int iBytes, void* oAddress) {
  mq_buf* frame = static_cast<mq_buf*>(iContext);
  if (iBytes < 0 || iBytes > frame->count) return -1;
  return mq_buf_extract(frame, iBytes, oAddress);
}

// Builds a frame as msg_send does and decodes it as the receive path does.
void CodecOurs(benchmark::State& ioState, int iPayload) {
  std::vector<char> data(iPayload - 4, 'x');
  Bulk bulk = {kBulkType, 0, iPayload - 4, data.data()};
  for (auto _ : ioState) {
    ++bulk.sequence;
    mq_buf* frame = mq_buf_alloc(0);
    bool built = frame && msg_int_put(kBulkType, Insert, frame) == 0 &&
                 msg_int_put(0, Insert, frame) == 0 && PutBulk(&bulk, Insert, frame) == 0;
    if (!built) {
      mq_buf_free(frame);
      ioState.SkipWithError("the frame was not built");
      break;
    }
    PutWord(frame->data + 4, static_cast<uint32_t>(mq_buf_insert_close(frame)));
    mq_buf_extract_open(frame);
    int type = 0, length = 0;
    msg_int_get(Extract, frame, &type);
    msg_int_get(Extract, frame, &length);
    Bulk* decoded = static_cast<Bulk*>(GetBulk(length - MSG_HEADER_SIZE, Extract, frame));
    mq_buf_extract_close(frame);
    mq_buf_free(frame);
    if (!decoded || decoded->sequence != bulk.sequence) {
      free(decoded);
      ioState.SkipWithError("the frame was not decoded");
      break;
    }
    benchmark::DoNotOptimize(decoded->data);
    free(decoded);
  }
  ioState.SetItemsProcessed(ioState.iterations());
}

// The same bytes with htonl and memcpy into a block of the frame's size, and back.
void CodecReference(benchmark::State& ioState, int iPayload) {
  std::vector<char> data(iPayload - 4, 'x');
  size_t frameSize = MSG_HEADER_SIZE + static_cast<size_t>(iPayload);
  uint32_t sequence = 0;
  for (auto _ : ioState) {
    ++sequence;
    char* frame = static_cast<char*>(malloc(frameSize));
    PutWord(frame, kBulkType);
    PutWord(frame + 4, static_cast<uint32_t>(frameSize));
    PutWord(frame + 8, sequence);
    memcpy(frame + 12, data.data(), data.size());
    benchmark::ClobberMemory();
    size_t payload = GetWord(frame + 4) - MSG_HEADER_SIZE;
    Bulk* decoded = static_cast<Bulk*>(malloc(sizeof(Bulk) + payload));
    decoded->type = static_cast<int>(GetWord(frame));
    decoded->sequence = static_cast<int>(GetWord(frame + 8));
    decoded->length = static_cast<int>(payload - 4);
    decoded->data = reinterpret_cast<char*>(decoded + 1);
    memcpy(decoded->data, frame + 12, payload - 4);
    free(frame);
    if (decoded->sequence != static_cast<int>(sequence)) {
      free(decoded);
      ioState.SkipWithError("the frame was not decoded");
      break;
    }
    benchmark::DoNotOptimize(decoded->data);
    free(decoded);
  }
  ioState.SetItemsProcessed(ioState.iterations());
}

const int kSmall = 64;
const int kLarge = 64 * 1024;

}  // namespace

BENCHMARK_CAPTURE(LoopbackOurs, 64, kSmall)->Name("MessageLoopback64/ours")->UseRealTime();
BENCHMARK_CAPTURE(LoopbackReference, 64, kSmall)
    ->Name("MessageLoopback64/reference")
    ->UseRealTime();
ORV_BENCHMARK_TARGET(MessageLoopback64, 1.43);
BENCHMARK_CAPTURE(LoopbackOurs, 64K, kLarge)->Name("MessageLoopback64K/ours")->UseRealTime();
BENCHMARK_CAPTURE(LoopbackReference, 64K, kLarge)
    ->Name("MessageLoopback64K/reference")
    ->UseRealTime();
ORV_BENCHMARK_TARGET(MessageLoopback64K, 1.43);

// For information, no target: what a frame costs before the sockets. Ours builds in a
// 64 KiB block grown in 64 KiB steps (a 64 KiB payload makes a 128 KiB block), the
// reference in a block of the frame's size. Freed at the top of the heap, a 128 KiB
// block reaches glibc's trim threshold: it goes back to the system at every frame and
// the next one faults its pages in again, which is most of ours at 64 KiB here.
BENCHMARK_CAPTURE(CodecOurs, 64, kSmall)->Name("FrameCodec64/ours");
BENCHMARK_CAPTURE(CodecReference, 64, kSmall)->Name("FrameCodec64/reference");
BENCHMARK_CAPTURE(CodecOurs, 64K, kLarge)->Name("FrameCodec64K/ours");
BENCHMARK_CAPTURE(CodecReference, 64K, kLarge)->Name("FrameCodec64K/reference");
