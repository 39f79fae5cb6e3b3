// Tests of the message buffers and queues (the growth rule, the limits that keep
// peer-chosen counts away from memcpy, removal while applying, reuse after delete), of
// the wire format (byte layouts, decoders that hold against any bytes) and of message
// exchange over one connection, with the fatal misuses of the registry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ChildProcess.h"
#include "TransportTestSupport.h"

extern "C" int ORVCOMEncodeFromC(void);

using namespace std::string_literals;

namespace {

using Buffer = std::unique_ptr<mq_buf, decltype(&mq_buf_free)>;
Buffer Alloc(int iBytes) {
  return Buffer(mq_buf_alloc(iBytes), mq_buf_free);
}
// A buffer's size and count.
std::pair<int, int> Sizes(const Buffer& iBuffer) {
  return {iBuffer->size, iBuffer->count};
}

TEST(ORVCOMMessageQueue, BuffersGrowInStepsWithinTheLimitAndAreReadWithinTheirBytes) {
  for (auto [asked, size, count] :
       {std::tuple(0, 65536, 0), std::tuple(-5, 65536, 0), std::tuple(8, 8, 8)})
    EXPECT_EQ(Sizes(Alloc(asked)), std::pair(size, count)) << asked;
  EXPECT_EQ(mq_buf_alloc(mq_max_frame_size() + 1), nullptr);
  Buffer buffer = Alloc(0);
  auto insert = [&buffer](int iBytes, const std::string& iData) {
    return mq_buf_insert(buffer.get(), iBytes, iData.data());
  };
  ASSERT_EQ(insert(65530, std::string(65530, 'x')), 0);
  EXPECT_EQ(buffer->size, 65536);
  ASSERT_EQ(insert(10, "0123456789"), 0);
  EXPECT_EQ(Sizes(buffer), std::pair(131072, 65540));
  EXPECT_EQ(std::string(buffer->data + 65529, 4), "x012");
  EXPECT_EQ(mq_buf_insert_close(buffer.get()), 65540);
  EXPECT_EQ(buffer->size, 65540);
  // Negative, huge and over-limit counts change nothing: the results of inserting 4, -1,
  // INT_MAX, then under a limit of 100 inserting 96 and 1, and resizing to 101.
  buffer = Alloc(0);
  EXPECT_EQ(std::vector<int>({insert(4, "abcd"), insert(-1, "x"), insert(INT_MAX, "x"),
                              mq_set_max_frame_size(100), insert(96, std::string(96, 'y')),
                              insert(1, "z"), mq_buf_resize(buffer.get(), 101),
                              mq_set_max_frame_size(MQ_DEFAULT_MAX_FRAME_SIZE)}),
            std::vector<int>({0, -1, -1, 0, 0, -1, -1, 0}));
  EXPECT_EQ(Sizes(buffer), std::pair(65536, 100));
  for (int refused : {7, 0, -1, MQ_LIMIT_MAX_FRAME_SIZE + 1})
    EXPECT_EQ(mq_set_max_frame_size(refused), -1) << refused;
  EXPECT_EQ(mq_max_frame_size(), MQ_DEFAULT_MAX_FRAME_SIZE);
  // Extracting walks the frame; a resize then leaves the rest to receive.
  buffer = Alloc(0);
  insert(8, "headtail");
  mq_buf_insert_close(buffer.get());
  mq_buf_extract_open(buffer.get());
  char part[5] = {};
  ASSERT_EQ(mq_buf_extract(buffer.get(), 4, part), 0);
  EXPECT_STREQ(part, "head");
  EXPECT_EQ(mq_buf_extract(buffer.get(), -4, part), -1);
  EXPECT_EQ(buffer->count, 4);
  mq_buf_extract_close(buffer.get());
  ASSERT_EQ(mq_buf_resize(buffer.get(), 20), 0);
  EXPECT_EQ(std::pair(buffer->count, std::string(buffer->data, 8)), std::pair(12, "headtail"s));
  ChildResult child = RunInChild([&] { mq_buf_extract(Alloc(3).get(), 4, part); });
  EXPECT_EQ(child._Signal, SIGABRT);
  EXPECT_THAT(child._Stderr,
              testing::MatchesRegex("^#ERR# Fatal internal error at "
                                    "src/ORVCOMMessageQueue\\.cpp:[0-9]+: Trying to read past "
                                    "end of message\n\n$"));
}

TEST(ORVCOMMessageQueue, QueueKeepsOrderAndSurvivesRemovalAndDelete) {
  // Counts calls; fails on the second buffer, and removes the first while applying.
  static int calls = 0;
  auto removeFirstFailSecond = [](mq* ioQueue, mq_buf* iBuffer) {
    if (++calls == 2) return -1;
    if (iBuffer == mq_peek(ioQueue)) mq_remove(ioQueue);
    return 0;
  };
  mq queue;
  mq_create(&queue);
  mq_remove(&queue);
  EXPECT_EQ(mq_length(&queue), 0);
  std::vector<mq_buf*> buffers;
  for (int i = 0; i < 3; ++i)
    mq_add(&queue, buffers.emplace_back(mq_buf_alloc(i + 1)));
  EXPECT_EQ(mq_apply(&queue, removeFirstFailSecond), -1);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(std::pair(mq_peek(&queue), mq_length(&queue)), std::pair(buffers[1], 2));
  EXPECT_EQ(mq_detach(&queue), buffers[1]);
  mq_buf_free(buffers[1]);
  mq_delete(&queue);
  EXPECT_EQ(std::pair(mq_peek(&queue), mq_length(&queue)), std::pair((mq_buf*)nullptr, 0));
  mq_add(&queue, mq_buf_alloc(4));
  EXPECT_EQ(mq_length(&queue), 1);
  mq_delete(&queue);
}

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
  char digits[4];
  for (unsigned char c : iBytes)
    hex += (snprintf(digits, sizeof digits, " %02X", c), digits);
  return hex.erase(0, 1);
}

TEST(ORVCOMMessage, FieldsHaveTheirByteLayouts) {
  std::string o;
  // The hex of what the encoder that answered iResult appended to o.
  auto put = [&o](int iResult) {
    EXPECT_EQ(iResult, 0);
    return Hex(std::exchange(o, ""));
  };
  EXPECT_EQ(put(msg_string_put("hello", AppendTo, &o)), "00 00 00 06 68 65 6C 6C 6F 00 00 00");
  EXPECT_EQ(put(msg_string_put("", AppendTo, &o)), "00 00 00 01 00 00 00 00");
  EXPECT_EQ(put(msg_string_put(nullptr, AppendTo, &o)), "00 00 00 01 00 00 00 00");
  EXPECT_EQ(put(msg_int_put(258, AppendTo, &o)), "00 00 01 02");
  EXPECT_EQ(put(msg_unsigned_put(0x80000001u, AppendTo, &o)), "80 00 00 01");
  EXPECT_EQ(put(msg_time_put(-2, AppendTo, &o)), "FF FF FF FE");
  EXPECT_EQ(put(msg_text_put("12345", 5, AppendTo, &o)), "31 32 33 34 35 00 00 00");
  EXPECT_EQ(put(msg_text_put("12345678", 8, AppendTo, &o)), "31 32 33 34 35 36 37 38");
  EXPECT_EQ(msg_text_put("x", -1, AppendTo, &o), -1);
  // Callers written in C see the same layout.
  EXPECT_EQ(ORVCOMEncodeFromC(), 1);
  // Byte order converters swap, and the long one sign-extends its low 32 bits.
  EXPECT_EQ(ec_int_convert(0x01020304), 0x04030201);
  EXPECT_EQ(std::vector<long>({ec_long_convert(-1L), ec_long_convert(0x01020304L),
                               ec_long_convert(0x80L), ec_long_convert(0x1122334455667788L)}),
            std::vector<long>({-1L, 0x04030201L, INT32_MIN, int32_t(0x88776655u)}));
}

TEST(ORVCOMMessage, DecodersReadBackAndRefuseWhatDoesNotFit) {
  Source in{Word(-7) + Word(-16) + Word(6) + "hello" + std::string(3, '\0') + "xyz" + '\0' +
            Word(0) + Word(-5)};
  char storage[16];
  char *cursor = storage, *text = nullptr, *raw = nullptr;
  int room = 9, value = 0;
  time_t when = 0;
  ASSERT_EQ(msg_int_get(ReadFrom, &in, &value), 0);
  ASSERT_EQ(msg_time_get(ReadFrom, &in, &when), 0);
  ASSERT_EQ(msg_string_get_bounded(ReadFrom, &in, &cursor, &room, &text), 0);
  ASSERT_EQ(msg_text_get_bounded(ReadFrom, &in, 3, &cursor, &room, &raw), 0);
  // The time travels as 32 bits, read back signed.
  EXPECT_EQ(std::tuple(value, when, room, cursor), std::tuple(-7, time_t(-16), 0, storage + 9));
  EXPECT_EQ(std::string(text) + "|" + std::string(raw, 3), "hello|xyz");
  // Lengths 0 and -5 give null texts and store nothing.
  for (char* none : {storage, storage}) {
    EXPECT_EQ(msg_string_get(ReadFrom, &in, &cursor, &none), 0);
    EXPECT_EQ(none, nullptr);
  }
  EXPECT_EQ(std::pair(in._At, cursor), std::pair(in._Bytes.size(), storage + 9));
  EXPECT_EQ(msg_text_get(ReadFrom, &in, -1, &cursor, &raw), -1);
  for (auto [what, bytes, room] : std::vector<std::tuple<const char*, std::string, int>>{
           {"no zero byte", Word(4) + "abcd", 16},
           {"longer than the room", Word(6) + "hello" + '\0', 5},
           {"longer than the bytes", Word(INT_MAX) + "ab", 16},
           {"cut padding", Word(2) + "a" + '\0', 16}}) {
    SCOPED_TRACE(what);
    Source bad{bytes};
    char target[16];
    memset(target, 'z', sizeof target);
    char *at = target, *result = target;
    int left = room;
    EXPECT_EQ(msg_string_get_bounded(ReadFrom, &bad, &at, &left, &result), -1);
    EXPECT_EQ(std::tuple(result, at, left), std::tuple((char*)nullptr, target, room));
    EXPECT_TRUE(room >= 6 || target[0] == 'z') << "written beyond the room";
  }
}

// What the handler of a connection received.
std::vector<std::string> _Received;
void Keep(void* iMessage, void*) {
  int* words = static_cast<int*>(iMessage);
  const char* text = words[0] == kEchoType ? static_cast<EchoMessage*>(iMessage)->_Text : "";
  _Received.push_back("type " + std::to_string(words[0]) + ": " + std::to_string(words[1]) +
                      (text && !*text ? "" : " " + std::string(text ? text : "<null>")));
  free(iMessage);
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
  }
  ErrorRecorder _Errors;
};

TEST_F(ORVCOMMessageExchange, FramesTravelWholeOrInPiecesWithinTheLimitUntilThePeerGoes) {
  PairedConnection pair(Keep);
  msg_connection* connection = pair._Connection;
  ASSERT_NE(connection, nullptr);
  // A frame waits in the queue until processed; then one is sent at once.
  int empty[2] = {kEmptyType, 0};
  EXPECT_EQ(std::vector<int>({msg_send(empty, connection, 0), mq_length(&connection->send),
                              msg_send_process(connection), mq_length(&connection->send)}),
            std::vector<int>({1, 1, 0, 0}));
  EchoMessage echo = {kEchoType, 5, const_cast<char*>("abc"), {}};
  EXPECT_EQ(msg_send(&echo, connection, 1), 0);
  std::string sent(28, '\0');
  ASSERT_EQ(recv(pair._Peer, sent.data(), sent.size(), MSG_WAITALL), 28);
  EXPECT_EQ(Hex(sent),
            "00 00 00 02 00 00 00 08 "
            "00 00 00 01 00 00 00 14 00 00 00 05 00 00 00 04 61 62 63 00");

  ASSERT_TRUE(WriteAll(pair._Peer, Frame(kEmptyType, 8)));
  ASSERT_EQ(msg_recv(connection, nullptr, 0), 1);
  EXPECT_EQ(msg_recv_process(connection, nullptr), 8);  // one receive, decoded
  for (char byte : Frame(kEchoType, 20, Word(9) + Word(4) + std::string("abc\0", 4))) {
    ASSERT_TRUE(WriteAll(pair._Peer, std::string(1, byte)));
    if (mq_length(&connection->receive) == 0) msg_recv(connection, nullptr, 0);
    EXPECT_EQ(msg_recv_process(connection, nullptr), 1);
  }
  ASSERT_TRUE(WriteAll(pair._Peer, Frame(kEchoType, 16, Word(10) + Word(0))));
  EXPECT_EQ(msg_recv(connection, nullptr, 1), 8);
  shutdown(pair._Peer, SHUT_WR);
  EXPECT_EQ(msg_recv(connection, nullptr, 1), 0);
  EXPECT_EQ(mq_length(&connection->receive), 0);
  EXPECT_THAT(_Received, testing::ElementsAre("type 2: 0", "type 1: 9 abc", "type 1: 10 <null>"));

  // A frame over the limit is not built.
  ASSERT_EQ(mq_set_max_frame_size(64), 0);
  std::string bytes(1 << 20, 'b');
  BlobMessage blob = {kBlobType, 52, bytes.data()};
  EXPECT_EQ(msg_send(&blob, connection, 0), 1);
  blob._Size = 53;
  EXPECT_EQ(msg_send(&blob, connection, 0), -1);
  mq_set_max_frame_size(MQ_DEFAULT_MAX_FRAME_SIZE);
  EXPECT_EQ(mq_length(&connection->send), 1);
  pair.ClosePeer();
  blob._Size = static_cast<int>(bytes.size());
  EXPECT_EQ(msg_send(&blob, connection, 1), -1);
  EXPECT_THAT(_Errors.Take(), testing::StartsWith("ORVSOCK SENDC(socket "));
}

TEST_F(ORVCOMMessageExchange, FrameThatCannotBeDecodedFailsItsConnectionOnce) {
  std::vector<std::pair<const char*, std::string>> cases = {
      {"type 12", Frame(12, 8)},
      {"type -1", Frame(-1, 8)},
      {"no input converter", Frame(kBlobType, 8)},
      {"past the payload", Frame(kEchoType, 12, Word(1))},
      {"string past the payload", Frame(kEchoType, 16, Word(1) + Word(9))},
      {"over the limit", Frame(kEchoType, MQ_DEFAULT_MAX_FRAME_SIZE + 1)},
      {"negative length", Frame(kEchoType, -8)},
      {"huge length", Frame(kEchoType, INT_MAX)}};
  for (int length = 0; length < 8; ++length)
    cases.push_back({"short length", Frame(kEmptyType, length)});
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    PairedConnection pair(Keep);
    // The bytes of a good frame follow: the failed stream must not read them as one.
    ASSERT_TRUE(WriteAll(pair._Peer, bytes + Frame(kEmptyType, 8)));
    // The results of receiving, the failed flag, the queue's length, then of receiving
    // and processing again.
    msg_connection* connection = pair._Connection;
    EXPECT_EQ(std::vector<int>({msg_recv(connection, nullptr, 1), connection->failed,
                                mq_length(&connection->receive), msg_recv(connection, nullptr, 1),
                                msg_recv_process(connection, nullptr)}),
              std::vector<int>({-1, 1, 0, -1, -1}));
    EXPECT_EQ(_Errors.Take(),
              "ORVCOM INPUT_CONVC; ORVCOM INPUT_CONV; ORVCOM INPUT_CONVA; record 2");
  }
  EXPECT_THAT(_Received, testing::IsEmpty());
}

TEST(ORVCOMMessageDeathTest, RegistryMisusesAreFatal) {
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[] { msg_register(11, nullptr, nullptr); }, "Wrong message type \\(11\\)"},
      {[] { msg_register(-1, nullptr, nullptr); }, "Wrong message type \\(-1\\)"},
      {[] {
         msg_send(std::vector{7, 0}.data(), PairedConnection(nullptr)._Connection, 1);
       },
       "Undefined converter for output message type 7"}};
  for (const auto& [body, text] : cases) {
    ChildResult child = RunInChild(body);
    EXPECT_EQ(child._Signal, SIGABRT) << text;
    EXPECT_THAT(child._Stderr,
                testing::MatchesRegex(std::string("^#ERR# Fatal internal error at "
                                                  "src/ORVCOMMessage\\.cpp:[0-9]+: ") +
                                      text + "\n$"));
  }
}

}  // namespace
