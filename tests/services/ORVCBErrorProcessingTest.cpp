// Tests of the error hook, the default table, the programming-error reports, guarded
// allocation and the text utilities; of sys_error, sock_error and com_error: every
// operation under every errno its table names asks only for shipped catalog messages with
// their parameter counts, and the rows that matter record, exit or abort as they should.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "AllocationFailure.h"
#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "ORVCBErrorProcessing.h"
#include "ORVCBErrorTranslators.h"
#include "ORVCBMemory.h"
#include "ORVCBUtilities.h"
#include "PEVMsgCatalog.h"
#include "PEVTypes.h"

extern "C" int ORVCBServicesFromC(void);

namespace {

// The child's result of iBody run with the default table.
ChildResult WithDefaultTable(const std::function<void()>& iBody) {
  return RunInChild([&] {
    ErrorProcessingStart();
    iBody();
  });
}

// Levels, severities and sizes out of range are programming errors; exhausted memory
// ends the process once, even when the record's own error cannot be made, or the
// request's builder fails first.
TEST(ORVCBErrorProcessing, MisusesAbortAndExhaustedMemoryOrFullDisksExit) {
  const std::string fatal = "#ERR# Fatal internal error at src/ORVCB";
  const std::string memory = "Not enough memory to allocate ";
  const std::tuple<std::function<void()>, int, std::string> cases[] = {
      {[] { err_msg("ORVSYS", 3, "NOMEM", nullptr); }, SIGABRT,
       fatal + "ErrorProcessing\\.cpp:[0-9]+: Unknown error message type \\(3\\)\n\n"},
      {[] { err_msg_record("caller.c", 1, 4); }, SIGABRT,
       fatal + "ErrorProcessing\\.cpp:[0-9]+: Wrong error type \\(4\\)\n\n"},
      // Severity 3 shows the error on standard error and exits.
      {[] { err_msg("ORVSYS", 1, "NOSPC", nullptr), err_msg_record("caller.c", 5, 3); }, 127,
       ".*There is no space left on the device\\..*"},
      {[] { mem_alloc(0); }, SIGABRT, fatal + "Memory\\.cpp:[0-9]+: Null memory size\n"},
      {[] { mem_realloc(mem_alloc(8), 0); }, SIGABRT,
       fatal + "Memory\\.cpp:[0-9]+: Null memory size\n"},
      {[] { FailAllocation(1), mem_alloc(100); }, 127, memory + "100 bytes\n.*"},
      {[] { FailAllocations(1, 2), mem_alloc(100); }, 127,
       memory + "100 bytes\n" + memory + "1 bytes\n"},
      {[] { FailAllocation(1), errno = EAGAIN, sys_error("caller.c", 9, SYS_FORK, 0, 0); }, 127,
       memory + "1 bytes\n.*"},
      // A full disk ends the process too.
      {[] { errno = ENOSPC, sys_error("caller.c", 23, SYS_WRITE, "full.txt", nullptr); }, 127,
       ".*Writing the file full\\.txt\\..*"}};
  for (const auto& [body, end, text] : cases) {
    ChildResult child = WithDefaultTable(body);
    EXPECT_EQ(child._Signal ? child._Signal : child._ExitStatus, end) << text;
    EXPECT_THAT(child._Stderr, testing::MatchesRegex("^" + text + "$"));
  }
}

// A report is cut to the buffer of 1024 bytes, the final newline kept.
TEST(ORVCBErrorProcessing, ReportsAreCutToTheBufferKeepingTheFinalNewline) {
  const std::string prefix = "#ERR# Warning at caller.c:7: ";
  for (const std::string& text : {std::string(100, 'x'), std::string(3000, 'x')})
    for (bool newline : {true, false}) {
      ChildResult child = RunInChild(
          [&] { err_prog_warning("caller.c", 7, newline ? "%s\n" : "%s", text.c_str()); });
      EXPECT_EQ(child._ExitStatus, 0);
      EXPECT_EQ(child._Stderr, prefix + text.substr(0, (newline ? 1022 : 1023) - prefix.size()) +
                                   (newline ? "\n\n" : "\n"))
          << text.size() << (newline ? " with newline" : "");
    }
}

TEST(ORVCBErrorProcessing,
     WithoutTableOnlyFallbackLinesAreWrittenAndFailedAllocationsKeepTheBlock) {
  ChildResult child = RunInChild([] {
    err_msg("ORVSYS", 1, "NOMEM", nullptr);
    err_msg_record("caller.c", 3, 3);
    err_display();
    // The caller gets null and its block back untouched.
    char* block = (char*)mem_alloc(4);
    strcpy(block, "abc");
    FailAllocation(1);
    void* same = mem_realloc(block, 4000000000u);
    FailAllocation(1);
    void* none = mem_alloc(100);
    printf("%d%d %s", same == nullptr, none == nullptr, block);
    mem_free(block);
    mem_free(nullptr);
  });
  EXPECT_EQ(child._Stdout, "11 abc");
  EXPECT_EQ(child._Stderr,
            "Unable to process the error message \"NOMEM\"\nUnable to create the error message\n"
            "Not enough memory to allocate 4000000000 bytes\nUnable to create the error message\n"
            "Not enough memory to allocate 100 bytes\nUnable to create the error message\n");
}

TEST(ORVCBUtilities, TextsAndNames) {
  // The last component is returned inside the path itself.
  for (auto [path, last] : {std::pair{"a/b/c", 4}, {"abc", 0}, {"a/b/", 4}})
    EXPECT_EQ(last_component(path), path + last) << path;
  char text[] = "MiXed \xC9t\xE9 9";
  to_lower(text);
  EXPECT_STREQ(text, "mixed \xC9t\xE9 9");
  to_upper(text);
  EXPECT_STREQ(text, "MIXED \xC9T\xE9 9");
  EXPECT_EQ(std::string(day_name(0)) + day_name(3) + day_name(6) + os_name(), "SunWedSatLinux");
}

enum Translator { kSys, kSock, kCom };

// The catalogs the translators name, loaded before the children fork.
std::map<std::string, PEVMsgCatalog> _Catalogs;

// Writes "CATALOG" when it changes, then "level key|" per message and "rS" per record.
// Once the catalogs are loaded, a message its catalog lacks, or with another parameter
// count, is followed by "[bad]".
void PrintMsg(const char* iCatalog, int iLevel, const char* iKey, const char* const* iParameters) {
  static std::string catalog;
  if (catalog != iCatalog) printf("%s ", (catalog = iCatalog).c_str());
  printf("%d %s|", iLevel, iKey);
  int count = 0;
  while (iParameters[count])
    ++count;
  auto found = _Catalogs.find(iCatalog);
  PEVMsg message = found == _Catalogs.end() ? PEVMsg() : found->second.GetCatalogMsg(iKey);
  if (!_Catalogs.empty() && (message.IsEmpty() || message.GetMaxParamIndex() != count))
    printf("[bad]");
  fflush(stdout);
}
const err_handlers kPrint = {
    PrintMsg, [](const char*, int, int iSeverity) { printf("r%d", iSeverity); }, [] {}};

// What the translator recorded, then "!" and its fatal text if it aborted.
std::string Recorded(Translator iWhich, int iOper, int iErrno) {
  ChildResult child = RunInChild([=] {
    err_start(&kPrint);
    // The translator, called with errno iErrno and its arguments filled in.
    errno = iErrno;
    if (iWhich == kSys) sys_error("caller.c", 11, iOper, "a1", "a2");
    if (iWhich == kSock) sock_error("caller.c", 11, iOper, "arg");
    if (iWhich == kCom) com_error("caller.c", 11, iOper, "arg");
    fflush(stdout);
  });
  const std::string fatal = "#ERR# Fatal internal error at caller.c:11: ";
  if (!child._Signal) return child._Stdout;
  return child._Stdout + "!" +
         (child._Stderr.rfind(fatal, 0) == 0 ? child._Stderr.substr(fatal.size()) : child._Stderr);
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
  for (const char* name : {"ORVSYS", "ORVSOCK", "ORVCOM"})
    ASSERT_GT(_Catalogs[name].LoadMsgCatalog(name, ORV_BUILD_CATALOG_DIR), 0) << name;
  long recorded = 0, fatal = 0;
  for (auto [which, operations, errnos] :
       {std::tuple(kSys, 30, sysErrnos), std::tuple(kSock, 15, sockErrnos),
        std::tuple(kCom, 10, std::vector<int>{0})})
    for (int oper = 0; oper < operations; ++oper)
      for (int error : errnos) {
        // A row asks for good messages, then records once (severity 3 exits) or aborts
        // with a fatal text.
        std::string result = Recorded(which, oper, error);
        EXPECT_THAT(result,
                    testing::MatchesRegex("^(ORV[A-Z]+ ([0-9] [A-Z0-9_]+\\|)*)?(r[0-3]|!.+)$"))
            << which << "/" << oper << "/" << error;
        (result.find('!') == std::string::npos ? recorded : fatal) += 1;
      }
  // Both kinds of row were met; the exact ones are checked below.
  EXPECT_GT(recorded, 900);
  EXPECT_GT(fatal, 50);
}

TEST(ORVCBErrorTranslators, RowsRecordTheirMessagesAndSeverities) {
  const std::tuple<Translator, int, int, const char*> cases[] = {
      {kSys, SYS_FORK, EAGAIN, "ORVSYS 0 FORK|1 FORK_AGAIN|2 FORK_AGAINA|r2"},
      {kSys, SYS_OPEN, ENOSPC, "ORVSYS 0 OPEN|1 NOSPC|2 NOSPCA|r3"},
      {kSys, SYS_SEMCTL, E2BIG, "ORVSYS 0 SEMCTL|r3"},
      {kSys, SYS_RENAME, EXDEV, "ORVSYS 0 RENAME|1 UNEXPECTED|r2"},
      // What a user can cause is recorded, not fatal.
      {kSys, SYS_RENAME, EINVAL, "ORVSYS 0 RENAME|1 UNEXPECTED|r2"},
      {kSys, SYS_GETCWD, ERANGE, "ORVSYS 0 GETCWDC|1 UNEXPECTED|r2"},
      {kSys, SYS_OPEN, EINVAL, "ORVSYS 0 OPEN|1 UNEXPECTED|r2"},
      {kSys, SYS_WRITE, EMFILE, "ORVSYS 0 WRITE|1 UNEXPECTED|r2"},
      {kSys, SYS_OPEN, ENFILE, "ORVSYS 0 OPEN|1 UNEXPECTED|r2"},
      {kSock, SOCK_SOCKET, EMFILE, "ORVSOCK 0 SOCKC|1 UNEXPECTED|r2"},
      {kSys, SYS_ALLOC, EPERM, "ORVSYS 0 ALLOC|1 UNEXPECTED|r3"},
      {kSock, SOCK_OTHER7, EPIPE, "ORVSOCK 1 UNEXPECTED|r2"},
      {kCom, COM_USE_UNEXPECTED, 0, "ORVCOM 0 USE|1 UNEXPECTED|r2"},
      // Programming faults abort, after the request, with their texts as they stand.
      {kSys, SYS_READ, EBADF, "ORVSYS 0 READ|!Bad file descriptor (\"a1\").\n\n"},
      {kSys, SYS_SEMGET, EEXIST, "ORVSYS 0 SEMGET|!Unexpected error (17)\n\n"},
      {kSys, 30, 0, "!Unexpected operation identifier (30)\n\n"},
      {kSock, SOCK_ACCEPT, ENOTSOCK, "ORVSOCK 0 ACCEPT|!Unexptected accept error (88).\n\n"},
      {kSock, SOCK_CLOSE, EBADF, "ORVSOCK 0 CLOSE|!Bad socket file descriptor.\n\n"},
      {kSock, SOCK_SOCKET, EAFNOSUPPORT,
       "ORVSOCK 0 SOCKC|!Address family / socket type mismatch.\n\n"},
      {kSock, -1, 0, "!Unexpected operation identifier (-1)\n\n"},
      {kCom, 10, 0, "!Unexpected error code (10)\n\n"},
      {kCom, -1, 0, "!Unexpected error code (-1)\n\n"},
  };
  for (auto [which, oper, error, recorded] : cases)
    EXPECT_EQ(Recorded(which, oper, error), recorded) << which << "/" << oper << "/" << error;
}

// Run in a child: the translators trace, and the trace reads its switch only once.
TEST(ORVCBErrorProcessing, DefaultTableKeepsTheLatestMessagesTheCallerAndTheParameters) {
  ChildResult child = WithDefaultTable([] {
    auto last = [] { fprintf(stderr, "%s\n", DescribeLastError(PEV_E_FAIL).c_str()); };
    // The latest message per level; severity two records them as the last error, which a
    // display shows on standard error and forgets. Severities 0 and 1 display at once, on
    // standard output.
    err_msg("ORVSYS", 0, "OPEN", "old.txt", nullptr);
    err_msg("ORVSYS", 0, "OPEN", "new.txt", nullptr);
    err_msg("ORVSYS", 1, "NOENT_FILE", nullptr);
    err_msg_record("caller.c", 12, 2);
    last();
    err_display();
    last();
    for (int severity : {0, 1})
      err_msg("ORVSYS", 1, "NOSPC", nullptr), err_msg_record("caller.c", 5, severity), last();
    errno = ENOENT, sys_error("caller.c", 21, SYS_RENAME, "old", nullptr), last();
    errno = EIO, sock_error("caller.c", 22, SOCK_STARTUP, nullptr), last();
    // Callers written in C record through the same table.
    fprintf(stderr, "%d ", ORVCBServicesFromC());
    last();
  });
  EXPECT_THAT(child._Stdout, testing::MatchesRegex("^(.*There is no space left on "
                                                   "the device\\.\n\n){2}$"));
  EXPECT_EQ(
      child._Stderr,
      "type 1 in caller.c; request ORVSYS OPEN: new.txt; diagnostic ORVSYS NOENT_FILE; "
      "advice <none>\nOpening the file new.txt.\n#ERR# ORVSYS - OPEN: The file does not exist.\n\n"
      "<no last error>\n<no last error>\n<no last error>\n"
      "type 1 in caller.c; request ORVSYS RENAME: old | ; diagnostic ORVSYS RENAME_NOENT; "
      "advice ORVSYS RENAME_NOENTA\n"
      "type 1 in caller.c; request ORVSOCK STARTUPC; diagnostic ORVSOCK UNEXPECTED: " +
          std::string(strerror(EIO)) +
          "; advice <none>\n"
          "5 type 1 in caller.c; request ORVSYS OPEN: missing.txt; diagnostic ORVSYS "
          "NOENT_FILE; advice ORVSYS NOENTA\n");
}

}  // namespace
