// Tests of the socket layer on loopback: automatic port choice around taken ports,
// the recorded failures of refused connections, unknown hosts, ports out of range and
// descriptors running out, and the trace of accepted clients.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <string>
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

TEST_F(ORVCOMNet, AutomaticChoiceSkipsTakenPortsUntilNoneIsLeft) {
  if (!Take(23400, 23401)) GTEST_SKIP() << "a port of 23400..23401 is in use";
  int port = NET_AUTOMATIC_PORT;
  ASSERT_GE(_Taken.emplace_back(net_serv_start(&port)), 0) << _Errors.Take();
  EXPECT_EQ(port, 23402);
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
    int server = net_serv_start(&port), probe = dup(0);
    close(probe);
    rlimit limit = {rlim_t(probe + 4), rlim_t(probe + 4)};
    setrlimit(RLIMIT_NOFILE, &limit);
    sockaddr_in address = Loopback(port);
    std::vector<int> clients;
    for (int fd; clients.size() < 16 && (fd = socket(AF_INET, SOCK_STREAM, 0)) >= 0;)
      connect(clients.emplace_back(fd), Address(address), sizeof address);
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

}  // namespace
