#include "ORVCBErrorTranslators.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ORVCBErrorProcessing.h"
#include "ORVCBTrace.h"
#include "ORVCatalogKeys.h"
#include "ORVCoverageDump.h"

namespace {

// Set while an ALLOC report is being made: recording it may need memory again.
bool _InAllocReport = false;

// A null argument is handed on as an empty text, so a message keeps its parameter count
// and a fatal text never formats a null.
const char* Text(const char* iText) {
  return iText ? iText : "";
}

// One message of Key at iLevel through the installed hook; the parameter count is
// checked against the key's at compile time.
template <const ORVCatalogKey& Key, class... Texts>
void Message(int iLevel, Texts... iTexts) {
  static_assert(sizeof...(Texts) == (std::size_t)Key._ParameterCount,
                "wrong number of parameters for this catalog message");
  err_msg(Key._Catalog, iLevel, Key._Key, Text(iTexts)..., (const char*)nullptr);
}

// The diagnostic (level 1) and the advice (level 2) of a failure the table knows.
template <const ORVCatalogKey& Diagnostic, const ORVCatalogKey& Advice>
void Explain() {
  Message<Diagnostic>(1);
  Message<Advice>(2);
}

// Level 1 UNEXPECTED of Key's catalog with the system's text of iErrno.
template <const ORVCatalogKey& Key>
void Unexpected(int iErrno) {
  char text[256];
  snprintf(text, sizeof text, "%s", strerror(iErrno));
  Message<Key>(1, (const char*)text);
}

void NoMemory() {
  Explain<ORVSYS_NOMEM, ORVSYS_NOMEMA>();
}

// The errno handling shared by the file and directory operations.
void FileErrno(const char* iFile, int iLine, int iErrno, bool iDirectory, const char* iArg1,
               int& ioSeverity) {
  switch (iErrno) {
    case ENOENT:
      if (iDirectory)
        Message<ORVSYS_NOENT_DIR>(1);
      else
        Message<ORVSYS_NOENT_FILE>(1);
      Message<ORVSYS_NOENTA>(2);
      return;
    case EINTR:
      Message<ORVSYS_INTR>(1);
      return;
    case EIO:
      ioSeverity = 3;
      Explain<ORVSYS_IO, ORVSYS_IOA>();
      return;
    case EBADF:
      err_prog(iFile, iLine, "Bad file descriptor (\"%s\").\n", Text(iArg1));
    case EACCES:
      if (iDirectory)
        Message<ORVSYS_ACCESS_DIR>(1);
      else
        Message<ORVSYS_ACCESS_FILE>(1);
      Message<ORVSYS_ACCESS_UNIXA>(2);
      return;
    case EFAULT:
      err_prog(iFile, iLine, "Wrong buffer address (\"%s\").\n", Text(iArg1));
    case EEXIST:
      if (iDirectory)
        Message<ORVSYS_EXIST_DIR>(1);
      else
        Message<ORVSYS_EXIST_FILE>(1);
      Message<ORVSYS_EXISTA>(2);
      return;
    case ENOTDIR:
      Explain<ORVSYS_NOTDIR, ORVSYS_NOTDIRA>();
      return;
    case EISDIR:
      Explain<ORVSYS_ISDIR, ORVSYS_ISDIRA>();
      return;
    case ETXTBSY:
      Explain<ORVSYS_TXTBSY, ORVSYS_TXTBSYA>();
      return;
    case EFBIG:
      ioSeverity = 3;
      Explain<ORVSYS_FBIG, ORVSYS_FBIGA>();
      return;
    case ENOSPC:
      ioSeverity = 3;
      Explain<ORVSYS_NOSPC, ORVSYS_NOSPCA>();
      return;
    case EROFS:
      Explain<ORVSYS_ROFS, ORVSYS_ROFSA>();
      return;
    case EDQUOT:
      ioSeverity = 3;
      Explain<ORVSYS_DQUOT, ORVSYS_DQUOTA>();
      return;
    case ENOLINK:
    case ETIMEDOUT:
      Explain<ORVSYS_TIMEDOUT, ORVSYS_TIMEDOUTA>();
      return;
    case ENAMETOOLONG:
      Message<ORVSYS_NAMETOOLONG>(1);
      if (iDirectory)
        Message<ORVSYS_NAMETOOLONG_DIRA>(2);
      else
        Message<ORVSYS_NAMETOOLONG_FILEA>(2);
      return;
    case ESTALE:
      Explain<ORVSYS_STALE, ORVSYS_STALEA>();
      return;
    default:
      // EINVAL too: a name the file system rejects is the user's, not a fault of ours;
      // ENFILE and EMFILE: descriptors run out under load (peers, ulimit), not by a bug.
      Unexpected<ORVSYS_UNEXPECTED>(iErrno);
      return;
  }
}

// Memory is gone: the report is written here, and recording it ends the process. A
// second report while the first is being recorded cannot record anything either.
void AllocErrno(const char* iFile, int iLine, int iErrno, const char* iSize) {
  if (iErrno != ENOMEM) {
    Message<ORVSYS_ALLOC>(0, iSize);
    Unexpected<ORVSYS_UNEXPECTED>(iErrno);
    err_msg_record(iFile, iLine, 3);
    return;
  }
  fprintf(stderr, "Not enough memory to allocate %s bytes\n", Text(iSize));
  fflush(stderr);
  if (_InAllocReport) {
    fflush(stdout);
    ORVWriteCoverageCounters();
    _exit(127);
  }
  _InAllocReport = true;
  err_msg_record(iFile, iLine, 3);
  _InAllocReport = false;
}

void SharedMemoryControl(const char* iFile, int iLine, int iErrno) {
  switch (iErrno) {
    case EPERM:
    case EACCES:
    case EFAULT:
    case EINVAL:
    case ERANGE:
      err_prog(iFile, iLine, "Invalid \"shmctl\" argument (%d).\n", iErrno);
    case ENOMEM:
      NoMemory();
      return;
    default:
      return;
  }
}

// Adds the messages of sys_error's operation iOper; ioSeverity may be raised to 3.
void SystemMessages(const char* iFile, int iLine, int iOper, int iErrno, const char* iArg1,
                    const char* iArg2, int& ioSeverity) {
  switch (iOper) {
    case SYS_CHMOD:
    case SYS_CHMOD2:
      Message<ORVSYS_CHMOD>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_CLOSE:
      Message<ORVSYS_CLOSE>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_CREAT:
      Message<ORVSYS_CREAT>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_FORK:
      Message<ORVSYS_FORK>(0);
      if (iErrno == EAGAIN) {
        Explain<ORVSYS_FORK_AGAIN, ORVSYS_FORK_AGAINA>();
      } else if (iErrno == ENOMEM) {
        NoMemory();
      } else {
        Unexpected<ORVSYS_UNEXPECTED>(iErrno);
      }
      return;
    case SYS_FSYNC:
      Message<ORVSYS_FSYNC>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_FTOK:
      Message<ORVSYS_FTOKC>(0, iArg1);
      Explain<ORVSYS_FTOK, ORVSYS_FTOKA>();
      return;
    case SYS_GETCWD:
      Message<ORVSYS_GETCWDC>(0);
      if (iErrno == EACCES) {
        Explain<ORVSYS_GETCWD, ORVSYS_GETCWDA>();
      } else if (iErrno == ENOMEM) {
        NoMemory();
      } else {
        // ERANGE too: a working directory too deep for the buffer is the user's doing.
        Unexpected<ORVSYS_UNEXPECTED>(iErrno);
      }
      return;
    case SYS_MKDIR:
      Message<ORVSYS_MKDIR>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, true, iArg1, ioSeverity);
    case SYS_OPEN:
      Message<ORVSYS_OPEN>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_OPENDIR:
      Message<ORVSYS_OPENDIR>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, true, iArg1, ioSeverity);
    case SYS_READ:
      Message<ORVSYS_READ>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_REMOVE:
      Message<ORVSYS_REMOVE>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_RENAME:
      Message<ORVSYS_RENAME>(0, iArg1, iArg2);
      switch (iErrno) {
        case ENOENT:
          Explain<ORVSYS_RENAME_NOENT, ORVSYS_RENAME_NOENTA>();
          return;
        case EACCES:
          Explain<ORVSYS_RENAME_ACCESS, ORVSYS_RENAME_ACCESS_UNIXA>();
          return;
        case ENOTDIR:
        case EISDIR:
          Explain<ORVSYS_RENAME_ISDIR, ORVSYS_RENAME_ISDIRA>();
          return;
        case ENOSPC:
          Explain<ORVSYS_RENAME_NOSPC, ORVSYS_RENAME_NOSPCA>();
          return;
        default:
          // EINVAL too: renaming a directory into its own subdirectory is the user's.
          Unexpected<ORVSYS_UNEXPECTED>(iErrno);
          return;
      }
    case SYS_RMDIR:
      Message<ORVSYS_RMDIR>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, true, iArg1, ioSeverity);
    case SYS_SEEK:
      Message<ORVSYS_SEEK>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_SEMCTL:
      ioSeverity = 3;
      Message<ORVSYS_SEMCTL>(0);
      switch (iErrno) {
        case EPERM:
        case EACCES:
        case EFAULT:
        case EINVAL:
        case ERANGE:
          err_prog(iFile, iLine, "Invalid \"semctl\" argument (%d).\n", iErrno);
        case ENOMEM:
          NoMemory();
          return;
        default:
          return;
      }
    case SYS_SEMGET:
      ioSeverity = 3;
      Message<ORVSYS_SEMGET>(0);
      switch (iErrno) {
        case ENOENT:
        case EEXIST:
        case EINVAL:
          err_prog(iFile, iLine, "Unexpected error (%d)\n", iErrno);
        case ENOMEM:
          NoMemory();
          return;
        case EACCES:
          Explain<ORVSYS_SEMGET_ACCES, ORVSYS_SEMGET_ACCESA>();
          return;
        case ENOSPC:
          Explain<ORVSYS_SEMGET_NOSPC, ORVSYS_SEMGET_NOSPCA>();
          return;
        default:
          Unexpected<ORVSYS_UNEXPECTED>(iErrno);
          return;
      }
    case SYS_SEMOP:
      ioSeverity = 3;
      Message<ORVSYS_SEMOPC>(0);
      switch (iErrno) {
        case ENOMEM:
          NoMemory();
          return;
        case EFAULT:
        case EINVAL:
        case EFBIG:
        case ERANGE:
          err_prog(iFile, iLine, "Invalid \"semop\" argument (%d).\n", iErrno);
        case EIDRM:
          Explain<ORVSYS_SEMOP, ORVSYS_SEMOPA>();
          return;
        default:
          Unexpected<ORVSYS_UNEXPECTED>(iErrno);
          return;
      }
    case SYS_SHMAT:
      ioSeverity = 3;
      Message<ORVSYS_SHMAT>(0);
      switch (iErrno) {
        case EINVAL:
        case EMFILE:
          err_prog(iFile, iLine, "Invalid \"shmat\" argument (%d).\n", iErrno);
        case ENOMEM:
          NoMemory();
          return;
        case EACCES:
          Explain<ORVSYS_SHM, ORVSYS_SHMA>();
          return;
        default:
          Unexpected<ORVSYS_UNEXPECTED>(iErrno);
          return;
      }
    case SYS_SHMCTL_DELETE:
      ioSeverity = 3;
      Message<ORVSYS_SHMCTL_DELETE>(0);
      return SharedMemoryControl(iFile, iLine, iErrno);
    case SYS_SHMDT:
      ioSeverity = 3;
      Message<ORVSYS_SHMDT>(0);
      if (iErrno == EINVAL) err_prog(iFile, iLine, "Invalid \"shmdt\" argument (%d).\n", iErrno);
      return Unexpected<ORVSYS_UNEXPECTED>(iErrno);
    case SYS_SHMGET:
      ioSeverity = 3;
      Message<ORVSYS_SHMGET>(0);
      switch (iErrno) {
        case ENOENT:
        case EEXIST:
        case EINVAL:
          err_prog(iFile, iLine, "Unexpected \"shmget\" error (%d)\n", iErrno);
        case ENOMEM:
          NoMemory();
          return;
        case EACCES:
          Explain<ORVSYS_SHM, ORVSYS_SHMA>();
          return;
        default:
          Unexpected<ORVSYS_UNEXPECTED>(iErrno);
          return;
      }
    case SYS_SHMCTL_STAT:
      ioSeverity = 3;
      Message<ORVSYS_SHMCTL_STAT>(0);
      return SharedMemoryControl(iFile, iLine, iErrno);
    case SYS_STAT:
      Message<ORVSYS_STAT>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_STATVFS:
      Message<ORVSYS_STATVFS>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_TRUNC:
      Message<ORVSYS_TRUNC>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    case SYS_UNAME:
      Message<ORVSYS_UNAME>(0);
      return Unexpected<ORVSYS_UNEXPECTED>(iErrno);
    case SYS_WRITE:
      Message<ORVSYS_WRITE>(0, iArg1);
      return FileErrno(iFile, iLine, iErrno, false, iArg1, ioSeverity);
    default:
      return;
  }
}

// Whether iErrno is one of the listed values.
bool OneOf(int iErrno, std::initializer_list<int> iValues) {
  for (int value : iValues)
    if (iErrno == value) return true;
  return false;
}

void SocketMessages(const char* iFile, int iLine, int iOper, int iErrno, const char* iArg) {
  switch (iOper) {
    case SOCK_ACCEPT:
      Message<ORVSOCK_ACCEPT>(0);
      if (OneOf(iErrno, {EBADF, EINVAL, ENOTSOCK, EOPNOTSUPP, ENOTCONN}))
        err_prog(iFile, iLine, "Unexptected accept error (%d).\n", iErrno);
      break;
    case SOCK_BIND:
      Message<ORVSOCK_BINDC>(0);
      if (OneOf(iErrno, {EBADF, EFAULT, EINVAL, ENOTSOCK}))
        err_prog(iFile, iLine, "Unexptected bind error (%d).\n", iErrno);
      if (iErrno == EADDRINUSE) {
        Message<ORVSOCK_BIND>(1, iArg);
        Message<ORVSOCK_BINDA>(2);
        return;
      }
      break;
    case SOCK_CLOSE:
      Message<ORVSOCK_CLOSE>(0);
      if (iErrno == EBADF) err_prog(iFile, iLine, "Bad socket file descriptor.\n");
      break;
    case SOCK_CONNECT:
      Message<ORVSOCK_CONNECTC>(0, iArg);
      if (OneOf(iErrno, {EBADF, EFAULT, EINVAL, ENOTSOCK, EAFNOSUPPORT, EADDRINUSE, EISCONN}))
        err_prog(iFile, iLine, "Unexpected connect error (%d).\n", iErrno);
      if (iErrno == ECONNREFUSED) {
        Explain<ORVSOCK_CONNECT, ORVSOCK_CONNECTA>();
        return;
      }
      break;
    case SOCK_GETHOST:
      Message<ORVSOCK_GETHOST>(0);
      if (iErrno == EFAULT) err_prog(iFile, iLine, "Invalid host buffer\n");
      break;
    case SOCK_GETOPT:
      Message<ORVSOCK_GETOPT>(0);
      if (OneOf(iErrno, {EBADF, EFAULT, ENOTSOCK, ENOPROTOOPT}))
        err_prog(iFile, iLine, "Unexptected getopt error (%d).\n", iErrno);
      break;
    case SOCK_LISTEN:
      Message<ORVSOCK_LISTEN>(0, iArg);
      if (OneOf(iErrno, {EBADF, ENOTSOCK, EOPNOTSUPP}))
        err_prog(iFile, iLine, "Unexptected listen error (%d).\n", iErrno);
      break;
    case SOCK_RECV:
      Message<ORVSOCK_RECVC>(0, iArg);
      if (OneOf(iErrno, {EBADF, EFAULT, ENOTSOCK}))
        err_prog(iFile, iLine, "Unexptected recv error (%d).\n", iErrno);
      break;
    case SOCK_SELECT:
      Message<ORVSOCK_SELECT>(0, iArg);
      if (OneOf(iErrno, {EBADF, EFAULT, EINVAL}))
        err_prog(iFile, iLine, "Unexptected select error (%d).\n", iErrno);
      break;
    case SOCK_SEND:
      Message<ORVSOCK_SENDC>(0, iArg);
      if (OneOf(iErrno, {EBADF, EFAULT, ENOTSOCK}))
        err_prog(iFile, iLine, "Unexptected send error (%d).\n", iErrno);
      break;
    case SOCK_SETOPT:
      Message<ORVSOCK_SETOPT>(0);
      if (OneOf(iErrno, {EBADF, EFAULT, ENOTSOCK, ENOPROTOOPT}))
        err_prog(iFile, iLine, "Unexptected setopt error (%d).\n", iErrno);
      break;
    case SOCK_SOCKET:
      Message<ORVSOCK_SOCKC>(0);
      // EMFILE is recorded: many peers or a low ulimit exhaust the descriptors.
      if (OneOf(iErrno, {ESOCKTNOSUPPORT, EAFNOSUPPORT}))
        err_prog(iFile, iLine, "Address family / socket type mismatch.\n");
      if (iErrno == ENOBUFS) {
        Explain<ORVSOCK_SOCK, ORVSOCK_SOCKA>();
        return;
      }
      break;
    case SOCK_STARTUP:
      Message<ORVSOCK_STARTUPC>(0);
      break;
    default:  // 7 and 8 have no request
      break;
  }
  Unexpected<ORVSOCK_UNEXPECTED>(iErrno);
}

void CommunicationMessages(int iCode, const char* iArg) {
  switch (iCode) {
    case COM_FULL:
      Message<ORVCOM_FULLC>(0);
      Explain<ORVCOM_FULL, ORVCOM_FULLA>();
      return;
    case COM_HOST_ADD:
      Message<ORVCOM_HOST>(0, iArg);
      Explain<ORVCOM_HOST_ADD, ORVCOM_HOST_ADDA>();
      return;
    case COM_HOST_FORMAT:
      Message<ORVCOM_HOST>(0, iArg);
      Explain<ORVCOM_HOST_FORMAT, ORVCOM_HOST_FORMATA>();
      return;
    case COM_INPUT_CONV:
      Message<ORVCOM_INPUT_CONVC>(0);
      Explain<ORVCOM_INPUT_CONV, ORVCOM_INPUT_CONVA>();
      return;
    case COM_PROTO:
      Message<ORVCOM_PROTOC>(0);
      Explain<ORVCOM_PROTO, ORVCOM_PROTOA>();
      return;
    case COM_SHARE_ACCESS:
      Message<ORVCOM_SHARE>(0);
      Explain<ORVCOM_SHARE_ACCESS, ORVCOM_SHARE_ACCESSA>();
      return;
    case COM_SHARE_INTERNAL:
      Message<ORVCOM_SHARE>(0);
      Explain<ORVCOM_SHARE_INTERNAL, ORVCOM_SHARE_INTERNALA>();
      return;
    case COM_SHARE_UNEXPECTED:
      Message<ORVCOM_SHARE>(0);
      Message<ORVCOM_UNEXPECTED>(1, iArg);
      return;
    case COM_USE_INTERNAL:
      Message<ORVCOM_USE>(0);
      Explain<ORVCOM_USE_INTERNAL, ORVCOM_USE_INTERNALA>();
      return;
    default:  // COM_USE_UNEXPECTED
      Message<ORVCOM_USE>(0);
      Message<ORVCOM_UNEXPECTED>(1, iArg);
      return;
  }
}

}  // namespace

void sys_error(const char* iFile, int iLine, int iOper, const char* iArg1, const char* iArg2) {
  int error = errno;
  trc_print("sys_error", "sys_error \"%s\" %d: oper %d error %d\n", Text(iFile), iLine, iOper,
            error);
  if (iOper < SYS_ALLOC || iOper > SYS_WRITE)
    err_prog(iFile, iLine, "Unexpected operation identifier (%d)\n", iOper);
  if (iOper == SYS_ALLOC) return AllocErrno(iFile, iLine, error, iArg1);
  int severity = 2;
  SystemMessages(iFile, iLine, iOper, error, iArg1, iArg2, severity);
  err_msg_record(iFile, iLine, severity);
}

void sock_error(const char* iFile, int iLine, int iOper, const char* iArg) {
  int error = errno;
  trc_print("sock_error", "sock_error \"%s\" %d: oper %d error %d\n", Text(iFile), iLine, iOper,
            error);
  if (iOper < SOCK_ACCEPT || iOper > SOCK_STARTUP)
    err_prog(iFile, iLine, "Unexpected operation identifier (%d)\n", iOper);
  SocketMessages(iFile, iLine, iOper, error, iArg);
  err_msg_record(iFile, iLine, 2);
}

void com_error(const char* iFile, int iLine, int iCode, const char* iArg) {
  trc_print("com_error", "com_error \"%s\" %d: error %d\n", Text(iFile), iLine, iCode);
  if (iCode < COM_FULL || iCode > COM_USE_UNEXPECTED)
    err_prog(iFile, iLine, "Unexpected error code (%d)\n", iCode);
  CommunicationMessages(iCode, iArg);
  err_msg_record(iFile, iLine, 2);
}

int sys_error_code(void) {
  return errno;
}

int sock_error_code(void) {
  return errno;
}
