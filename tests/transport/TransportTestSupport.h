// TransportTestSupport.h - message types, an error recorder and connections over
// socket pairs shared by the transport tests.
#pragma once

#include <string>
#include <vector>

#include "ORVCOMMessage.h"

// Type 1: a sequence number and a text. Type 2: no fields (the payload size the
// converter saw is kept). Type 3: asks for a reply of type 4 carrying `size` bytes.
enum { kEchoType = 1, kEmptyType = 2, kAskType = 3, kBlobType = 4 };

struct EchoMessage {
  int _Type;
  int _Sequence;
  char* _Text;
  char _Storage[1];  // the payload's size, allocated with the message
};
struct EmptyMessage {
  int _Type;
  int _Payload;
};
struct AskMessage {
  int _Type;
  int _Size;
};
struct BlobMessage {
  int _Type;
  int _Size;
  const char* _Bytes;
};

// Registers the four types (after the first start of the process).
void RegisterTestTypes();
void FreeMessage(void* iMessage);

// Collects "CATALOG KEY[(parameters)]" per message and "record N" per record,
// separated by "; ", from the service layer's error hook while it lives.
class ErrorRecorder {
public:
  ErrorRecorder();
  ~ErrorRecorder();
  // What was collected since the last call.
  std::string Take();
};

// A connection over one end of a socket pair; the other end is raw.
struct PairedConnection {
  msg_connection* _Connection = nullptr;
  int _Peer = -1;
};
PairedConnection MakePairedConnection(msg_handler iHandler);
void ClosePairedConnection(PairedConnection& ioPair);

// The big-endian frame of iType whose length word is iLength, then iPayload.
std::string Frame(int iType, int iLength, const std::string& iPayload = "");
std::string Word(int iValue);
// Writes all of iBytes to iSocket; false on failure.
bool WriteAll(int iSocket, const std::string& iBytes);
