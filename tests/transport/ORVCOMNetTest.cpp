// Tests of the socket layer on loopback: automatic port choice around taken ports,
// the recorded failures of refused connections, unknown hosts, ports out of range and
// descriptors running out, and the trace of accepted clients.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "ORVCBTrace.h"
#include "ORVCOMNet.h"
#include "TransportTestSupport.h"

namespace {

// A listening socket on iPort, or -1. Ports of closed test connections wait in
// TIME_WAIT: reuse them as the server does.
int Occupy(int iPort) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 4) == 0)
    return fd;
  close(fd);
  return -1;
}

class ORVCOMNet : public testing::Test {
protected:
  void TearDown() override {
    for (int fd : _Taken)
      close(fd);
  }
  // Takes iFrom..iTo; false when another program holds one of them.
  bool Take(int iFrom, int iTo) {
    for (int port = iFrom; port <= iTo; ++port) {
      int fd = Occupy(port);
      if (fd < 0) return false;
      _Taken.push_back(fd);
    }
    return true;
  }

  std::vector<int> _Taken;
  ErrorRecorder _Errors;
};

TEST_F(ORVCOMNet, AutomaticChoiceSkipsTakenPortsUntilNoneIsLeft) {
  if (!Take(23400, 23401)) GTEST_SKIP() << "a port of 23400..23401 is in use";
  int port = NET_AUTOMATIC_PORT;
  int server = net_serv_start(&port);
  ASSERT_GE(server, 0) << _Errors.Take();
  EXPECT_EQ(port, 23402);
  _Taken.push_back(server);
  if (!Take(23403, 23499)) GTEST_SKIP() << "a port of 23403..23499 is in use";
  port = NET_AUTOMATIC_PORT;
  EXPECT_EQ(net_serv_start(&port), -1);
  EXPECT_EQ(port, NET_AUTOMATIC_PORT);
  EXPECT_EQ(_Errors.Take(), "ORVCOM FULLC; ORVCOM FULL; ORVCOM FULLA; record 2");
}

TEST_F(ORVCOMNet, FailuresAreRecordedWithWhatWasAskedFor) {
  if (!Take(23400, 23400)) GTEST_SKIP() << "port 23400 is in use";
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
}

TEST_F(ORVCOMNet, PortZeroMeansTheDefaultAndAcceptedClientsAreTraced) {
  ChildResult child = RunInChild([] {
    trc_set_component("net");
    net_start();
    net_start();
    int port = 0;
    int server = net_serv_start(&port);
    int client = net_clnt_start("localhost", 0);
    sockaddr_in local = {};
    socklen_t length = sizeof local;
    getsockname(client, reinterpret_cast<sockaddr*>(&local), &length);
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
  EXPECT_EQ(port, 23400);
  EXPECT_EQ(accepted, 1);
  EXPECT_THAT(child._Stdout, testing::MatchesRegex("^[0-9/]+ [0-9:.]+: CLIENT 0x7f000001 " +
                                                   std::to_string(clientPort) + "\n$"));
  EXPECT_EQ(child._ExitStatus, 0);
}

TEST_F(ORVCOMNet, AcceptWithoutDescriptorsLeftIsARecordedFailure) {
  ChildResult child = RunInChild([] {
    ErrorRecorder errors;
    int port = NET_AUTOMATIC_PORT;
    int server = net_serv_start(&port);
    int probe = dup(0);
    close(probe);
    rlimit limit = {rlim_t(probe + 4), rlim_t(probe + 4)};
    setrlimit(RLIMIT_NOFILE, &limit);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<int> clients;
    for (int fd; clients.size() < 16 && (fd = socket(AF_INET, SOCK_STREAM, 0)) >= 0;) {
      connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
      clients.push_back(fd);
    }
    errors.Take();
    int refused = net_serv_open(server);
    printf("%d|%s\n", refused, errors.Take().c_str());
    close(clients.back());
    int accepted = net_serv_open(server);
    printf("%d\n", accepted >= 0);
  });
  EXPECT_EQ(child._ExitStatus, 0) << child._Stderr;
  EXPECT_EQ(child._Stdout, "-1|ORVSOCK ACCEPT; ORVSOCK UNEXPECTED(" +
                               std::string(strerror(EMFILE)) + "); record 2\n1\n");
}

}  // namespace
