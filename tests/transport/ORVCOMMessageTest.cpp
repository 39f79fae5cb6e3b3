// Tests of the wire format and of message exchange over one connection: byte layouts,
// decoders that hold against any bytes, frames built and received whole or in parts,
// and the fatal misuses of the registry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "ORVCOMMessage.h"
#include "TransportTestSupport.h"

namespace {

int AppendTo(void* iContext, int iBytes, const void* iAddress) {
  static_cast<std::string*>(iContext)->append(static_cast<const char*>(iAddress), iBytes);
  return 0;
}

struct Source {
  std::string _Bytes;
  size_t _At = 0;
};
int ReadFrom(void* iContext, int iBytes, void* oAddress) {
  Source* source = static_cast<Source*>(iContext);
  if (iBytes < 0 || source->_At + iBytes > source->_Bytes.size()) return -1;
  memcpy(oAddress, source->_Bytes.data() + source->_At, iBytes);
  source->_At += iBytes;
  return 0;
}

std::string Hex(const std::string& iBytes) {
  std::string hex;
  char pair[4];
  for (unsigned char c : iBytes) {
    snprintf(pair, sizeof pair, "%s%02X", hex.empty() ? "" : " ", c);
    hex += pair;
  }
  return hex;
}

TEST(ORVCOMMessage, FieldsHaveTheirByteLayouts) {
  struct Case {
    const char* _What;
    std::string _Bytes;
    const char* _Hex;
  };
  auto encode = [](auto iPut) {
    std::string bytes;
    EXPECT_EQ(iPut(&bytes), 0);
    return bytes;
  };
  const Case cases[] = {
      {"abc", encode([](std::string* o) { return msg_string_put("abc", AppendTo, o); }),
       "00 00 00 04 61 62 63 00"},
      {"five", encode([](std::string* o) { return msg_string_put("hello", AppendTo, o); }),
       "00 00 00 06 68 65 6C 6C 6F 00 00 00"},
      {"empty", encode([](std::string* o) { return msg_string_put("", AppendTo, o); }),
       "00 00 00 01 00 00 00 00"},
      {"null", encode([](std::string* o) { return msg_string_put(nullptr, AppendTo, o); }),
       "00 00 00 01 00 00 00 00"},
      {"-1", encode([](std::string* o) { return msg_int_put(-1, AppendTo, o); }), "FF FF FF FF"},
      {"258", encode([](std::string* o) { return msg_int_put(258, AppendTo, o); }), "00 00 01 02"},
      {"unsigned",
       encode([](std::string* o) { return msg_unsigned_put(0x80000001u, AppendTo, o); }),
       "80 00 00 01"},
      {"time", encode([](std::string* o) { return msg_time_put(-2, AppendTo, o); }), "FF FF FF FE"},
      {"text5", encode([](std::string* o) { return msg_text_put("12345", 5, AppendTo, o); }),
       "31 32 33 34 35 00 00 00"},
      {"text8", encode([](std::string* o) { return msg_text_put("12345678", 8, AppendTo, o); }),
       "31 32 33 34 35 36 37 38"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Hex(c._Bytes), c._Hex) << c._What;
}

extern "C" int ORVCOMEncodeFromC(void);

TEST(ORVCOMMessage, CallersWrittenInCEncodeFields) {
  EXPECT_EQ(ORVCOMEncodeFromC(), 1);
}

TEST(ORVCOMMessage, ByteOrderConvertersSwapAndSignExtend) {
  EXPECT_EQ(ec_int_convert(0x01020304), 0x04030201);
  EXPECT_EQ(ec_long_convert(-1L), -1L);
  EXPECT_EQ(ec_long_convert(0x01020304L), 0x04030201L);
  EXPECT_EQ(ec_long_convert(0x80L), long(INT32_MIN));
  EXPECT_EQ(ec_long_convert(0x1122334455667788L), long(int32_t(0x88776655u)));
}

TEST(ORVCOMMessage, DecodersReadBackAndRefuseWhatDoesNotFit) {
  Source source;
  msg_int_put(-7, AppendTo, &source._Bytes);
  msg_time_put(time_t(0xFFFFFFF0), AppendTo, &source._Bytes);
  msg_string_put("hello", AppendTo, &source._Bytes);
  msg_text_put("xyz", 3, AppendTo, &source._Bytes);
  source._Bytes += Word(0) + Word(-5);
  char storage[16];
  char* cursor = storage;
  int room = 9;
  int value = 0;
  time_t when = 0;
  char* text = nullptr;
  char* raw = nullptr;
  char* none = storage;
  ASSERT_EQ(msg_int_get(ReadFrom, &source, &value), 0);
  ASSERT_EQ(msg_time_get(ReadFrom, &source, &when), 0);
  ASSERT_EQ(msg_string_get_bounded(ReadFrom, &source, &cursor, &room, &text), 0);
  ASSERT_EQ(msg_text_get_bounded(ReadFrom, &source, 3, &cursor, &room, &raw), 0);
  EXPECT_EQ(value, -7);
  EXPECT_EQ(when, -16);  // 32 bits on the wire, read back signed
  EXPECT_STREQ(text, "hello");
  EXPECT_EQ(std::string(raw, 3), "xyz");
  EXPECT_EQ(room, 0);
  EXPECT_EQ(cursor, storage + 9);
  size_t before = source._At;
  EXPECT_EQ(msg_string_get(ReadFrom, &source, &cursor, &none), 0);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(msg_string_get(ReadFrom, &source, &cursor, &none), 0);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(source._At, before + 8);
  EXPECT_EQ(cursor, storage + 9);

  struct Refused {
    const char* _What;
    std::string _Bytes;
    int _Room;
  };
  for (const Refused& r : {Refused{"no zero byte", Word(4) + "abcd", 16},
                           Refused{"longer than the room", Word(6) + "hello" + '\0', 5},
                           Refused{"longer than the bytes", Word(INT_MAX) + "ab", 16},
                           Refused{"cut padding", Word(2) + "a" + '\0', 16}}) {
    Source bad{r._Bytes};
    char target[16];
    memset(target, 'z', sizeof target);
    char* at = target;
    int left = r._Room;
    char* result = target;
    EXPECT_EQ(msg_string_get_bounded(ReadFrom, &bad, &at, &left, &result), -1) << r._What;
    EXPECT_EQ(result, nullptr) << r._What;
    EXPECT_EQ(at, target) << r._What;
    EXPECT_EQ(left, r._Room) << r._What;
    if (r._Room < 6) {
      EXPECT_EQ(target[0], 'z') << "written beyond the room";
    }
  }
  Source negative{"abcd"};
  EXPECT_EQ(msg_text_get(ReadFrom, &negative, -1, &cursor, &raw), -1);
  EXPECT_EQ(msg_text_put("x", -1, AppendTo, &negative._Bytes), -1);
}

// What the handler of a connection received.
std::vector<std::string> _Received;
void Keep(void* iMessage, void*) {
  int type = *static_cast<int*>(iMessage);
  if (type == kEchoType) {
    EchoMessage* echo = static_cast<EchoMessage*>(iMessage);
    _Received.push_back(std::to_string(echo->_Sequence) + ":" +
                        (echo->_Text ? echo->_Text : "<null>"));
  } else if (type == kEmptyType) {
    _Received.push_back("empty payload " +
                        std::to_string(static_cast<EmptyMessage*>(iMessage)->_Payload));
  } else {
    _Received.push_back("type " + std::to_string(type));
  }
  FreeMessage(iMessage);
}

class ORVCOMMessageExchange : public testing::Test {
protected:
  void SetUp() override {
    // The first start of the process clears the tables; a port out of range opens nothing.
    int port = 70000;
    EXPECT_EQ(msg_srv_start(&port), -1);
    _Errors.Take();
    RegisterTestTypes();
    _Received.clear();
    _Pair = MakePairedConnection(Keep);
    ASSERT_NE(_Pair._Connection, nullptr);
  }
  void TearDown() override { ClosePairedConnection(_Pair); }

  std::string ReadPeer(size_t iBytes) {
    std::string bytes(iBytes, '\0');
    size_t done = 0;
    while (done < iBytes) {
      ssize_t got = recv(_Pair._Peer, &bytes[done], iBytes - done, 0);
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
  }

  PairedConnection _Pair;
  ErrorRecorder _Errors;
};

TEST_F(ORVCOMMessageExchange, SentFrameHasItsHeaderAndWaitsInTheQueueUntilProcessed) {
  AskMessage ask = {kAskType, 258};
  EXPECT_EQ(msg_send(&ask, _Pair._Connection, 0), 1);
  EXPECT_EQ(mq_length(&_Pair._Connection->send), 1);
  EXPECT_EQ(msg_send_process(_Pair._Connection), 0);
  EXPECT_EQ(mq_length(&_Pair._Connection->send), 0);
  EXPECT_EQ(Hex(ReadPeer(12)), "00 00 00 03 00 00 00 0C 00 00 01 02");
  EchoMessage echo = {kEchoType, 5, const_cast<char*>("abc"), {}};
  EXPECT_EQ(msg_send(&echo, _Pair._Connection, 1), 0);
  EXPECT_EQ(Hex(ReadPeer(20)), "00 00 00 01 00 00 00 14 00 00 00 05 00 00 00 04 61 62 63 00");
}

TEST_F(ORVCOMMessageExchange, FramesArriveWholeOrInPiecesAndAPeerCloseEndsTheWait) {
  ASSERT_TRUE(WriteAll(_Pair._Peer, Frame(kEmptyType, 8)));
  ASSERT_EQ(msg_recv(_Pair._Connection, nullptr, 0), 1);
  EXPECT_EQ(msg_recv_process(_Pair._Connection, nullptr), 8);  // one receive, decoded
  EXPECT_THAT(_Received, testing::ElementsAre("empty payload 0"));

  std::string echo = Frame(kEchoType, 20, Word(9) + Word(4) + std::string("abc\0", 4));
  for (char byte : echo) {
    ASSERT_TRUE(WriteAll(_Pair._Peer, std::string(1, byte)));
    if (mq_length(&_Pair._Connection->receive) == 0) msg_recv(_Pair._Connection, nullptr, 0);
    EXPECT_EQ(msg_recv_process(_Pair._Connection, nullptr), 1);
  }
  ASSERT_TRUE(WriteAll(_Pair._Peer, Frame(kEchoType, 16, Word(10) + Word(0))));
  EXPECT_EQ(msg_recv(_Pair._Connection, nullptr, 1), 8);
  shutdown(_Pair._Peer, SHUT_WR);
  EXPECT_EQ(msg_recv(_Pair._Connection, nullptr, 1), 0);
  EXPECT_EQ(mq_length(&_Pair._Connection->receive), 0);
  EXPECT_THAT(_Received, testing::ElementsAre("empty payload 0", "9:abc", "10:<null>"));
  EXPECT_EQ(_Errors.Take(), "");
}

TEST_F(ORVCOMMessageExchange, FrameThatCannotBeDecodedFailsItsConnectionOnce) {
  const std::string rejected =
      "ORVCOM INPUT_CONVC; ORVCOM INPUT_CONV; ORVCOM INPUT_CONVA; record 2";
  struct Case {
    const char* _What;
    std::string _Bytes;
  };
  std::vector<Case> cases = {{"type 12", Frame(12, 8)},
                             {"type -1", Frame(-1, 8)},
                             {"no input converter", Frame(kBlobType, 8)},
                             {"past the payload", Frame(kEchoType, 12, Word(1))},
                             {"string past the payload", Frame(kEchoType, 16, Word(1) + Word(9))},
                             {"over the limit", Frame(kEchoType, MQ_DEFAULT_MAX_FRAME_SIZE + 1)},
                             {"negative length", Frame(kEchoType, -8)},
                             {"huge length", Frame(kEchoType, INT_MAX)}};
  for (int length = 0; length < 8; ++length)
    cases.push_back({"short length", Frame(kEmptyType, length)});
  for (const Case& c : cases) {
    ClosePairedConnection(_Pair);
    _Pair = MakePairedConnection(Keep);
    // The bytes of a good frame follow: the failed stream must not read them as one.
    ASSERT_TRUE(WriteAll(_Pair._Peer, c._Bytes + Frame(kEmptyType, 8)));
    EXPECT_EQ(msg_recv(_Pair._Connection, nullptr, 1), -1) << c._What;
    EXPECT_EQ(_Errors.Take(), rejected) << c._What;
    EXPECT_EQ(_Pair._Connection->failed, 1) << c._What;
    EXPECT_EQ(mq_length(&_Pair._Connection->receive), 0) << c._What;
    EXPECT_EQ(msg_recv(_Pair._Connection, nullptr, 1), -1) << c._What;
    EXPECT_EQ(msg_recv_process(_Pair._Connection, nullptr), -1) << c._What;
  }
  EXPECT_THAT(_Received, testing::IsEmpty());
}

TEST_F(ORVCOMMessageExchange, PeerGoneWhileSendingIsARecordedFailure) {
  close(_Pair._Peer);
  _Pair._Peer = -1;
  std::string bytes(1 << 20, 'b');
  BlobMessage blob = {kBlobType, static_cast<int>(bytes.size()), bytes.data()};
  EXPECT_EQ(msg_send(&blob, _Pair._Connection, 1), -1);
  EXPECT_THAT(_Errors.Take(), testing::StartsWith("ORVSOCK SENDC(socket "));
}

TEST_F(ORVCOMMessageExchange, FrameOverTheLimitIsNotBuilt) {
  ASSERT_EQ(mq_set_max_frame_size(64), 0);
  std::string bytes(60, 'b');
  BlobMessage blob = {kBlobType, 52, bytes.data()};
  EXPECT_EQ(msg_send(&blob, _Pair._Connection, 0), 1);
  blob._Size = 53;
  EXPECT_EQ(msg_send(&blob, _Pair._Connection, 0), -1);
  mq_set_max_frame_size(MQ_DEFAULT_MAX_FRAME_SIZE);
  EXPECT_EQ(mq_length(&_Pair._Connection->send), 1);
}

TEST(ORVCOMMessageDeathTest, RegistryMisusesAreFatal) {
  struct Case {
    std::function<void()> _Body;
    const char* _Text;
  };
  const Case cases[] = {{[] { msg_register(11, nullptr, nullptr); }, "Wrong message type \\(11\\)"},
                        {[] { msg_register(-1, nullptr, nullptr); }, "Wrong message type \\(-1\\)"},
                        {[] {
                           PairedConnection pair = MakePairedConnection(nullptr);
                           int message[2] = {7, 0};
                           msg_send(message, pair._Connection, 1);
                         },
                         "Undefined converter for output message type 7"}};
  for (const Case& c : cases) {
    ChildResult child = RunInChild(c._Body);
    EXPECT_EQ(child._Signal, SIGABRT) << c._Text;
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                  "src/ORVCOMMessage\\.cpp:[0-9]+: ") +
                                      c._Text + "\n$"));
  }
}

}  // namespace
