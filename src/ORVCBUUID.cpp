#include "ORVCBUUID.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "ORVCBRadix64Alphabet.h"

namespace {

bool _Initialised = false;
int32_t _HostId = 0;
int32_t _ProcessId = 0;
int32_t _LastTime = 0;
uint16_t _Counter = 0;
uint16_t _CounterAtLastTimeChange = 0;
char _Result[21];

// /etc/hostid holds the 4 bytes gethostid would give, in the machine's order.
bool ReadHostIdFile(int32_t& oId) {
  FILE* file = fopen("/etc/hostid", "rb");
  if (!file) return false;
  int32_t id = 0;
  bool read = fread(&id, sizeof id, 1, file) == 1;
  fclose(file);
  if (read) oId = id;
  return read;
}

// 32-bit FNV-1a of the first line of /etc/machine-id, read as text: the id has 128
// bits, more than any integer conversion would hold.
bool HashMachineId(int32_t& oId) {
  FILE* file = fopen("/etc/machine-id", "r");
  if (!file) return false;
  uint32_t hash = 2166136261u;
  int length = 0;
  for (int c = fgetc(file); c != EOF && c != '\n' && length < 256; c = fgetc(file), ++length) {
    hash ^= (unsigned char)c;
    hash *= 16777619u;
  }
  fclose(file);
  if (length == 0) return false;
  oId = (int32_t)hash;
  return true;
}

// Many machines without /etc/hostid share gethostid's answer (it comes from the
// address); the machine id differs between them.
int32_t HostId() {
  int32_t id = 0;
  if (ReadHostIdFile(id) || HashMachineId(id)) return id;
  return (int32_t)gethostid();
}

void PutInteger(unsigned char* oRecord, uint32_t iValue, int iWidth) {
  for (int i = iWidth - 1; i >= 0; --i, iValue >>= 8)
    oRecord[i] = (unsigned char)(iValue & 0xFF);
}

}  // namespace

const char* uuid_gen(void) {
  int32_t processId = (int32_t)getpid();
  // A child after fork must not repeat its parent's identifiers: it starts anew.
  if (!_Initialised || processId != _ProcessId) {
    if (!_Initialised) _HostId = HostId();
    _ProcessId = processId;
    _LastTime = 0;
    _Counter = 0;
    _CounterAtLastTimeChange = 0;
    _Initialised = true;
  }
  int32_t now = (int32_t)(uint32_t)time(nullptr);
  if (now == _LastTime)
    while (_Counter == _CounterAtLastTimeChange && now == _LastTime) {
      sleep(1);
      now = (int32_t)(uint32_t)time(nullptr);
    }
  if (now != _LastTime) {
    _LastTime = now;
    _CounterAtLastTimeChange = _Counter;
  }
  unsigned char record[15];
  PutInteger(record, (uint32_t)now, 4);
  PutInteger(record + 4, (uint32_t)_HostId, 4);
  record[8] = 2;
  PutInteger(record + 9, (uint32_t)_ProcessId, 4);
  PutInteger(record + 13, _Counter, 2);
  ++_Counter;
  char* out = _Result;
  for (int group = 0; group < 5; ++group) {
    const unsigned char* b = record + 3 * (std::ptrdiff_t)group;
    *out++ = ORVCBRadix64Alphabet[b[0] >> 2];
    *out++ = ORVCBRadix64Alphabet[((b[0] & 0x03) << 4) | (b[1] >> 4)];
    *out++ = ORVCBRadix64Alphabet[((b[1] & 0x0F) << 2) | (b[2] >> 6)];
    *out++ = ORVCBRadix64Alphabet[b[2] & 0x3F];
  }
  *out = '\0';
  return _Result;
}
