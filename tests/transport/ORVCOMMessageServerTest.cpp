// A one-thread server on loopback with three well-behaved clients and one hostile
// peer that sends, in turn, every kind of broken frame: the server closes only the
// hostile connection, records why, and delivers everything else in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ORVCOMMessage.h"
#include "ORVCOMNet.h"
#include "TransportTestSupport.h"

namespace {

const int kClients = 3;
const int kBlobBytes = 8 << 20;

// What the server saw, per connection, in order.
std::map<msg_connection*, std::vector<int>> _ServerLog;

// Echoes each message back; answers an ask with a blob of the size asked for.
void Serve(void* iMessage, void* iConnection) {
  msg_connection* connection = static_cast<msg_connection*>(iConnection);
  int type = *static_cast<int*>(iMessage);
  if (type == kEchoType) {
    EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
    _ServerLog[connection].push_back(echo->_Sequence);
    msg_send(echo, connection, 0);
  } else if (type == kAskType) {
    static std::string bytes(kBlobBytes, 'b');
    BlobMessage blob = {kBlobType, static_cast<AskMessage*>(iMessage)->_Size, bytes.data()};
    msg_send(&blob, connection, 0);
  }
  FreeMessage(iMessage);
}

std::vector<std::string> _ClientLog[kClients];
void Collect(void* iMessage, void* iClient) {
  EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
  _ClientLog[*static_cast<int*>(iClient)].push_back(std::to_string(echo->_Sequence) + ":" +
                                                    echo->_Text);
  FreeMessage(iMessage);
}

int ConnectRaw(int iPort) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
  close(fd);
  return -1;
}

struct Server {
  int _Listening = -1;
  std::vector<msg_connection*> _Connections;

  msg_connection* Accept() {
    msg_connection* connection = msg_srv_open(_Listening, Serve);
    if (!connection) return nullptr;
    fcntl(connection->socket, F_SETFL, fcntl(connection->socket, F_GETFL) | O_NONBLOCK);
    _Connections.push_back(connection);
    return connection;
  }
  // One poll and the steps of the ready connections; iClosed learns the result that
  // closed a connection.
  void Step(std::map<msg_connection*, int>& ioClosed) {
    std::vector<pollfd> ready;
    for (msg_connection* connection : _Connections) {
      short events = POLLIN;
      if (mq_length(&connection->send) > 0) events |= POLLOUT;
      ready.push_back({connection->socket, events, 0});
    }
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
  RegisterTestTypes();
  int indexes[kClients] = {0, 1, 2};
  msg_connection* clients[kClients];
  msg_connection* served[kClients];
  for (int i = 0; i < kClients; ++i) {
    clients[i] = msg_clnt_start("127.0.0.1", port, Collect);
    ASSERT_NE(clients[i], nullptr) << errors.Take();
    served[i] = server.Accept();
    ASSERT_NE(served[i], nullptr) << errors.Take();
    _ClientLog[i].clear();
  }

  const std::string rejected =
      "ORVCOM INPUT_CONVC; ORVCOM INPUT_CONV; ORVCOM INPUT_CONVA; record 2";
  struct Hostile {
    const char* _What;
    std::string _Bytes;
    int _Closed;
    std::string _Errors;
    bool _CloseOnceAnswered = false;  // else closed as soon as the bytes are written
  };
  std::vector<Hostile> hostiles = {
      {"truncated header", Frame(kEchoType, 20).substr(0, 5), 0, ""},
      {"oversized length", Frame(kEchoType, MQ_DEFAULT_MAX_FRAME_SIZE + 4), -1, rejected},
      {"short payload", Frame(kEchoType, 12, Word(7)), -1, rejected},
      {"unknown type", Frame(12, 8), -1, rejected},
      {"close mid-frame", Frame(kEchoType, 100, std::string(10, 'x')), 0, ""},
      {"close while sent to", Frame(kAskType, 12, Word(kBlobBytes - 4)), -1,
       "ORVSOCK SENDC(127.0.0.1:", true}};
  for (int length = 0; length < 8; ++length)
    hostiles.push_back({"length below the header", Frame(kEmptyType, length), -1, rejected});

  int sequence = 0;
  for (const Hostile& hostile : hostiles) {
    int peer = ConnectRaw(port);
    ASSERT_GE(peer, 0);
    msg_connection* attacker = server.Accept();
    ASSERT_NE(attacker, nullptr) << errors.Take();
    ASSERT_TRUE(WriteAll(peer, hostile._Bytes)) << hostile._What;
    if (!hostile._CloseOnceAnswered) {
      close(peer);
      peer = -1;
    }
    ++sequence;
    for (int i = 0; i < kClients; ++i) {
      std::string text = hostile._What;
      EchoMessage echo = {kEchoType, sequence * 10 + i, text.data(), {}};
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
      if (peer >= 0 && (closed.count(attacker) || sending)) {
        close(peer);  // unread bytes: the server's next send meets a reset connection
        peer = -1;
      }
    }
    ASSERT_EQ(closed.size(), 1u) << hostile._What;
    EXPECT_EQ(closed[attacker], hostile._Closed) << hostile._What;
    EXPECT_THAT(errors.Take(), testing::StartsWith(hostile._Errors)) << hostile._What;
    for (int i = 0; i < kClients; ++i)
      EXPECT_GT(msg_recv(clients[i], &indexes[i], 1), 0) << hostile._What;
  }
  for (int i = 0; i < kClients; ++i) {
    std::vector<int> expected;
    std::vector<std::string> echoes;
    for (size_t h = 0; h < hostiles.size(); ++h) {
      expected.push_back(int(h + 1) * 10 + i);
      echoes.push_back(std::to_string(expected.back()) + ":" + hostiles[h]._What);
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
