// Tests of ORVUtilities' platform side: instance creation and interface queries with
// their error records, the terminal displays' installation, and external commands with
// their exit statuses and output lines.
#include "ORVUtilities.h"

#include <sys/resource.h>
#include <unistd.h>

#include "StringsTestSupport.h"

namespace {

const auto Guid = [](const _GUID& iId) { return ValueOf(ORVUtilities::ConvertGUIDToString(iId)); };
// iCode and the last error of a failed creation (request 0500) or query (0504), described.
const auto Failed = [](long iCode, const char* iRequest, const std::string& iDiagnostic) {
  return std::to_string(iCode) + " type 1 in src/ORVUtilitiesPlatform.cpp; request ORVBC " +
         iRequest + "; diagnostic ORVBC " + iDiagnostic + "; advice ORVBC 0502";
};
// Whether the child exited, its exit status and its standard output.
const auto Ended = [](const ChildResult& c) {
  return std::to_string(c._Exited) + " " + std::to_string(c._ExitStatus) + " " + c._Stdout;
};
// A new pending critical error with iCode and no messages, made by the library.
const auto NewError = [](long iCode) {
  return new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(),
                      ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, iCode);
};

// The code of creating iClass, a name or an identifier, for IUnknown, and the last error
// recorded for it, as described; what was made is released.
const auto Created = [](auto iClass, unsigned long iContext, IUnknown* iOuter = nullptr) {
  void* made = nullptr;
  long code = ORVUtilities::PEVCreateClassInstance(iClass, iOuter, iContext, IID_IUnknown, &made);
  if (made) static_cast<PEVBaseUnknown*>(made)->Release();
  return std::to_string(code) + " " + DescribeLastError(code);
};

}  // namespace

TEST(ORVUtilities, FailedCreationsAndQueriesRecordWhatFailedUnlessThePlatformDid) {
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestCircle", ORVTestCircle::ClassId(),
                                      []() -> PEVBaseUnknown* { return new ORVTestCircle(); }),
            0);
  const long kNotRegistered = PEV_REGDB_E_CLASSNOTREG;
  const std::string square = Guid(ORVTestSquare::ClassId()),
                    circle = Guid(ORVTestCircle::ClassId());
  ExpectRows(
      {// A null name is no class; the message shows it empty.
       {Created(static_cast<const char*>(nullptr), 0),
        Failed(kNotRegistered, "0500", "0503:  | 0")},
       {Created(ORVTestSquare::ClassId(), 3),
        Failed(kNotRegistered, "0500", "0501: " + square + " | 3")},
       {Created("NoSuchClass", 7), Failed(kNotRegistered, "0500", "0503: NoSuchClass | 7")}});
  const std::string text = LastErrorText(kNotRegistered);
  EXPECT_TRUE(text.find("!!!") == std::string::npos &&
              text.find("NoSuchClass") != std::string::npos)
      << text;
  // The platform's own code comes back, whatever it is.
  ORVTestShape outer;
  EXPECT_EQ(Created(ORVTestCircle::ClassId(), 0, &outer),
            Failed(PEV_CLASS_E_NOAGGREGATION, "0500", "0501: " + circle + " | 0"));

  // An error the platform recorded for the code stays the last error: only the look-up's
  // reference was added and given back.
  PEVError* platformError = new PEVError(0);
  platformError->SetReturnCode(kNotRegistered);
  PEVError::GetReturn(PEVReturnError, platformError, nullptr, __FILE__, __LINE__);
  void* made = nullptr;
  EXPECT_EQ(ORVUtilities::PEVCreateClassInstance("NoSuchClass", nullptr, 0, IID_IUnknown, &made),
            kNotRegistered);
  PEVError* last = PEVError::PEVGetLastError(kNotRegistered, nullptr);
  EXPECT_EQ(last, platformError);
  EXPECT_EQ(last->Release(), 1u);
  // A pending failure of the library with the general failure code is not reported again.
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestNothing", ORVTestSquare::ClassId(),
                                      []() -> PEVBaseUnknown* { return nullptr; }),
            0);
  PEVError::GetReturn(PEVReturnError, NewError(PEV_E_FAIL), nullptr, __FILE__, __LINE__);
  EXPECT_EQ(Created("ORVTestNothing", 0), Failed(PEV_E_FAIL, "0500", "0503: ORVTestNothing | 0"));
  PEVUnregisterCreatableClass("ORVTestNothing");
  // Queries answer known interfaces only.
  ORVTestCircle* asked = new ORVTestCircle("asked");
  // The code of the query and the last error recorded for it, as described.
  const auto Queried = [&](const _GUID& iId, void** oResult) {
    long code = ORVUtilities::QueryInterface(*asked, iId, oResult);
    return std::to_string(code) + (code ? " " + DescribeLastError(code) : "");
  };
  void* result = nullptr;
  ASSERT_EQ(Queried(ORVTestShape::ClassId(), &result), "0");
  EXPECT_EQ(result, asked);
  EXPECT_EQ(asked->Release(), 1u);  // the query's reference
  ExpectRows({{Queried(ORVTestSquare::ClassId(), &result),
               Failed(PEV_E_NOINTERFACE, "0504", "0505: ORVTestCircle | " + square)},
              {Queried(IID_IUnknown, nullptr),
               Failed(PEV_E_POINTER, "0504", "0505: ORVTestCircle | " + Guid(IID_IUnknown))}});
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(asked->Release(), 0u);
  PEVUnregisterCreatableClass("ORVTestCircle");
  PEVError::PEVCleanLastError();
}

TEST(ORVUtilitiesDisplays, TerminalDisplaysBecomeGlobalWriteToTheirStreamsAndAreCleanedUp) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    EXPECT_EQ(std::to_string(cleaner.GetCount()) + " " + ORVMessageDisplay::GetGlobal()->IsA() +
                  " " + ORVErrorDisplay::GetGlobal()->IsA(),
              "2 ORVMessageDisplayToISO8859Term ORVErrorDisplayToISO8859Term");
  }
  // Released with the cleaner, they are no longer the global displays: the output of a
  // command has nowhere to go.
  ExpectFatal([] { ORVUtilities::ExecuteExternalCommand("echo line"); },
              "A global object displayer should have been set", "src/ORVMessageDisplay.cpp");
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    ORVMessageDisplay::GetGlobal()->Display("a message", 1);
    ORVError* error = NewError(PEV_E_FAIL);
    ORVErrorDisplay::GetGlobal()->Display(*error);
    error->Release();
  });
  EXPECT_EQ(Ended(child), "1 0 a message\n");
  EXPECT_NE(child._Stderr.find("#ERR#"), std::string::npos) << child._Stderr;
}

TEST(ORVUtilitiesCommands, ExitCodeIsReturnedAndEveryLineDisplayedInPiecesOf1023Bytes) {
  ORVGlobalObjectCleaner cleaner;
  auto* display = new ORVMessageDisplayToString();
  ORVGlobalObjectCleaner::Add(display);
  ORVMessageDisplay::SetGlobal(*display);
  // The exit status of iCommand, a space and the lines it displayed.
  const auto Run = [display](const ORVString& iCommand) {
    display->Clear();
    int status = ORVUtilities::ExecuteExternalCommand(iCommand);
    return std::to_string(status) + " " + Utf8(display->GetMessage());
  };
  const std::string piece(1023, '0');
  ExpectRows(
      {{Run("printf 'first\\n\\nthird\\n'; exit 3"), "3 first\n\nthird\n"},
       {Run("printf 'no newline'"), "0 no newline\n"},
       {Run("exit 255"), "255 "},
       {Run("orv-no-such-command-here 2>/dev/null"), "127 "},  // the shell's failure
       // Killed by a signal: 128 + its number.
       {Run("echo before; kill -9 $$"), "137 before\n"},
       {Run("kill -TERM $$"), "143 "},
       {Run("printf '%03000d\\n' 0"), "0 " + piece + "\n" + piece + "\n" + piece.substr(69) + "\n"},
       // A line that fills the buffer exactly is one line, with no empty line after it.
       {Run("printf '%01023d\\n%02046d\\nend\\n' 0 0"),
        "0 " + piece + "\n" + piece + "\n" + piece + "\nend\n"}});
  // Without a free file descriptor popen cannot make its pipe: nothing is read.
  ChildResult child = RunInChild([&] {
    // The same calls once with descriptors free: the sanitizers' type checks need a pipe
    // the first time they meet a class.
    ORVString command("echo never");
    Run("true");
    rlimit limit = {3, 3};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(10);
    for (int descriptor = 3; descriptor < 1024; ++descriptor)
      close(descriptor);
    _exit(Run(command) == "-1 " ? 0 : 11);
  });
  EXPECT_EQ(Ended(child), "1 0 ") << child._Stderr;
  // Pending standard output is written before the command runs, which writes to a copy of
  // standard output beside the captured output.
  child = RunInChild([] {
    if (dup2(1, 5) != 5) _exit(10);
    ORVStdout << "before ";
    ORVUtilities::ExecuteExternalCommand("echo direct >&5; echo captured");
    ORVStdout << "after" << endl;
  });
  EXPECT_EQ(Ended(child), "1 0 before direct\nafter\n");
}
