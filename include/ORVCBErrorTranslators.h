/* ORVCBErrorTranslators.h - operating-system, socket and communication errors turned
 * into catalog messages (catalogs ORVSYS, ORVSOCK, ORVCOM) and a recorded error.
 *
 * sys_error and sock_error read errno first. Errors only a programming fault can cause
 * end the process through err_prog; the others are recorded with severity 2 (handed
 * back to the caller) or 3 (displayed, exit status 127). */
#pragma once

#include "ORVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Operations of sys_error. */
enum {
  SYS_ALLOC = 0,
  SYS_CHMOD = 1,
  SYS_CLOSE = 2,
  SYS_CREAT = 3,
  SYS_FORK = 4,
  SYS_FSYNC = 5,
  SYS_FTOK = 6,
  SYS_GETCWD = 7,
  SYS_MKDIR = 8,
  SYS_OPEN = 9,
  SYS_OPENDIR = 10,
  SYS_READ = 11,
  SYS_REMOVE = 12,
  SYS_RENAME = 13,
  SYS_RMDIR = 14,
  SYS_SEEK = 15,
  SYS_SEMCTL = 16,
  SYS_SEMGET = 17,
  SYS_SEMOP = 18,
  SYS_SHMAT = 19,
  SYS_SHMCTL_DELETE = 20,
  SYS_SHMDT = 21,
  SYS_SHMGET = 22,
  SYS_SHMCTL_STAT = 23,
  SYS_STAT = 24,
  SYS_STATVFS = 25,
  SYS_TRUNC = 26,
  SYS_UNAME = 27,
  SYS_CHMOD2 = 28,
  SYS_WRITE = 29
};

/* Operations of sock_error. */
enum {
  SOCK_ACCEPT = 0,
  SOCK_BIND = 1,
  SOCK_CLOSE = 2,
  SOCK_CONNECT = 3,
  SOCK_GETHOST = 4,
  SOCK_GETOPT = 5,
  SOCK_LISTEN = 6,
  SOCK_OTHER7 = 7,
  SOCK_OTHER8 = 8,
  SOCK_RECV = 9,
  SOCK_SELECT = 10,
  SOCK_SEND = 11,
  SOCK_SETOPT = 12,
  SOCK_SOCKET = 13,
  SOCK_STARTUP = 14
};

/* Codes of com_error. */
enum {
  COM_FULL = 0,
  COM_HOST_ADD = 1,
  COM_HOST_FORMAT = 2,
  COM_INPUT_CONV = 3,
  COM_PROTO = 4,
  COM_SHARE_ACCESS = 5,
  COM_SHARE_INTERNAL = 6,
  COM_SHARE_UNEXPECTED = 7,
  COM_USE_INTERNAL = 8,
  COM_USE_UNEXPECTED = 9
};

/* iArg1: the object of the operation (the size text for ALLOC); iArg2: RENAME's new
 * name. Unused arguments are null. */
ORV_EXPORT void sys_error(const char* iFile, int iLine, int iOper, const char* iArg1,
                          const char* iArg2);
ORV_EXPORT void sock_error(const char* iFile, int iLine, int iOper, const char* iArg);
ORV_EXPORT void com_error(const char* iFile, int iLine, int iCode, const char* iArg);
/* The current errno. */
ORV_EXPORT int sys_error_code(void);
ORV_EXPORT int sock_error_code(void);

#ifdef __cplusplus
}
#endif
