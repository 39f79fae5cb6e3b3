/* Callers written in C: the transport headers compile as C, and a string field
 * written through a C writer has its wire layout. */
#include <string.h>

#include "ORVCOMMessage.h"
#include "ORVCOMNet.h"

static int AppendToBuffer(void* iContext, int iBytes, const void* iAddress) {
  return mq_buf_insert((mq_buf*)iContext, iBytes, iAddress);
}

int ORVCOMEncodeFromC(void) {
  static const char kExpected[8] = {0, 0, 0, 4, 'a', 'b', 'c', 0};
  mq_buf* buffer = mq_buf_alloc(0);
  int encoded = msg_string_put("abc", AppendToBuffer, buffer) == 0 &&
                mq_buf_insert_close(buffer) == 8 && memcmp(buffer->data, kExpected, 8) == 0;
  mq_buf_free(buffer);
  return encoded && NET_DEFAULT_PORT == 23400;
}
