// TransportTestSupport.h - message types, an error recorder, connections over socket
// pairs and loopback addresses shared by the transport tests.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "ORVCBErrorProcessing.h"
#include "ORVCOMMessage.h"

// Type 1: a sequence number and a text. Type 2: no fields; its message is {type, the
// payload size the converter saw}. Type 4: a size and as many bytes, without input
// converter.
enum { kEchoType = 1, kEmptyType = 2, kBlobType = 4 };

struct EchoMessage {
  int _Type, _Sequence;
  char* _Text;
  char _Storage[1];  // the payload's size, allocated with the message
};
struct BlobMessage {
  int _Type, _Size;
  const char* _Bytes;
};

// The converters of the three types, and the words and frames of the wire.
inline void* ReadEcho(int iPayload, msg_reader iReader, void* iContext) {
  EchoMessage* message = static_cast<EchoMessage*>(malloc(sizeof(EchoMessage) + iPayload));
  char* cursor = message->_Storage;
  if (msg_int_get(iReader, iContext, &message->_Sequence) == 0 &&
      msg_string_get_bounded(iReader, iContext, &cursor, &iPayload, &message->_Text) == 0)
    return message;
  free(message);
  return nullptr;
}
inline int WriteEcho(const void* iMessage, msg_writer iWriter, void* iContext) {
  const EchoMessage* message = static_cast<const EchoMessage*>(iMessage);
  return msg_int_put(message->_Sequence, iWriter, iContext) |
         msg_string_put(message->_Text, iWriter, iContext);
}
inline void* ReadEmpty(int iPayload, msg_reader, void*) {
  int* message = static_cast<int*>(malloc(2 * sizeof(int)));
  message[1] = iPayload;
  return message;
}
inline int WriteBlob(const void* iMessage, msg_writer iWriter, void* iContext) {
  const BlobMessage* message = static_cast<const BlobMessage*>(iMessage);
  return msg_int_put(message->_Size, iWriter, iContext) |
         msg_text_put(message->_Bytes, message->_Size, iWriter, iContext);
}
// Registers the three types (after the first start of the process).
inline void RegisterTestTypes() {
  msg_register(kEchoType, ReadEcho, WriteEcho);
  msg_register(kEmptyType, ReadEmpty, [](const void*, msg_writer, void*) { return 0; });
  msg_register(kBlobType, nullptr, WriteBlob);
}

// The big-endian word of iValue; the frame of iType whose length word is iLength.
inline std::string Word(int iValue) {
  uint32_t word = htonl(static_cast<uint32_t>(iValue));
  return std::string(reinterpret_cast<const char*>(&word), sizeof word);
}
inline std::string Frame(int iType, int iLength, const std::string& iPayload = "") {
  return Word(iType) + Word(iLength) + iPayload;
}

// Collects "CATALOG KEY[(parameters)]" per message and "record N" per record,
// separated by "; ", from the service layer's error hook while it lives.
class ErrorRecorder {
public:
  ErrorRecorder() {
    _Collected.clear();
    err_start(&kCollect);
  }
  ~ErrorRecorder() { err_start(nullptr); }
  // What was collected since the last call.
  std::string Take() { return std::exchange(_Collected, ""); }

private:
  inline static std::string _Collected;
  static void Add(const std::string& iText) {
    _Collected += (_Collected.empty() ? "" : "; ") + iText;
  }
  static void Msg(const char* iCatalog, int, const char* iKey, const char* const* iParameters) {
    std::string text = std::string(iCatalog) + " " + iKey;
    for (int i = 0; iParameters[i]; ++i)
      text += (i == 0 ? "(" : ", ") + std::string(iParameters[i]);
    Add(text + (iParameters[0] ? ")" : ""));
  }
  static constexpr err_handlers kCollect = {
      Msg, [](const char*, int, int iSeverity) { Add("record " + std::to_string(iSeverity)); },
      [] {}};
};

// A connection over one end of a socket pair; the other end, the peer, is raw.
struct PairedConnection {
  msg_connection* _Connection = nullptr;
  int _Peer = -1;

  explicit PairedConnection(msg_handler iHandler) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return;
    _Connection = static_cast<msg_connection*>(calloc(1, sizeof(msg_connection)));
    _Connection->socket = ends[0];
    _Connection->handler = iHandler;
    mq_create(&_Connection->receive);
    mq_create(&_Connection->send);
    _Peer = ends[1];
  }
  ~PairedConnection() {
    msg_srv_close(_Connection);
    ClosePeer();
  }
  void ClosePeer() {
    if (_Peer >= 0) close(std::exchange(_Peer, -1));
  }
};

// Writes all of iBytes, a few kilobytes at most, to the blocking iSocket; false on failure.
inline bool WriteAll(int iSocket, const std::string& iBytes) {
  return send(iSocket, iBytes.data(), iBytes.size(), MSG_NOSIGNAL) == ssize_t(iBytes.size());
}

// The loopback address with iPort.
inline sockaddr_in Loopback(int iPort) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}
inline sockaddr* Address(sockaddr_in& iAddress) {
  return reinterpret_cast<sockaddr*>(&iAddress);
}
// Connects iSocket to the loopback address with iPort; connect's result.
inline int Connect(int iSocket, int iPort) {
  sockaddr_in address = Loopback(iPort);
  return connect(iSocket, Address(address), sizeof address);
}
