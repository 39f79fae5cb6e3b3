// Tests of the message buffers and queues: the growth rule, the limits that keep
// peer-chosen counts away from memcpy, removal while applying, and reuse after delete.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ChildProcess.h"
#include "ORVCOMMessageQueue.h"

namespace {

using Buffer = std::unique_ptr<mq_buf, decltype(&mq_buf_free)>;
Buffer Alloc(int iBytes) {
  return Buffer(mq_buf_alloc(iBytes), mq_buf_free);
}

TEST(ORVCOMMessageQueue, BuffersGrowInStepsWithinTheLimit) {
  for (auto [asked, size, count] :
       std::vector<std::tuple<int, int, int>>{{0, 65536, 0}, {-5, 65536, 0}, {8, 8, 8}}) {
    Buffer buffer = Alloc(asked);
    ASSERT_TRUE(buffer) << asked;
    EXPECT_EQ(std::pair(buffer->size, buffer->count), std::pair(size, count)) << asked;
  }
  EXPECT_EQ(mq_buf_alloc(mq_max_frame_size() + 1), nullptr);

  Buffer buffer = Alloc(0);
  ASSERT_EQ(mq_buf_insert(buffer.get(), 65530, std::string(65530, 'x').data()), 0);
  EXPECT_EQ(buffer->size, 65536);
  ASSERT_EQ(mq_buf_insert(buffer.get(), 10, "0123456789"), 0);
  EXPECT_EQ(std::pair(buffer->size, buffer->count), std::pair(131072, 65540));
  EXPECT_EQ(std::string(buffer->data + 65529, 4), "x012");
  EXPECT_EQ(mq_buf_insert_close(buffer.get()), 65540);
  EXPECT_EQ(buffer->size, 65540);

  // Negative, huge and over-limit counts change nothing.
  buffer = Alloc(0);
  ASSERT_EQ(mq_buf_insert(buffer.get(), 4, "abcd"), 0);
  EXPECT_EQ(mq_buf_insert(buffer.get(), -1, "x"), -1);
  EXPECT_EQ(mq_buf_insert(buffer.get(), INT_MAX, "x"), -1);
  ASSERT_EQ(mq_set_max_frame_size(100), 0);
  EXPECT_EQ(mq_buf_insert(buffer.get(), 96, std::string(96, 'y').data()), 0);
  EXPECT_EQ(mq_buf_insert(buffer.get(), 1, "z"), -1);
  EXPECT_EQ(mq_buf_resize(buffer.get(), 101), -1);
  ASSERT_EQ(mq_set_max_frame_size(MQ_DEFAULT_MAX_FRAME_SIZE), 0);
  EXPECT_EQ(std::pair(buffer->size, buffer->count), std::pair(65536, 100));
  for (int refused : {7, 0, -1, MQ_LIMIT_MAX_FRAME_SIZE + 1})
    EXPECT_EQ(mq_set_max_frame_size(refused), -1) << refused;
  EXPECT_EQ(mq_max_frame_size(), MQ_DEFAULT_MAX_FRAME_SIZE);
}

TEST(ORVCOMMessageQueue, ExtractWalksThenResizeLeavesTheRestToReceive) {
  Buffer buffer = Alloc(0);
  mq_buf_insert(buffer.get(), 8, "headtail");
  mq_buf_insert_close(buffer.get());
  mq_buf_extract_open(buffer.get());
  char part[5] = {};
  ASSERT_EQ(mq_buf_extract(buffer.get(), 4, part), 0);
  EXPECT_STREQ(part, "head");
  EXPECT_EQ(mq_buf_extract(buffer.get(), -4, part), -1);
  EXPECT_EQ(buffer->count, 4);
  mq_buf_extract_close(buffer.get());
  ASSERT_EQ(mq_buf_resize(buffer.get(), 20), 0);
  EXPECT_EQ(buffer->count, 12);
  EXPECT_EQ(std::string(buffer->data, 8), "headtail");
  ChildResult child = RunInChild([] {
    char bytes[4];
    mq_buf_extract(Alloc(3).get(), 4, bytes);
  });
  EXPECT_EQ(child._Signal, SIGABRT);
  EXPECT_THAT(child._Stderr,
              testing::MatchesRegex("^#ERR# Fatal internal error at "
                                    "src/ORVCOMMessageQueue\\.cpp:[0-9]+: Trying to read past "
                                    "end of message\n\n$"));
}

// Counts calls; fails on the second buffer, and removes the first while applying.
int _Calls = 0;
int RemoveFirstFailSecond(mq* ioQueue, mq_buf* iBuffer) {
  if (++_Calls == 2) return -1;
  if (iBuffer == mq_peek(ioQueue)) mq_remove(ioQueue);
  return 0;
}

TEST(ORVCOMMessageQueue, QueueKeepsOrderAndSurvivesRemovalAndDelete) {
  mq queue;
  mq_create(&queue);
  mq_remove(&queue);
  EXPECT_EQ(mq_length(&queue), 0);
  mq_buf* only = mq_buf_alloc(1);
  mq_add(&queue, only);
  EXPECT_EQ(mq_peek(&queue), only);
  mq_remove(&queue);
  EXPECT_EQ(mq_peek(&queue), nullptr);
  EXPECT_EQ(mq_length(&queue), 0);
  std::vector<mq_buf*> buffers;
  for (int i = 0; i < 3; ++i)
    mq_add(&queue, buffers.emplace_back(mq_buf_alloc(i + 1)));
  _Calls = 0;
  EXPECT_EQ(mq_apply(&queue, RemoveFirstFailSecond), -1);
  EXPECT_EQ(_Calls, 2);
  EXPECT_EQ(mq_length(&queue), 2);
  EXPECT_EQ(mq_peek(&queue), buffers[1]);
  EXPECT_EQ(mq_detach(&queue), buffers[1]);
  mq_buf_free(buffers[1]);
  mq_delete(&queue);
  EXPECT_EQ(mq_length(&queue), 0);
  EXPECT_EQ(mq_peek(&queue), nullptr);
  mq_add(&queue, mq_buf_alloc(4));
  EXPECT_EQ(mq_length(&queue), 1);
  mq_delete(&queue);
}

}  // namespace
