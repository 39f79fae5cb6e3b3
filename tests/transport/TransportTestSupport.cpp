#include "TransportTestSupport.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "ORVCBErrorProcessing.h"

namespace {

void* ReadEcho(int iPayload, msg_reader iReader, void* iContext) {
  EchoMessage* message = static_cast<EchoMessage*>(malloc(sizeof(EchoMessage) + iPayload));
  char* cursor = message->_Storage;
  int room = iPayload;
  if (msg_int_get(iReader, iContext, &message->_Sequence) < 0 ||
      msg_string_get_bounded(iReader, iContext, &cursor, &room, &message->_Text) < 0) {
    free(message);
    return nullptr;
  }
  return message;
}
int WriteEcho(const void* iMessage, msg_writer iWriter, void* iContext) {
  const EchoMessage* message = static_cast<const EchoMessage*>(iMessage);
  if (msg_int_put(message->_Sequence, iWriter, iContext) < 0) return -1;
  return msg_string_put(message->_Text, iWriter, iContext);
}

void* ReadEmpty(int iPayload, msg_reader, void*) {
  EmptyMessage* message = static_cast<EmptyMessage*>(malloc(sizeof(EmptyMessage)));
  message->_Payload = iPayload;
  return message;
}
int WriteEmpty(const void*, msg_writer, void*) {
  return 0;
}

void* ReadAsk(int, msg_reader iReader, void* iContext) {
  AskMessage* message = static_cast<AskMessage*>(malloc(sizeof(AskMessage)));
  if (msg_int_get(iReader, iContext, &message->_Size) == 0) return message;
  free(message);
  return nullptr;
}
int WriteAsk(const void* iMessage, msg_writer iWriter, void* iContext) {
  return msg_int_put(static_cast<const AskMessage*>(iMessage)->_Size, iWriter, iContext);
}

int WriteBlob(const void* iMessage, msg_writer iWriter, void* iContext) {
  const BlobMessage* message = static_cast<const BlobMessage*>(iMessage);
  if (msg_int_put(message->_Size, iWriter, iContext) < 0) return -1;
  return msg_text_put(message->_Bytes, message->_Size, iWriter, iContext);
}

std::string _Collected;

void Collect(const std::string& iText) {
  if (!_Collected.empty()) _Collected += "; ";
  _Collected += iText;
}
void CollectMsg(const char* iCatalog, int, const char* iKey, const char* const* iParameters) {
  std::string text = std::string(iCatalog) + " " + iKey;
  for (int i = 0; iParameters[i]; ++i)
    text += (i == 0 ? "(" : ", ") + std::string(iParameters[i]);
  if (iParameters[0]) text += ")";
  Collect(text);
}
void CollectRecord(const char*, int, int iSeverity) {
  Collect("record " + std::to_string(iSeverity));
}
void NoDisplay() {}
const err_handlers kCollect = {CollectMsg, CollectRecord, NoDisplay};

}  // namespace

void RegisterTestTypes() {
  msg_register(kEchoType, ReadEcho, WriteEcho);
  msg_register(kEmptyType, ReadEmpty, WriteEmpty);
  msg_register(kAskType, ReadAsk, WriteAsk);
  msg_register(kBlobType, nullptr, WriteBlob);
}

void FreeMessage(void* iMessage) {
  free(iMessage);
}

ErrorRecorder::ErrorRecorder() {
  _Collected.clear();
  err_start(&kCollect);
}

ErrorRecorder::~ErrorRecorder() {
  err_start(nullptr);
}

std::string ErrorRecorder::Take() {
  std::string taken;
  taken.swap(_Collected);
  return taken;
}

PairedConnection MakePairedConnection(msg_handler iHandler) {
  int ends[2];
  PairedConnection pair;
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return pair;
  pair._Connection = static_cast<msg_connection*>(calloc(1, sizeof(msg_connection)));
  pair._Connection->socket = ends[0];
  pair._Connection->handler = iHandler;
  mq_create(&pair._Connection->receive);
  mq_create(&pair._Connection->send);
  pair._Peer = ends[1];
  return pair;
}

void ClosePairedConnection(PairedConnection& ioPair) {
  if (ioPair._Connection) {
    close(ioPair._Connection->socket);
    mq_delete(&ioPair._Connection->receive);
    mq_delete(&ioPair._Connection->send);
    free(ioPair._Connection);
    ioPair._Connection = nullptr;
  }
  if (ioPair._Peer >= 0) close(ioPair._Peer);
  ioPair._Peer = -1;
}

std::string Word(int iValue) {
  uint32_t value = static_cast<uint32_t>(iValue);
  std::string bytes;
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes += static_cast<char>(value >> shift);
  return bytes;
}

std::string Frame(int iType, int iLength, const std::string& iPayload) {
  return Word(iType) + Word(iLength) + iPayload;
}

bool WriteAll(int iSocket, const std::string& iBytes) {
  size_t done = 0;
  while (done < iBytes.size()) {
    ssize_t written = send(iSocket, iBytes.data() + done, iBytes.size() - done, MSG_NOSIGNAL);
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}
