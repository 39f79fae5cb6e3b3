// Frame decoding against arbitrary bytes: what a peer writes into a connection's socket
// is received with the processing steps, decoded by a registered converter that reads
// ints, unsigned values, times, strings and texts with the bounded getters, and handed
// to a handler that checks every text lies within the message's storage, then encodes
// the message again and decodes that frame to the same fields.
//
// The first input byte chooses how the rest is cut into writes (all at once, or chunks
// of 7 to 441 bytes), so that frames also arrive in pieces. Everything is freed after
// each input: the leak checker sees what a closed connection would leave behind.
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ORVCBErrorProcessing.h"
#include "ORVCOMMessage.h"
#include "ORVCOMMessageQueue.h"
#include "PEVError.h"

namespace {

// Types 0 to 7 have the converter; 8 to 10 have none, so that their frames are refused.
const int kRegisteredTypes = 8;
const int kMaxFields = 16;

enum FieldKind { kInt = 0, kString = 1, kText = 2, kTime = 3, kUnsigned = 4 };

struct Fields {
  int type;
  int payload;
  int count;
  int kinds[kMaxFields];
  long values[kMaxFields];
  char* texts[kMaxFields];  // a string or a text, null for a null string
  int lengths[kMaxFields];  // of a text
  char storage[1];          // the payload's size, as the bounded getters need
};

// A field count, then up to kMaxFields fields, each a kind word and its value.
void* Decode(int iPayload, msg_reader iReader, void* iContext) {
  if (iPayload < 0) return nullptr;
  Fields* fields = static_cast<Fields*>(malloc(sizeof(Fields) + static_cast<size_t>(iPayload)));
  if (!fields) return nullptr;
  fields->payload = iPayload;
  fields->count = 0;
  char* cursor = fields->storage;
  int room = iPayload;
  int wanted = 0;
  if (msg_int_get(iReader, iContext, &wanted) < 0) goto failed;
  for (int index = 0; index < wanted && index < kMaxFields; ++index) {
    int kind = 0;
    if (msg_int_get(iReader, iContext, &kind) < 0) goto failed;
    kind = static_cast<int>(static_cast<unsigned int>(kind) % 5);
    fields->kinds[index] = kind;
    fields->texts[index] = nullptr;
    fields->lengths[index] = 0;
    fields->values[index] = 0;
    if (kind == kInt) {
      int value = 0;
      if (msg_int_get(iReader, iContext, &value) < 0) goto failed;
      fields->values[index] = value;
    } else if (kind == kUnsigned) {
      unsigned int value = 0;
      if (msg_unsigned_get(iReader, iContext, &value) < 0) goto failed;
      fields->values[index] = value;
    } else if (kind == kTime) {
      time_t value = 0;
      if (msg_time_get(iReader, iContext, &value) < 0) goto failed;
      fields->values[index] = value;
    } else if (kind == kString) {
      if (msg_string_get_bounded(iReader, iContext, &cursor, &room, &fields->texts[index]) < 0)
        goto failed;
    } else {
      int length = 0;
      if (msg_int_get(iReader, iContext, &length) < 0) goto failed;
      if (msg_text_get_bounded(iReader, iContext, length, &cursor, &room, &fields->texts[index]) <
          0)
        goto failed;
      fields->lengths[index] = length;
    }
    fields->count = index + 1;
  }
  return fields;
failed:
  free(fields);
  return nullptr;
}

// Writes back what Decode read: the field count, then each kind and value. A null
// string goes out as the empty string, as the wire format says.
int Encode(const void* iMessage, msg_writer iWriter, void* iContext) {
  const Fields* fields = static_cast<const Fields*>(iMessage);
  if (msg_int_put(fields->count, iWriter, iContext) < 0) return -1;
  for (int index = 0; index < fields->count; ++index) {
    int kind = fields->kinds[index];
    long value = fields->values[index];
    if (msg_int_put(kind, iWriter, iContext) < 0) return -1;
    int written =
        kind == kInt        ? msg_int_put(static_cast<int>(value), iWriter, iContext)
        : kind == kUnsigned ? msg_unsigned_put(static_cast<unsigned int>(value), iWriter, iContext)
        : kind == kTime     ? msg_time_put(static_cast<time_t>(value), iWriter, iContext)
        : kind == kString   ? msg_string_put(fields->texts[index], iWriter, iContext)
        : msg_int_put(fields->lengths[index], iWriter, iContext) < 0
            ? -1
            : msg_text_put(fields->texts[index], fields->lengths[index], iWriter, iContext);
    if (written < 0) return -1;
  }
  return 0;
}

// As the receive path reads a frame: a read past its end fails.
int ReadQueued(void* iContext, int iBytes, void* oAddress) {
  mq_buf* frame = static_cast<mq_buf*>(iContext);
  if (iBytes < 0 || iBytes > frame->count) return -1;
  return mq_buf_extract(frame, iBytes, oAddress);
}

bool SameText(const char* iLeft, const char* iRight) {
  return strcmp(iLeft ? iLeft : "", iRight ? iRight : "") == 0;
}

bool SameFields(const Fields& iLeft, const Fields& iRight) {
  if (iLeft.count != iRight.count) return false;
  for (int index = 0; index < iLeft.count; ++index) {
    int kind = iLeft.kinds[index];
    if (kind != iRight.kinds[index] || iLeft.values[index] != iRight.values[index]) return false;
    if (kind == kString && !SameText(iLeft.texts[index], iRight.texts[index])) return false;
    if (kind == kText && (iLeft.lengths[index] != iRight.lengths[index] ||
                          memcmp(iLeft.texts[index], iRight.texts[index],
                                 static_cast<size_t>(iLeft.lengths[index])) != 0))
      return false;
  }
  return true;
}

struct Received {
  msg_connection* _pConnection = nullptr;
  int messages = 0;
};

// Sends the message back into the connection's queue (nothing leaves: the frame is
// read from the queue) and decodes that frame again: the fields must come back equal.
void CheckRoundTrip(const Fields& iFields, msg_connection& ioConnection) {
  if (msg_send(&iFields, &ioConnection, 0) != 1) __builtin_trap();
  mq_buf* frame = mq_peek(&ioConnection.send);
  mq_buf_extract_open(frame);
  int type = -1, length = 0;
  if (msg_int_get(ReadQueued, frame, &type) < 0 || msg_int_get(ReadQueued, frame, &length) < 0)
    __builtin_trap();
  if (type != iFields.type || length != frame->size) __builtin_trap();
  Fields* again = static_cast<Fields*>(Decode(length - MSG_HEADER_SIZE, ReadQueued, frame));
  if (!again || frame->count != 0 || !SameFields(iFields, *again)) __builtin_trap();
  free(again);
  mq_remove(&ioConnection.send);
}

// A decoder that wrote outside the storage or left a string unterminated is a finding.
void Handle(void* iMessage, void* iArgument) {
  Fields* fields = static_cast<Fields*>(iMessage);
  const char* end = fields->storage + fields->payload;
  if (fields->type < 0 || fields->type >= kRegisteredTypes) __builtin_trap();
  for (int index = 0; index < fields->count; ++index) {
    const char* text = fields->texts[index];
    if (!text) {
      if (fields->kinds[index] == kText && fields->lengths[index] != 0) __builtin_trap();
      continue;
    }
    if (text < fields->storage || text > end) __builtin_trap();
    if (fields->kinds[index] == kString && !memchr(text, '\0', static_cast<size_t>(end - text)))
      __builtin_trap();
    if (fields->kinds[index] == kText && fields->lengths[index] > end - text) __builtin_trap();
  }
  Received* received = static_cast<Received*>(iArgument);
  CheckRoundTrip(*fields, *received->_pConnection);
  ++received->messages;
  free(fields);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ErrorProcessingStart();
  // Small enough that oversized lengths are met often, large enough for every input.
  mq_set_max_frame_size(1 << 20);
  // No start is made, so nothing clears these registrations.
  for (int type = 0; type < kRegisteredTypes; ++type)
    msg_register(type, Decode, Encode);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  size_t chunk = (iData[0] & 0x3f) * 7;
  const uint8_t* data = iData + 1;
  size_t size = iSize - 1;
  if (chunk == 0) chunk = size;

  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) abort();
  msg_connection connection = {};
  connection.socket = ends[0];
  mq_create(&connection.receive);
  mq_create(&connection.send);
  connection.handler = Handle;
  connection.failed = 0;

  Received received;
  received._pConnection = &connection;
  size_t written = 0;
  bool closed = false;
  // Each step moves at least one byte or finds the socket empty while bytes are being
  // written: this bound is never reached by a working decoder.
  for (size_t step = 0; step < 4 * size + 64; ++step) {
    if (!closed && written < size) {
      ssize_t sent = write(ends[1], data + written, std::min(chunk, size - written));
      if (sent > 0) written += static_cast<size_t>(sent);
    }
    if (!closed && written == size) {
      shutdown(ends[1], SHUT_WR);
      closed = true;
    }
    if (mq_length(&connection.receive) == 0 && msg_recv(&connection, &received, 0) < 0) break;
    int result = msg_recv_process(&connection, &received);
    if (connection.failed) {
      // Out of step for good: every later step must refuse.
      if (msg_recv_process(&connection, &received) != -1) __builtin_trap();
      break;
    }
    if (result <= 0) break;
  }

  mq_delete(&connection.receive);
  mq_delete(&connection.send);
  close(ends[0]);
  close(ends[1]);
  PEVError::PEVCleanLastError();
  return 0;
}
