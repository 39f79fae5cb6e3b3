#include "ORVCOMMessageQueue.h"

#include <cstdint>
#include <cstring>

#include "ORVCBErrorProcessing.h"
#include "ORVCBMemory.h"

namespace {

const int kDefaultCapacity = 65536;
const int64_t kGrowthStep = 65536;

int _MaxFrameSize = MQ_DEFAULT_MAX_FRAME_SIZE;

bool Fits(int64_t iBytes) {
  return iBytes <= _MaxFrameSize;
}

}  // namespace

int mq_max_frame_size(void) {
  return _MaxFrameSize;
}

int mq_set_max_frame_size(int iBytes) {
  if (iBytes < 8 || iBytes > MQ_LIMIT_MAX_FRAME_SIZE) return -1;
  _MaxFrameSize = iBytes;
  return 0;
}

void mq_create(mq* oQueue) {
  oQueue->count = 0;
  oQueue->first = nullptr;
  oQueue->last = nullptr;
}

void mq_delete(mq* ioQueue) {
  while (ioQueue->first)
    mq_remove(ioQueue);
  mq_create(ioQueue);
}

void mq_add(mq* ioQueue, mq_buf* iBuffer) {
  iBuffer->next = nullptr;
  if (ioQueue->last)
    ioQueue->last->next = iBuffer;
  else
    ioQueue->first = iBuffer;
  ioQueue->last = iBuffer;
  ++ioQueue->count;
}

mq_buf* mq_detach(mq* ioQueue) {
  mq_buf* first = ioQueue->first;
  if (!first) return nullptr;
  ioQueue->first = first->next;
  if (!ioQueue->first) ioQueue->last = nullptr;
  --ioQueue->count;
  first->next = nullptr;
  return first;
}

void mq_remove(mq* ioQueue) {
  mq_buf_free(mq_detach(ioQueue));
}

mq_buf* mq_peek(const mq* iQueue) {
  return iQueue->first;
}

int mq_apply(mq* ioQueue, int (*iFunction)(mq*, mq_buf*)) {
  for (mq_buf* buffer = ioQueue->first; buffer;) {
    mq_buf* next = buffer->next;
    if (iFunction(ioQueue, buffer) < 0) return -1;
    buffer = next;
  }
  return 0;
}

int mq_length(const mq* iQueue) {
  return iQueue->count;
}

mq_buf* mq_buf_alloc(int iBytes) {
  if (!Fits(iBytes)) return nullptr;
  int capacity = iBytes > 0 ? iBytes : kDefaultCapacity;
  mq_buf* buffer = static_cast<mq_buf*>(mem_alloc(sizeof(mq_buf)));
  if (!buffer) return nullptr;
  buffer->data = static_cast<char*>(mem_alloc(capacity));
  if (!buffer->data) {
    mem_free(buffer);
    return nullptr;
  }
  buffer->next = nullptr;
  buffer->size = capacity;
  buffer->count = iBytes > 0 ? iBytes : 0;
  return buffer;
}

void mq_buf_free(mq_buf* iBuffer) {
  if (!iBuffer) return;
  mem_free(iBuffer->data);
  mem_free(iBuffer);
}

int mq_buf_resize(mq_buf* ioBuffer, int iSize) {
  if (iSize < 1 || !Fits(iSize)) return -1;
  void* data = mem_realloc(ioBuffer->data, static_cast<unsigned int>(iSize));
  if (!data) return -1;
  ioBuffer->data = static_cast<char*>(data);
  ioBuffer->count += iSize - ioBuffer->size;
  ioBuffer->size = iSize;
  return 0;
}

int mq_buf_insert(mq_buf* ioBuffer, int iBytes, const void* iSource) {
  if (iBytes < 0) return -1;
  int64_t needed = int64_t(ioBuffer->count) + iBytes;
  if (!Fits(needed)) return -1;
  if (needed > ioBuffer->size) {
    int64_t grown = (int64_t(ioBuffer->size) + iBytes + kGrowthStep - 1) & ~(kGrowthStep - 1);
    void* data = mem_realloc(ioBuffer->data, static_cast<unsigned int>(grown));
    if (!data) return -1;
    ioBuffer->data = static_cast<char*>(data);
    ioBuffer->size = static_cast<int>(grown);
  }
  if (iBytes > 0) memcpy(ioBuffer->data + ioBuffer->count, iSource, iBytes);
  ioBuffer->count += iBytes;
  return 0;
}

int mq_buf_insert_close(mq_buf* ioBuffer) {
  ioBuffer->size = ioBuffer->count;
  return ioBuffer->count;
}

void mq_buf_extract_open(mq_buf* ioBuffer) {
  ioBuffer->count = ioBuffer->size;
}

int mq_buf_extract(mq_buf* ioBuffer, int iBytes, void* oDestination) {
  if (iBytes < 0) return -1;
  if (iBytes > ioBuffer->count)
    err_prog(__FILE__, __LINE__, "Trying to read past end of message\n");
  if (iBytes > 0) memcpy(oDestination, ioBuffer->data + (ioBuffer->size - ioBuffer->count), iBytes);
  ioBuffer->count -= iBytes;
  return 0;
}

void mq_buf_extract_close(mq_buf* ioBuffer) {
  ioBuffer->count = 0;
}
