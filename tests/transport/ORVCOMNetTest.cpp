// Tests of the socket layer on loopback (automatic port choice around taken ports, the
// recorded failures of refused connections, unknown hosts, ports out of range and
// descriptors running out, the trace of accepted clients), and a one-thread server with
// three well-behaved clients and one hostile peer that sends, in turn, each kind of
// broken frame: the server closes only the hostile connection, records why, and
// delivers everything else in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "ChildProcess.h"
#include "ORVCBTrace.h"
#include "ORVCOMNet.h"
#include "TransportTestSupport.h"

namespace {

class ORVCOMNet : public testing::Test {
protected:
  void TearDown() override {
    for (int fd : _Taken)
      close(fd);
  }
  // Listens on iFrom..iTo; false when another program holds one of them. Ports of
  // closed test connections wait in TIME_WAIT: reuse them as the server does.
  bool Take(int iFrom, int iTo) {
    for (int port = iFrom, on = 1; port <= iTo; ++port) {
      int fd = _Taken.emplace_back(socket(AF_INET, SOCK_STREAM, 0));
      setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
      sockaddr_in address = Loopback(port);
      address.sin_addr.s_addr = htonl(INADDR_ANY);
      if (bind(fd, Address(address), sizeof address) != 0 || listen(fd, 4) != 0) return false;
    }
    return true;
  }

  std::vector<int> _Taken;
  ErrorRecorder _Errors;
};

TEST_F(ORVCOMNet, FailuresAreRecordedWithWhatWasAskedForAndAutomaticChoiceSkipsTakenPorts) {
  if (!Take(23400, 23401)) GTEST_SKIP() << "a port of 23400..23401 is in use";
  int port = 23400;
  EXPECT_EQ(net_serv_start(&port), -1);
  EXPECT_EQ(_Errors.Take(), "ORVSOCK BINDC; ORVSOCK BIND(23400); ORVSOCK BINDA; record 2");
  const std::string range = "ORVSOCK UNEXPECTED(" + std::string(strerror(ERANGE)) + "); record 2";
  for (int outside : {-2, 65536, 70000}) {
    port = outside;
    EXPECT_EQ(net_serv_start(&port), -1) << outside;
    EXPECT_EQ(port, outside);
    EXPECT_EQ(_Errors.Take(), "ORVSOCK BINDC; " + range) << outside;
  }
  // Refused, then out of range, without net_start: the protocol is the default one.
  EXPECT_EQ(net_clnt_start("127.0.0.1", 23498), -1);
  EXPECT_EQ(_Errors.Take(),
            "ORVSOCK CONNECTC(127.0.0.1:23498); ORVSOCK CONNECT; ORVSOCK CONNECTA; record 2");
  EXPECT_EQ(net_clnt_start("127.0.0.1", 65536), -1);
  EXPECT_EQ(_Errors.Take(), "ORVSOCK CONNECTC(127.0.0.1:65536); " + range);
  EXPECT_EQ(net_clnt_start("no-such-host.invalid", 23400), -1);
  EXPECT_EQ(_Errors.Take(),
            "ORVCOM HOST(no-such-host.invalid); ORVCOM HOST_ADD; ORVCOM HOST_ADDA; record 2");
  void* found = &port;
  EXPECT_EQ(net_dos_search(nullptr, &found), 0);
  EXPECT_EQ(found, nullptr);
  // The automatic choice skips taken ports until none is left.
  port = NET_AUTOMATIC_PORT;
  ASSERT_GE(_Taken.emplace_back(net_serv_start(&port)), 0) << _Errors.Take();
  EXPECT_EQ(port, 23402);
  if (!Take(23403, 23499)) GTEST_SKIP() << "a port of 23403..23499 is in use";
  port = NET_AUTOMATIC_PORT;
  EXPECT_EQ(net_serv_start(&port), -1);
  EXPECT_EQ(port, NET_AUTOMATIC_PORT);
  EXPECT_EQ(_Errors.Take(), "ORVCOM FULLC; ORVCOM FULL; ORVCOM FULLA; record 2");
}

TEST_F(ORVCOMNet, PortZeroMeansTheDefaultAndAcceptedClientsAreTraced) {
  ChildResult child = RunInChild([] {
    trc_set_component("net");
    net_start();
    net_start();
    int port = 0;
    int server = net_serv_start(&port), client = net_clnt_start("localhost", 0);
    sockaddr_in local = {};
    socklen_t length = sizeof local;
    getsockname(client, Address(local), &length);
    int accepted = net_serv_open(server);
    fflush(stdout);
    fprintf(stderr, "%d %d %d\n", port, accepted >= 0, ntohs(local.sin_port));
    net_clnt_stop(client);
    net_serv_close(accepted);
    net_serv_stop(server);
    net_stop();
    net_stop();
  });
  int port = 0, accepted = 0, clientPort = 0;
  ASSERT_EQ(sscanf(child._Stderr.c_str(), "%d %d %d", &port, &accepted, &clientPort), 3)
      << child._Stderr;
  if (port == -1) GTEST_SKIP() << "port 23400 is in use";
  EXPECT_EQ(std::pair(port, accepted), std::pair(23400, 1));
  EXPECT_THAT(child._Stdout, testing::MatchesRegex("^[0-9/]+ [0-9:.]+: CLIENT 0x7f000001 " +
                                                   std::to_string(clientPort) + "\n$"));
  EXPECT_EQ(child._ExitStatus, 0);
}

TEST_F(ORVCOMNet, AcceptWithoutDescriptorsLeftIsARecordedFailure) {
  ChildResult child = RunInChild([] {
    ErrorRecorder errors;
    int port = NET_AUTOMATIC_PORT;
    int server = net_serv_start(&port), probe = dup(0);
    close(probe);
    rlimit limit = {rlim_t(probe + 4), rlim_t(probe + 4)};
    setrlimit(RLIMIT_NOFILE, &limit);
    std::vector<int> clients;
    for (int fd; clients.size() < 16 && (fd = socket(AF_INET, SOCK_STREAM, 0)) >= 0;)
      Connect(clients.emplace_back(fd), port);
    errors.Take();
    int refused = net_serv_open(server);
    printf("%d|%s\n", refused, errors.Take().c_str());
    close(clients.back());
    printf("%d\n", net_serv_open(server) >= 0);
  });
  EXPECT_EQ(child._ExitStatus, 0) << child._Stderr;
  EXPECT_EQ(child._Stdout, "-1|ORVSOCK ACCEPT; ORVSOCK UNEXPECTED(" +
                               std::string(strerror(EMFILE)) + "); record 2\n1\n");
}

const int kClients = 3;
const int kBlobBytes = 8 << 20;

// What the server saw, per connection, and each client received, as "sequence:text".
std::map<void*, std::vector<std::string>> _ServerLog, _ClientLog;

// Echoes each message back; an echo of negative sequence -n asks for a blob of n bytes.
void Serve(void* iMessage, void* iConnection) {
  msg_connection* connection = static_cast<msg_connection*>(iConnection);
  EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
  static std::string bytes(kBlobBytes, 'b');
  BlobMessage blob = {kBlobType, -echo->_Sequence, bytes.data()};
  if (echo->_Sequence >= 0)
    _ServerLog[connection].push_back(std::to_string(echo->_Sequence) + ":" + echo->_Text);
  msg_send(echo->_Sequence < 0 ? static_cast<void*>(&blob) : echo, connection, 0);
  free(iMessage);
}

void Collect(void* iMessage, void* iClient) {
  EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
  _ClientLog[iClient].push_back(std::to_string(echo->_Sequence) + ":" + echo->_Text);
  free(iMessage);
}

struct Server {
  int _Listening = -1;
  std::vector<msg_connection*> _Connections;

  msg_connection* Accept() {
    msg_connection* connection = msg_srv_open(_Listening, Serve);
    if (!connection) return nullptr;
    fcntl(connection->socket, F_SETFL, fcntl(connection->socket, F_GETFL) | O_NONBLOCK);
    return _Connections.emplace_back(connection);
  }
  // One poll and the steps of the ready connections; ioClosed learns the result that
  // closed a connection.
  void Step(std::map<msg_connection*, int>& ioClosed) {
    std::vector<pollfd> ready;
    for (msg_connection* connection : _Connections)
      ready.push_back(
          {connection->socket, short(POLLIN | (mq_length(&connection->send) ? POLLOUT : 0)), 0});
    if (poll(ready.data(), ready.size(), 100) <= 0) return;
    std::vector<msg_connection*> open;
    for (size_t i = 0; i < ready.size(); ++i) {
      msg_connection* connection = _Connections[i];
      int result = 1;
      if (ready[i].revents & POLLOUT) result = msg_send_process(connection) < 0 ? -1 : 1;
      if (result > 0 && (ready[i].revents & (POLLIN | POLLHUP | POLLERR))) {
        if (mq_length(&connection->receive) == 0) msg_recv(connection, connection, 0);
        result = msg_recv_process(connection, connection);
      }
      if (result > 0)
        open.push_back(connection);
      else
        ioClosed[connection] = result, msg_srv_close(connection);
    }
    _Connections = open;
  }
};

TEST(ORVCOMMessageServer, HostilePeerLosesOnlyItsOwnConnection) {
  ErrorRecorder errors;
  Server server;
  int port = NET_AUTOMATIC_PORT;
  net_start();
  server._Listening = msg_srv_start(&port);
  ASSERT_GE(server._Listening, 0) << errors.Take();
  RegisterTestTypes();
  _ClientLog.clear();
  msg_connection *clients[kClients], *served[kClients];
  for (int i = 0; i < kClients; ++i) {
    clients[i] = msg_clnt_start("127.0.0.1", port, Collect);
    ASSERT_NE(clients[i], nullptr) << errors.Take();
    ASSERT_NE(served[i] = server.Accept(), nullptr) << errors.Take();
  }

  const std::string rejected =
      "ORVCOM INPUT_CONVC; ORVCOM INPUT_CONV; ORVCOM INPUT_CONVA; record 2";
  // What the peer sends, the result that closes it, the errors recorded, and whether
  // it closes only once answered (else as soon as the bytes are written).
  const std::tuple<const char*, std::string, int, std::string, bool> hostiles[] = {
      {"truncated header", Frame(kEchoType, 20).substr(0, 5), 0, "", false},
      {"oversized length", Frame(kEchoType, MQ_DEFAULT_MAX_FRAME_SIZE + 4), -1, rejected, false},
      {"unknown type", Frame(12, 8), -1, rejected, false},
      {"close mid-frame", Frame(kEchoType, 100, std::string(10, 'x')), 0, "", false},
      {"close while sent to", Frame(kEchoType, 16, Word(4 - kBlobBytes) + Word(0)), -1,
       "ORVSOCK SENDC(127.0.0.1:", true}};
  int sequence = 0;
  for (const auto& [what, bytes, result, recorded, late] : hostiles) {
    SCOPED_TRACE(what);
    int peer = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(Connect(peer, port), 0);
    msg_connection* attacker = server.Accept();
    ASSERT_NE(attacker, nullptr) << errors.Take();
    ASSERT_TRUE(WriteAll(peer, bytes));
    if (!late) close(std::exchange(peer, -1));
    ++sequence;
    for (int i = 0; i < kClients; ++i) {
      EchoMessage echo = {kEchoType, sequence * 10 + i, const_cast<char*>(what), {}};
      ASSERT_EQ(msg_send(&echo, clients[i], 1), 0);
    }
    std::map<msg_connection*, int> closed;
    for (int round = 0; round < 300; ++round) {
      bool echoed = true;
      for (msg_connection* connection : served)
        echoed = echoed && _ServerLog[connection].size() == size_t(sequence) &&
                 mq_length(&connection->send) == 0;
      if (echoed && closed.count(attacker)) break;
      server.Step(closed);
      bool sending = !closed.count(attacker) && mq_length(&attacker->send) > 0 &&
                     mq_peek(&attacker->send)->count < mq_peek(&attacker->send)->size;
      // Unread bytes: the server's next send meets a reset connection.
      if (peer >= 0 && (closed.count(attacker) || sending)) close(std::exchange(peer, -1));
    }
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[attacker], result);
    EXPECT_THAT(errors.Take(), testing::StartsWith(recorded));
    for (int i = 0; i < kClients; ++i)
      EXPECT_GT(msg_recv(clients[i], clients[i], 1), 0);
  }
  for (int i = 0; i < kClients; ++i) {
    std::vector<std::string> echoes;
    for (const auto& hostile : hostiles)
      echoes.push_back(std::to_string((echoes.size() + 1) * 10 + i) + ":" + std::get<0>(hostile));
    EXPECT_EQ(_ServerLog[served[i]], echoes);
    EXPECT_EQ(_ClientLog[clients[i]], echoes);
    msg_clnt_stop(clients[i]);
  }
  std::map<msg_connection*, int> closed;
  for (int round = 0; round < 100 && !server._Connections.empty(); ++round)
    server.Step(closed);
  EXPECT_TRUE(server._Connections.empty());
  msg_srv_stop(server._Listening);
  net_stop();
  EXPECT_EQ(errors.Take(), "");
}

}  // namespace
