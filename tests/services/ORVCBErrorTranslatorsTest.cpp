// Tests of sys_error, sock_error and com_error: every operation under every errno its
// table names asks only for shipped catalog messages with their parameter counts, and the
// rows that matter record, exit or abort as they should.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"
#include "ORVGlobalObjectCleaner.h"
#include "PEVMsgCatalog.h"
#include "PEVTypes.h"
#include "SuiteHelpers.h"

namespace {

// Writes "catalog level key count" per message and "record severity" on standard output.
void PrintMsg(const char* iCatalog, int iLevel, const char* iKey, const char* const* iParameters) {
  int count = 0;
  while (iParameters[count])
    ++count;
  printf("%s %d %s %d\n", iCatalog, iLevel, iKey, count);
}
void PrintRecord(const char*, int, int iSeverity) {
  printf("record %d\n", iSeverity);
}
void NoDisplay() {}
const err_handlers kPrint = {PrintMsg, PrintRecord, NoDisplay};

enum Translator { kSys, kSock, kCom };

// Calls the translator with errno iErrno, the arguments filled in.
void Translate(Translator iWhich, int iOper, int iErrno) {
  errno = iErrno;
  if (iWhich == kSys) sys_error("caller.c", 11, iOper, "a1", "a2");
  if (iWhich == kSock) sock_error("caller.c", 11, iOper, "arg");
  if (iWhich == kCom) com_error("caller.c", 11, iOper, "arg");
}

// The messages the translator asks for, with the record line, or its fatal report.
ChildResult Walk(Translator iWhich, int iOper, int iErrno) {
  return RunInChild([=] {
    err_start(&kPrint);
    Translate(iWhich, iOper, iErrno);
    fflush(stdout);
  });
}

// Translates iErrnos from iFrom on in one child, each row after a line "row i"; a
// fatal row or one of severity 3 ends the child, and the walk goes on in a new one.
ChildResult WalkFrom(Translator iWhich, int iOper, const std::vector<int>& iErrnos, size_t iFrom) {
  return RunInChild([&] {
    err_start(&kPrint);
    for (size_t i = iFrom; i < iErrnos.size(); ++i) {
      printf("row %zu\n", i);
      fflush(stdout);
      Translate(iWhich, iOper, iErrnos[i]);
      fflush(stdout);
    }
    printf("end\n");
  });
}

TEST(ORVCBErrorTranslators, EveryRowAsksForShippedMessagesWithTheirParameterCounts) {
  const std::vector<int> sysErrnos = {
      ENOENT,    EINTR,        EIO,    EBADF,   EACCES, EFAULT, EEXIST, ENOTDIR, EISDIR,
      EINVAL,    ENFILE,       EMFILE, ETXTBSY, EFBIG,  ENOSPC, EROFS,  EDQUOT,  ENOLINK,
      ETIMEDOUT, ENAMETOOLONG, ESTALE, EAGAIN,  ENOMEM, ERANGE, EPERM,  EIDRM,   E2BIG};
  const std::vector<int> sockErrnos = {EBADF,           EINVAL,       ENOTSOCK,    EOPNOTSUPP,
                                       ENOTCONN,        EFAULT,       EADDRINUSE,  EAFNOSUPPORT,
                                       EISCONN,         ECONNREFUSED, ENOPROTOOPT, EMFILE,
                                       ESOCKTNOSUPPORT, ENOBUFS,      EPIPE};
  struct Table {
    Translator _Which;
    int _Operations;
    const std::vector<int>& _Errnos;
  };
  const std::vector<int> none = {0};
  std::map<std::string, PEVMsgCatalog> catalogs;
  int recorded = 0, fatal = 0;
  for (const Table& table :
       {Table{kSys, 30, sysErrnos}, Table{kSock, 15, sockErrnos}, Table{kCom, 10, none}})
    for (int oper = 0; oper < table._Operations; ++oper)
      for (size_t from = 0; from < table._Errnos.size();) {
        ChildResult child = WalkFrom(table._Which, oper, table._Errnos, from);
        std::istringstream lines(child._Stdout);
        std::string word, key, row;
        int level = 0, count = 0, records = 0;
        size_t last = from;
        while (lines >> word) {
          if (word == "row" || word == "end") {
            if (!row.empty()) {
              EXPECT_EQ(records, 1) << row;
            }
            records = 0;
            if (word == "end") break;
            lines >> last;
            row = std::to_string(table._Which) + "/" + std::to_string(oper) + "/" +
                  std::to_string(table._Errnos[last]);
          } else if (word == "record") {
            lines >> level;
            ++records;
            ++recorded;
          } else {
            lines >> level >> key >> count;
            if (!catalogs.count(word)) {
              ASSERT_GT(catalogs[word].LoadMsgCatalog(word.c_str(), ORV_BUILD_CATALOG_DIR), 0);
            }
            PEVMsg message = catalogs[word].GetCatalogMsg(key.c_str());
            EXPECT_FALSE(message.IsEmpty()) << row << ": " << word << " " << key;
            EXPECT_EQ(message.GetMaxParamIndex(), count) << row << ": " << word << " " << key;
          }
        }
        if (word == "end") break;
        if (child._Signal == SIGABRT) {
          EXPECT_EQ(records, 0) << row;
          EXPECT_THAT(child._Stderr,
                      testing::MatchesRegex("^#ERR# Fatal internal error at caller\\.c:11: .+$"))
              << row;
          ++fatal;
        } else {
          EXPECT_EQ(child._ExitStatus, 127) << row;
          EXPECT_EQ(records, 1) << row;
        }
        from = last + 1;
      }
  // Both kinds of row were met; the exact ones are checked below.
  EXPECT_GT(recorded, 900);
  EXPECT_GT(fatal, 50);
}

// The messages and severity sys_error and sock_error record for one row.
std::string Recorded(Translator iWhich, int iOper, int iErrno) {
  ChildResult child = Walk(iWhich, iOper, iErrno);
  return child._Signal ? "abort: " + child._Stderr : child._Stdout;
}

TEST(ORVCBErrorTranslators, RowsRecordTheirMessagesAndSeverities) {
  struct Case {
    Translator _Which;
    int _Oper, _Errno;
    const char* _Recorded;
  };
  const Case cases[] = {
      {kSys, SYS_FORK, EAGAIN,
       "ORVSYS 0 FORK 0\nORVSYS 1 FORK_AGAIN 0\nORVSYS 2 FORK_AGAINA 0\nrecord 2\n"},
      {kSys, SYS_MKDIR, ENOENT,
       "ORVSYS 0 MKDIR 1\nORVSYS 1 NOENT_DIR 0\nORVSYS 2 NOENTA 0\nrecord 2\n"},
      {kSys, SYS_OPEN, ENOENT,
       "ORVSYS 0 OPEN 1\nORVSYS 1 NOENT_FILE 0\nORVSYS 2 NOENTA 0\nrecord 2\n"},
      {kSys, SYS_OPEN, ENOSPC, "ORVSYS 0 OPEN 1\nORVSYS 1 NOSPC 0\nORVSYS 2 NOSPCA 0\nrecord 3\n"},
      {kSys, SYS_SEMCTL, E2BIG, "ORVSYS 0 SEMCTL 0\nrecord 3\n"},
      {kSys, SYS_RENAME, EXDEV, "ORVSYS 0 RENAME 2\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_CHMOD2, EROFS, "ORVSYS 0 CHMOD 1\nORVSYS 1 ROFS 0\nORVSYS 2 ROFSA 0\nrecord 2\n"},
      {kSys, SYS_RMDIR, ENAMETOOLONG,
       "ORVSYS 0 RMDIR 1\nORVSYS 1 NAMETOOLONG 0\nORVSYS 2 NAMETOOLONG_DIRA 0\nrecord 2\n"},
      // What a user can cause is recorded, not fatal.
      {kSys, SYS_RENAME, EINVAL, "ORVSYS 0 RENAME 2\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_GETCWD, ERANGE, "ORVSYS 0 GETCWDC 0\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_OPEN, EINVAL, "ORVSYS 0 OPEN 1\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_WRITE, EMFILE, "ORVSYS 0 WRITE 1\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_OPEN, ENFILE, "ORVSYS 0 OPEN 1\nORVSYS 1 UNEXPECTED 1\nrecord 2\n"},
      {kSock, SOCK_SOCKET, EMFILE, "ORVSOCK 0 SOCKC 0\nORVSOCK 1 UNEXPECTED 1\nrecord 2\n"},
      {kSys, SYS_ALLOC, EPERM, "ORVSYS 0 ALLOC 1\nORVSYS 1 UNEXPECTED 1\nrecord 3\n"},
      {kSock, SOCK_OTHER7, EPIPE, "ORVSOCK 1 UNEXPECTED 1\nrecord 2\n"},
      {kSock, SOCK_BIND, EADDRINUSE,
       "ORVSOCK 0 BINDC 0\nORVSOCK 1 BIND 1\nORVSOCK 2 BINDA 0\nrecord 2\n"},
      {kSock, SOCK_CONNECT, ECONNREFUSED,
       "ORVSOCK 0 CONNECTC 1\nORVSOCK 1 CONNECT 0\nORVSOCK 2 CONNECTA 0\nrecord 2\n"},
      {kCom, COM_USE_UNEXPECTED, 0, "ORVCOM 0 USE 0\nORVCOM 1 UNEXPECTED 1\nrecord 2\n"},
      {kCom, COM_HOST_FORMAT, 0,
       "ORVCOM 0 HOST 1\nORVCOM 1 HOST_FORMAT 0\nORVCOM 2 HOST_FORMATA 0\nrecord 2\n"},
      // Programming faults abort with their texts as they stand.
      {kSys, SYS_READ, EBADF,
       "abort: #ERR# Fatal internal error at caller.c:11: Bad file descriptor (\"a1\").\n\n"},
      {kSys, SYS_SEMGET, EEXIST,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexpected error (17)\n\n"},
      {kSys, 30, 0,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexpected operation identifier "
       "(30)\n\n"},
      {kSock, SOCK_ACCEPT, ENOTSOCK,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexptected accept error (88).\n\n"},
      {kSock, SOCK_CLOSE, EBADF,
       "abort: #ERR# Fatal internal error at caller.c:11: Bad socket file descriptor.\n\n"},
      {kSock, SOCK_SOCKET, EAFNOSUPPORT,
       "abort: #ERR# Fatal internal error at caller.c:11: Address family / socket type "
       "mismatch.\n\n"},
      {kSock, -1, 0,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexpected operation identifier "
       "(-1)\n\n"},
      {kCom, 10, 0,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexpected error code (10)\n\n"},
      {kCom, -1, 0,
       "abort: #ERR# Fatal internal error at caller.c:11: Unexpected error code (-1)\n\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Recorded(c._Which, c._Oper, c._Errno), c._Recorded)
        << c._Which << "/" << c._Oper << "/" << c._Errno;
}

class ORVCBErrorTranslatorsDefault : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

// Run in children: the translators trace, and the trace reads its switch only once.
TEST_F(ORVCBErrorTranslatorsDefault, RecordsTheCallerAndTheParametersAndExitsOnFullDisks) {
  ChildResult recorded = RunInChild([] {
    ErrorProcessingStart();
    errno = ENOENT;
    sys_error("caller.c", 21, SYS_RENAME, "old", nullptr);
    printf("%s\n", DescribeLastError(PEV_E_FAIL).c_str());
    errno = EIO;
    sock_error("caller.c", 22, SOCK_STARTUP, nullptr);
    printf("%s\n", DescribeLastError(PEV_E_FAIL).c_str());
  });
  EXPECT_EQ(recorded._Stdout,
            "type 1 in caller.c; request ORVSYS RENAME: old | ; diagnostic ORVSYS RENAME_NOENT; "
            "advice ORVSYS RENAME_NOENTA\n"
            "type 1 in caller.c; request ORVSOCK STARTUPC; diagnostic ORVSOCK UNEXPECTED: " +
                std::string(strerror(EIO)) + "; advice <none>\n");
  ChildResult child = RunInChild([] {
    ErrorProcessingStart();
    errno = ENOSPC;
    sys_error("caller.c", 23, SYS_WRITE, "full.txt", nullptr);
  });
  EXPECT_EQ(child._ExitStatus, 127);
  EXPECT_NE(child._Stderr.find("Writing the file full.txt."), std::string::npos) << child._Stderr;
}

}  // namespace

extern "C" int ORVCBServicesFromC(void);

TEST_F(ORVCBErrorTranslatorsDefault, CallersWrittenInCRecordErrors) {
  ChildResult child = RunInChild([] {
    int passed = ORVCBServicesFromC();
    printf("%d %s", passed, DescribeLastError(PEV_E_FAIL).c_str());
  });
  EXPECT_EQ(child._Stdout,
            "5 type 1 in caller.c; request ORVSYS OPEN: missing.txt; diagnostic ORVSYS NOENT_FILE; "
            "advice ORVSYS NOENTA");
}
