/* ORVCOMMessageQueue.h - growable byte buffers and first-in first-out queues of them,
 * the units in which framed messages are built, sent and received.
 *
 * A queue owns its buffers and frees them as they are removed. Every buffer holds at
 * most the maximum frame size, a process-wide limit (16 MiB unless the program sets
 * another) that bounds what a peer can make the process allocate. Queues and buffers
 * carry no lock: each connection's queues are used by one thread at a time. */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct mq_buf {
  struct mq_buf* next;
  /* Bytes allocated for data; once a frame is complete, the frame length. */
  int size;
  /* Building: bytes inserted so far. Sending, receiving, extracting: bytes left. */
  int count;
  char* data;
} mq_buf;

typedef struct mq {
  int count;
  mq_buf* first;
  mq_buf* last;
} mq;

enum { MQ_DEFAULT_MAX_FRAME_SIZE = 16 * 1024 * 1024, MQ_LIMIT_MAX_FRAME_SIZE = 1 << 30 };

/* The largest frame, in bytes, header included, that is built or accepted. */
ORV_EXPORT int mq_max_frame_size(void);
/* Sets that limit: 0, or -1 (limit unchanged) outside 8..MQ_LIMIT_MAX_FRAME_SIZE. */
ORV_EXPORT int mq_set_max_frame_size(int iBytes);

ORV_EXPORT void mq_create(mq* oQueue);
/* Frees every buffer and leaves the queue empty and usable. */
ORV_EXPORT void mq_delete(mq* ioQueue);
/* Takes ownership of iBuffer and appends it. */
ORV_EXPORT void mq_add(mq* ioQueue, mq_buf* iBuffer);
/* Frees the first buffer; nothing on an empty queue. */
ORV_EXPORT void mq_remove(mq* ioQueue);
/* Unlinks the first buffer and hands it to the caller; null on an empty queue. */
ORV_EXPORT mq_buf* mq_detach(mq* ioQueue);
ORV_EXPORT mq_buf* mq_peek(const mq* iQueue);
/* Calls iFunction from first to last, the next link read before each call (the
 * function may remove its buffer); -1 at the first negative result, else 0. */
ORV_EXPORT int mq_apply(mq* ioQueue, int (*iFunction)(mq*, mq_buf*));
ORV_EXPORT int mq_length(const mq* iQueue);

/* A buffer with room for iBytes (65,536 when iBytes is 0 or less) and count iBytes (0
 * when negative); null when allocation fails or iBytes exceeds the maximum frame size. */
ORV_EXPORT mq_buf* mq_buf_alloc(int iBytes);
/* Frees the data and the buffer; a null buffer is accepted. */
ORV_EXPORT void mq_buf_free(mq_buf* iBuffer);
/* Reallocates the data to iSize bytes (count moves by the same amount); -1 when the
 * size is below 1 or above the maximum frame size, or reallocation fails. */
ORV_EXPORT int mq_buf_resize(mq_buf* ioBuffer, int iSize);
/* Appends iBytes bytes, growing the data in 64 KiB steps; -1, the buffer unchanged,
 * for a negative count, a content above the maximum frame size or a failed growth. */
ORV_EXPORT int mq_buf_insert(mq_buf* ioBuffer, int iBytes, const void* iSource);
/* Ends building: size becomes count; returns it. */
ORV_EXPORT int mq_buf_insert_close(mq_buf* ioBuffer);
ORV_EXPORT void mq_buf_extract_open(mq_buf* ioBuffer);
/* Copies the next iBytes bytes; -1 for a negative count. Reading past what is left is
 * a fatal programming error: converters of received frames get a reader that fails
 * instead. */
ORV_EXPORT int mq_buf_extract(mq_buf* ioBuffer, int iBytes, void* oDestination);
ORV_EXPORT void mq_buf_extract_close(mq_buf* ioBuffer);

#ifdef __cplusplus
}
#endif
