// A one-thread server on loopback with three well-behaved clients and one hostile
// peer that sends, in turn, each kind of broken frame: the server closes only the
// hostile connection, records why, and delivers everything else in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>

#include <map>
#include <string>
#include <vector>

#include "ORVCOMNet.h"
#include "TransportTestSupport.h"

namespace {

const int kClients = 3;
const int kBlobBytes = 8 << 20;

// What the server saw, per connection, in order.
std::map<msg_connection*, std::vector<int>> _ServerLog;

// Echoes each message back; an echo of negative sequence -n asks for a blob of n bytes.
void Serve(void* iMessage, void* iConnection) {
  msg_connection* connection = static_cast<msg_connection*>(iConnection);
  EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
  static std::string bytes(kBlobBytes, 'b');
  BlobMessage blob = {kBlobType, -echo->_Sequence, bytes.data()};
  if (echo->_Sequence >= 0) _ServerLog[connection].push_back(echo->_Sequence);
  msg_send(echo->_Sequence < 0 ? static_cast<void*>(&blob) : echo, connection, 0);
  free(iMessage);
}

std::vector<std::string> _ClientLog[kClients];
void Collect(void* iMessage, void* iClient) {
  EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
  _ClientLog[*static_cast<int*>(iClient)].push_back(std::to_string(echo->_Sequence) + ":" +
                                                    echo->_Text);
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
      if ((ready[i].revents & POLLOUT) && mq_length(&connection->send) > 0)
        result = msg_send_process(connection) < 0 ? -1 : 1;
      if (result > 0 && (ready[i].revents & (POLLIN | POLLHUP | POLLERR))) {
        if (mq_length(&connection->receive) == 0) msg_recv(connection, connection, 0);
        result = msg_recv_process(connection, connection);
      }
      if (result > 0) {
        open.push_back(connection);
        continue;
      }
      ioClosed[connection] = result;
      msg_srv_close(connection);
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
  TestTypes::Register();
  int indexes[kClients] = {0, 1, 2};
  msg_connection *clients[kClients], *served[kClients];
  for (int i = 0; i < kClients; ++i) {
    clients[i] = msg_clnt_start("127.0.0.1", port, Collect);
    ASSERT_NE(clients[i], nullptr) << errors.Take();
    ASSERT_NE(served[i] = server.Accept(), nullptr) << errors.Take();
    _ClientLog[i].clear();
  }

  const std::string rejected =
      "ORVCOM INPUT_CONVC; ORVCOM INPUT_CONV; ORVCOM INPUT_CONVA; record 2";
  struct Hostile {
    const char* _What;
    std::string _Bytes;
    int _Closed;
    std::string _Errors;
    bool _CloseOnceAnswered;  // else closed as soon as the bytes are written
  };
  const Hostile hostiles[] = {
      {"truncated header", Frame(kEchoType, 20).substr(0, 5), 0, "", false},
      {"oversized length", Frame(kEchoType, MQ_DEFAULT_MAX_FRAME_SIZE + 4), -1, rejected, false},
      {"unknown type", Frame(12, 8), -1, rejected, false},
      {"close mid-frame", Frame(kEchoType, 100, std::string(10, 'x')), 0, "", false},
      {"close while sent to", Frame(kEchoType, 16, Word(4 - kBlobBytes) + Word(0)), -1,
       "ORVSOCK SENDC(127.0.0.1:", true}};
  int sequence = 0;
  for (const Hostile& hostile : hostiles) {
    SCOPED_TRACE(hostile._What);
    int peer = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    ASSERT_EQ(connect(peer, Address(address), sizeof address), 0);
    msg_connection* attacker = server.Accept();
    ASSERT_NE(attacker, nullptr) << errors.Take();
    ASSERT_TRUE(WriteAll(peer, hostile._Bytes));
    if (!hostile._CloseOnceAnswered) close(std::exchange(peer, -1));
    ++sequence;
    for (int i = 0; i < kClients; ++i) {
      EchoMessage echo = {kEchoType, sequence * 10 + i, const_cast<char*>(hostile._What), {}};
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
    EXPECT_EQ(closed[attacker], hostile._Closed);
    EXPECT_THAT(errors.Take(), testing::StartsWith(hostile._Errors));
    for (int i = 0; i < kClients; ++i)
      EXPECT_GT(msg_recv(clients[i], &indexes[i], 1), 0);
  }
  for (int i = 0; i < kClients; ++i) {
    std::vector<int> expected;
    std::vector<std::string> echoes;
    for (const Hostile& hostile : hostiles) {
      expected.push_back(int(expected.size() + 1) * 10 + i);
      echoes.push_back(std::to_string(expected.back()) + ":" + hostile._What);
    }
    EXPECT_EQ(_ServerLog[served[i]], expected);
    EXPECT_EQ(_ClientLog[i], echoes);
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
