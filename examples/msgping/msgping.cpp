// msgping - exchanges framed messages over TCP and measures their round trips, as a
// tool of the suite uses the message transport.
//
//   msgping -server [-p <port>] [-c <clients>]
//   msgping [-a <host>] [-p <port>] [-n <count>] [-b <bytes>]     (the client)
//
// The server serves every client at once from one thread: one connection each, poll
// over the listening socket and the clients' non-blocking sockets, one processing step
// per ready socket. It echoes each message to its sender; a client that fails or sends
// what cannot be decoded is closed and the others go on. With -c it stops once that
// many clients have exchanged messages and gone. The client sends its messages one at a time, waits
// for each echo, compares it byte for byte and shows the round-trip percentiles and the
// throughput. Exit status 0 when every reply was checked and equal (a server: when it
// stopped as asked), 1 when a reply differed, 2 on an error. Texts come from the
// tool's catalog MSGPING and the library's catalogs; errors go to standard error.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "ExampleTool.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCOMMessage.h"
#include "ORVCOMNet.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVError.h"
#include "ORVErrorMngr.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplay.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVUtilities.h"

namespace {

// The tool's catalog and its keys (catalogs/en/MSGPING.msg).
constexpr char kCatalog[] = "MSGPING";
constexpr char kShortUsageKey[] = "0001";
constexpr char kServerUsageKey[] = "0002";
constexpr char kPortUsageKey[] = "0003";
constexpr char kClientsUsageKey[] = "0004";
constexpr char kHostUsageKey[] = "0005";
constexpr char kCountUsageKey[] = "0006";
constexpr char kBytesUsageKey[] = "0007";
constexpr char kExplainedUsageKey[] = "0008";
constexpr char kRangeKey[] = "0010";
constexpr char kOtherModeKey[] = "0011";
constexpr char kServerModeKey[] = "0012";
constexpr char kClientModeKey[] = "0013";
constexpr char kServingKey[] = "0020";
constexpr char kClientCameKey[] = "0021";
constexpr char kClientLeftKey[] = "0022";
constexpr char kClientFailedKey[] = "0023";
constexpr char kServedKey[] = "0024";
constexpr char kServeRequestKey[] = "0025";
constexpr char kPollKey[] = "0026";
constexpr char kCheckedKey[] = "0030";
constexpr char kLatencyKey[] = "0031";
constexpr char kThroughputKey[] = "0032";
constexpr char kDifferedKey[] = "0033";
constexpr char kExchangeRequestKey[] = "0034";
constexpr char kClosedEarlyKey[] = "0035";
// The request of the command-line failures, as the library's own.
constexpr char kLibraryCatalog[] = "ORVBC";
constexpr char kCommandLineRequestKey[] = "0013";

enum ExitStatus { kEqual = 0, kDiffered = 1, kError = 2 };

// The one message type: a sequence number, the sender's tag and the data.
constexpr int kPingType = 1;
constexpr int kMaxBytes = 1048576;
constexpr int kMaxWaitingReplies = 16;

struct Ping {
  int type;
  int sequence;
  char* tag;
  int length;
  char* data;
  char storage[1];  // received messages: the payload's size, for the bounded getters
};

int PutPing(const void* iMessage, msg_writer iWriter, void* iContext) {
  const Ping* ping = static_cast<const Ping*>(iMessage);
  if (msg_int_put(ping->sequence, iWriter, iContext) < 0 ||
      msg_string_put(ping->tag, iWriter, iContext) < 0 ||
      msg_int_put(ping->length, iWriter, iContext) < 0)
    return -1;
  return msg_text_put(ping->data, ping->length, iWriter, iContext);
}

// A new Ping (free it) whose texts point into its own storage; null when the fields do
// not fit the payload.
void* GetPing(int iPayload, msg_reader iReader, void* iContext) {
  if (iPayload < 0) return nullptr;
  Ping* ping = static_cast<Ping*>(malloc(sizeof(Ping) + static_cast<size_t>(iPayload)));
  if (!ping) return nullptr;
  char* cursor = ping->storage;
  int room = iPayload;
  ping->tag = nullptr;
  ping->data = nullptr;
  if (msg_int_get(iReader, iContext, &ping->sequence) < 0 ||
      msg_string_get_bounded(iReader, iContext, &cursor, &room, &ping->tag) < 0 ||
      msg_int_get(iReader, iContext, &ping->length) < 0 ||
      msg_text_get_bounded(iReader, iContext, ping->length, &cursor, &room, &ping->data) < 0) {
    free(ping);
    return nullptr;
  }
  return ping;
}

// A new builder of the tool's message iKey with iParameters.
template <typename... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr Message(const char* iKey, const Parameters&... iParameters) {
  return ToolMessage(kCatalog, iKey, iParameters...);
}

void Show(const ORVParamNLSMsgBldrCtlgRfHndlr& iMessage) {
  ORVMessageDisplay::GetGlobal()->Display(iMessage->Build(), 1);
}

std::string Decimal(double iValue, int iDecimals) {
  char text[64];
  snprintf(text, sizeof text, "%.*f", iDecimals, iValue);
  return text;
}

// A mistake on the command line about iOption's value, reported as the analyzer
// reports its own: the fragment at fault, the diagnostic, the option's usage.
long CommandLineFailure(const ORVCmdLnOpt& iOption, const char* iValue,
                        const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  ORVParamNLSMsgBldrCtlgRfHndlr request;
  request.Set(ORVRfHndlrAdopt,
              new ORVParamNLSMsgBldrCtlg(kLibraryCatalog, kCommandLineRequestKey, nullptr));
  request->AddNewParameter(iOption.GetCommandNameAndNamesForMsg(iValue));
  ORVError* error = new ORVError(__FILE__, __LINE__, request, iDiagnostic, iOption.GetHUsageBldr(),
                                 PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

// oValue from the argument of iOption when it was given (else unchanged).
long ReadNumber(const ORVCmdLnOptOneArg& iOption, int iMinimum, int iMaximum, int& oValue) {
  if (!iOption.ArgumentIsAdded()) return 0;
  const char* text = iOption.GetArgument().GetChars();
  char* end = nullptr;
  errno = 0;
  long value = strtol(text, &end, 10);
  if (*text == '\0' || *end != '\0' || errno != 0 || value < iMinimum || value > iMaximum)
    return CommandLineFailure(iOption, text, Message(kRangeKey, text, iMinimum, iMaximum));
  oValue = static_cast<int>(value);
  return 0;
}

// An option of the mode not chosen is refused rather than silently ignored.
long RefuseOtherMode(const ORVCmdLnOpt& iOption, const char* iOptionName, const char* iModeKey) {
  if (!iOption.IsDefined()) return 0;
  return CommandLineFailure(iOption, nullptr,
                            Message(kOtherModeKey, iOptionName, Message(iModeKey)->Build()));
}

// The last error the transport recorded, shown; the tool goes on.
void ShowTransportError(ORVErrorMngr& ioErrors) {
  ioErrors.DisplayAndForgetError(PEV_E_FAIL);
}

int Fail(ORVErrorMngr& ioErrors, long iCode, const ORVNLSMsgBldrRfHndlr& iRequest) {
  ORVError::ReplaceLastErrorRequest(iCode, iRequest);
  ioErrors.DisplayAndKeepError(iCode, 1);
  return kError;
}

// A failure of the tool's own finding: no request (the caller gives it).
long ToolFailure(const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  ORVError* error = new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), iDiagnostic,
                                 ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, PEV_E_FAIL);
  return PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
}

// ---- The server

struct Client {
  int _Number = 0;
  msg_connection* _pConnection = nullptr;
  long _Echoed = 0;
  bool _Broken = false;  // a reply could not be queued
};

// Queues the message back to its sender; the frame goes out on the next POLLOUT.
void Echo(void* iMessage, void* iArgument) {
  Client* client = static_cast<Client*>(iArgument);
  if (msg_send(iMessage, client->_pConnection, 0) < 0)
    client->_Broken = true;
  else
    ++client->_Echoed;
  free(iMessage);
}

bool SetNonBlocking(int iSocket) {
  int flags = fcntl(iSocket, F_GETFL);
  return flags >= 0 && fcntl(iSocket, F_SETFL, flags | O_NONBLOCK) == 0;
}

class Server {
public:
  explicit Server(ORVErrorMngr& ioErrors) : _Errors(ioErrors) {}
  ~Server() {
    for (Client* client : _Clients) {
      msg_srv_close(client->_pConnection);
      delete client;
    }
    if (_Listening >= 0) msg_srv_stop(_Listening);
  }

  int Run(int iPort, int iClientLimit) {
    int port = iPort;
    _Listening = msg_srv_start(&port);
    if (_Listening < 0) return Fail(_Errors, PEV_E_FAIL, Message(kServeRequestKey));
    msg_register(kPingType, GetPing, PutPing);
    if (iPort == NET_AUTOMATIC_PORT) Show(Message(kServingKey, port));
    while (iClientLimit == 0 || _Gone < iClientLimit) {
      std::vector<pollfd> ready = Watched();
      int count = poll(ready.data(), ready.size(), -1);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) {
        long code = ToolFailure(Message(kPollKey, strerror(errno)));
        return Fail(_Errors, code, Message(kServeRequestKey));
      }
      // Clients first: a new one is added after their steps, at the end.
      for (std::size_t index = ready.size() - 1; index >= 1; --index)
        Step(index - 1, ready[index].revents);
      if (ready[0].revents & POLLIN) Accept();
    }
    Show(Message(kServedKey, _Gone, static_cast<int>(_EchoedByGone)));
    return kEqual;
  }

private:
  // A client's messages are read only while few of its replies wait: one that sends
  // without reading cannot make the server queue replies without end.
  static bool MayReceive(const Client& iClient) {
    return mq_length(&iClient._pConnection->send) < kMaxWaitingReplies;
  }

  std::vector<pollfd> Watched() const {
    std::vector<pollfd> watched{{_Listening, POLLIN, 0}};
    for (const Client* client : _Clients) {
      short events = MayReceive(*client) ? POLLIN : 0;
      if (mq_length(&client->_pConnection->send) > 0) events |= POLLOUT;
      watched.push_back({client->_pConnection->socket, events, 0});
    }
    return watched;
  }

  void Accept() {
    msg_connection* connection = msg_srv_open(_Listening, Echo);
    if (!connection) {  // an accept a peer made fail: the server goes on
      ShowTransportError(_Errors);
      return;
    }
    Client* client = new Client;
    client->_Number = ++_Came;
    client->_pConnection = connection;
    _Clients.push_back(client);
    Show(Message(kClientCameKey, client->_Number));
    if (!SetNonBlocking(connection->socket) || msg_recv(connection, client, 0) < 0)
      Close(*client, true);
  }

  // One receive step on POLLIN (or a hang-up, which the receive reports), one send
  // step on POLLOUT while frames wait. A closed or failed connection is closed; with
  // its replies stuck, a hang-up or an error makes the send step fail.
  void Step(std::size_t iIndex, short iEvents) {
    Client& client = *_Clients[iIndex];
    if ((iEvents & (POLLIN | POLLHUP | POLLERR)) && MayReceive(client)) {
      int result = msg_recv_process(client._pConnection, &client);
      if (result == 0) return Close(client, false);
      if (result < 0 || client._Broken) return Close(client, true);
      // The frame was handled: wait for the next one.
      if (mq_length(&client._pConnection->receive) == 0 &&
          msg_recv(client._pConnection, &client, 0) < 0)
        return Close(client, true);
    }
    if ((iEvents & (POLLOUT | POLLHUP | POLLERR)) && mq_length(&client._pConnection->send) > 0 &&
        msg_send_process(client._pConnection) < 0)
      return Close(client, true);
  }

  void Close(Client& ioClient, bool iFailed) {
    if (iFailed) {
      ShowTransportError(_Errors);
      Show(Message(kClientFailedKey, ioClient._Number, static_cast<int>(ioClient._Echoed)));
    } else {
      Show(Message(kClientLeftKey, ioClient._Number, static_cast<int>(ioClient._Echoed)));
    }
    msg_srv_close(ioClient._pConnection);
    // Only clients that exchanged messages count: a stray connection to the port (a
    // scan, another program's test) must not end the demo early.
    if (ioClient._Echoed > 0) ++_Gone;
    _EchoedByGone += ioClient._Echoed;
    _Clients.erase(std::find(_Clients.begin(), _Clients.end(), &ioClient));
    delete &ioClient;
  }

  ORVErrorMngr& _Errors;
  int _Listening = -1;
  std::vector<Client*> _Clients;
  int _Came = 0;
  int _Gone = 0;
  long _EchoedByGone = 0;
};

// ---- The client

struct Expected {
  const Ping* _pSent = nullptr;
  int _Replies = 0;
  int _Differed = 0;
};

// Compares the echo with the message sent, field by field and byte for byte.
void Check(void* iMessage, void* iArgument) {
  Expected* expected = static_cast<Expected*>(iArgument);
  const Ping* reply = static_cast<const Ping*>(iMessage);
  const Ping* sent = expected->_pSent;
  bool equal = reply->type == sent->type && reply->sequence == sent->sequence && reply->tag &&
               strcmp(reply->tag, sent->tag) == 0 && reply->length == sent->length &&
               (sent->length == 0 || memcmp(reply->data, sent->data, sent->length) == 0);
  ++expected->_Replies;
  if (!equal) ++expected->_Differed;
  free(iMessage);
}

double Seconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& iSorted, double iPercent) {
  std::size_t rank =
      static_cast<std::size_t>(std::ceil(iPercent / 100.0 * static_cast<double>(iSorted.size())));
  return iSorted[std::max<std::size_t>(rank, 1) - 1];
}

int RunClient(ORVErrorMngr& ioErrors, const char* iHost, int iPort, int iCount, int iBytes) {
  char server[300];
  snprintf(server, sizeof server, "%s:%d", iHost, iPort == 0 ? NET_DEFAULT_PORT : iPort);
  msg_connection* connection = msg_clnt_start(iHost, iPort, Check);
  if (!connection) return Fail(ioErrors, PEV_E_FAIL, Message(kExchangeRequestKey, server));
  msg_register(kPingType, GetPing, PutPing);

  std::string tag = "msgping " + std::to_string(getpid());
  std::vector<char> data(static_cast<std::size_t>(iBytes) + 1);
  Ping ping = {kPingType, 0, &tag[0], iBytes, data.data(), {0}};
  Expected expected;
  expected._pSent = &ping;
  std::vector<double> latencies;
  latencies.reserve(iCount);
  int status = kEqual;
  double start = Seconds();
  for (int sequence = 0; sequence < iCount; ++sequence) {
    ping.sequence = sequence;
    for (int index = 0; index < iBytes; ++index)  // differs from one message to the next
      data[index] = static_cast<char>(sequence * 131 + index * 7 + 1);
    double sent = Seconds();
    int replies = expected._Replies;
    if (msg_send(&ping, connection, 1) < 0 || msg_recv(connection, &expected, 1) < 0) {
      status = Fail(ioErrors, PEV_E_FAIL, Message(kExchangeRequestKey, server));
      break;
    }
    if (expected._Replies == replies) {  // the server closed instead of answering
      long code = ToolFailure(Message(kClosedEarlyKey, replies, iCount));
      status = Fail(ioErrors, code, Message(kExchangeRequestKey, server));
      break;
    }
    latencies.push_back((Seconds() - sent) * 1e6);
  }
  double elapsed = Seconds() - start;
  msg_clnt_stop(connection);
  if (status != kEqual) return status;
  if (expected._Differed > 0) {
    Show(Message(kDifferedKey, expected._Differed, iCount));
    return kDiffered;
  }
  std::sort(latencies.begin(), latencies.end());
  Show(Message(kCheckedKey, iCount, iBytes, server));
  Show(Message(kLatencyKey, Decimal(Percentile(latencies, 50), 1).c_str(),
               Decimal(Percentile(latencies, 90), 1).c_str(),
               Decimal(Percentile(latencies, 99), 1).c_str(),
               Decimal(latencies.back(), 1).c_str()));
  double perSecond = elapsed > 0 ? iCount / elapsed : 0;
  Show(Message(kThroughputKey, Decimal(perSecond, 0).c_str(),
               Decimal(perSecond * iBytes / (1024.0 * 1024.0), 2).c_str()));
  return kEqual;
}

int Run(int iArgc, char** iArgv, ORVErrorMngr& ioErrors) {
  ORVParamNLSMsgBldrCtlgRfHndlr shortUsage = Message(kShortUsageKey);
  ORVCmdLnAnalyzer analyzer("msgping", shortUsage);
  ORVString port, clients, host, count, bytes;
  ORVCmdLnOptNoArg serverOption(analyzer, "-server", ORVCmdLnOptOptional, Message(kServerUsageKey));
  ORVCmdLnOptOneArg portOption(analyzer, "-p", ORVCmdLnOptOptional, Message(kPortUsageKey), port,
                               1);
  ORVCmdLnOptOneArg clientsOption(analyzer, "-c", ORVCmdLnOptOptional, Message(kClientsUsageKey),
                                  clients, 1);
  ORVCmdLnOptOneArg hostOption(analyzer, "-a", ORVCmdLnOptOptional, Message(kHostUsageKey), host,
                               1);
  ORVCmdLnOptOneArg countOption(analyzer, "-n", ORVCmdLnOptOptional, Message(kCountUsageKey), count,
                                1);
  ORVCmdLnOptOneArg bytesOption(analyzer, "-b", ORVCmdLnOptOptional, Message(kBytesUsageKey), bytes,
                                1);
  ORVCmdLnHelpMngr help(analyzer, shortUsage.Get(), Message(kExplainedUsageKey));

  long code = analyzer.Analyze(iArgv + 1, iArgc - 1);
  if (code == 1) {  // the help text, an information
    ioErrors.DisplayAndForgetError(code);
    return kEqual;
  }
  bool serving = serverOption.IsDefined();
  int portNumber = serving ? NET_AUTOMATIC_PORT : NET_DEFAULT_PORT;
  int clientLimit = 0, messageCount = 1000, messageBytes = 64;
  if (code == 0) code = ReadNumber(portOption, 1, 65535, portNumber);
  if (code == 0 && serving) {
    code = ReadNumber(clientsOption, 1, 1000000, clientLimit);
    if (code == 0) code = RefuseOtherMode(hostOption, "-a", kClientModeKey);
    if (code == 0) code = RefuseOtherMode(countOption, "-n", kClientModeKey);
    if (code == 0) code = RefuseOtherMode(bytesOption, "-b", kClientModeKey);
  } else if (code == 0) {
    code = RefuseOtherMode(clientsOption, "-c", kServerModeKey);
    if (code == 0) code = ReadNumber(countOption, 1, 10000000, messageCount);
    if (code == 0) code = ReadNumber(bytesOption, 0, kMaxBytes, messageBytes);
  }
  if (code != 0) {
    ioErrors.DisplayAndKeepError(code, 1);
    return kError;
  }

  net_start();
  int status;
  if (serving) {
    Server server(ioErrors);
    status = server.Run(portNumber, clientLimit);
  } else {
    const char* hostName = hostOption.ArgumentIsAdded() ? host.GetChars() : "127.0.0.1";
    status = RunClient(ioErrors, hostName, portNumber, messageCount, messageBytes);
  }
  net_stop();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  ORVGlobalObjectCleaner cleaner;
  ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
  ErrorProcessingStart();
  ORVErrorMngr errors;
  return Run(argc, argv, errors);
}
