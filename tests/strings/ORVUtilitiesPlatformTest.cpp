// Tests of ORVUtilities' platform side: instance creation and interface queries with
// their error records, the terminal displays' installation, and external commands with
// their exit statuses and output lines.
#include "ORVUtilities.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <string>

#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplayToISO8859Term.h"
#include "ORVMessageDisplayToString.h"
#include "ORVOFStream.h"
#include "PEVClassFactory.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

namespace {

PEVBaseUnknown* MakeCircle() {
  return new ORVTestCircle("made");
}
PEVBaseUnknown* MakeNothing() {
  return nullptr;
}

std::string GuidText(const _GUID& iGUID) {
  return ORVUtilities::ConvertGUIDToString(iGUID).GetChars();
}

// The last error of a failed creation (request 0500) or query (0504), as described.
std::string Failure(const char* iRequest, const std::string& iDiagnostic) {
  return std::string("type 1 in src/ORVUtilitiesPlatform.cpp; request ORVBC ") + iRequest +
         "; diagnostic ORVBC " + iDiagnostic + "; advice ORVBC 0502";
}

const char kNoGlobalDisplay[] = "A global object displayer should have been set";
const char kDisplayFile[] = "src/ORVMessageDisplay.cpp";

// The circle class is creatable during each test; the last error is forgotten after it.
class ORVUtilitiesCreationTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(PEVRegisterCreatableClass("ORVTestCircle", ORVTestCircle::ClassId(), MakeCircle), 0);
  }
  void TearDown() override {
    PEVUnregisterCreatableClass("ORVTestCircle");
    PEVError::PEVCleanLastError();
  }
  // Creates iClass, a name or an identifier, for IUnknown and releases what it made.
  template <class Class>
  long Create(const Class& iClass, unsigned long iContext, IUnknown* iOuter = nullptr) {
    void* result = nullptr;
    long code =
        ORVUtilities::PEVCreateClassInstance(iClass, iOuter, iContext, IID_IUnknown, &result);
    if (result) static_cast<PEVBaseUnknown*>(result)->Release();
    return code;
  }
};

// A cleaner and a string display as the global message display.
class ORVUtilitiesCommandTest : public testing::Test {
protected:
  void SetUp() override {
    _pDisplay = new ORVMessageDisplayToString();
    ORVGlobalObjectCleaner::Add(_pDisplay);
    ORVMessageDisplay::SetGlobal(*_pDisplay);
  }
  std::string Shown() { return _pDisplay->GetMessage().ConvertToChar().GetChars(); }
  // The exit status of iCommand, a space and the lines it displayed.
  std::string Run(const char* iCommand) {
    _pDisplay->Clear();
    int status = ORVUtilities::ExecuteExternalCommand(iCommand);
    return std::to_string(status) + " " + Shown();
  }

  ORVGlobalObjectCleaner _Cleaner;
  ORVMessageDisplayToString* _pDisplay = nullptr;
};

}  // namespace

TEST_F(ORVUtilitiesCreationTest, FailureRecordsTheClassNameOrIdentifierAndTheContext) {
  long code = Create("NoSuchClass", 7);
  EXPECT_EQ(code, PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(DescribeLastError(code), Failure("0500", "0503: NoSuchClass | 7"));
  std::string text = LastErrorText(code);
  EXPECT_EQ(text.find("!!!"), std::string::npos) << text;
  EXPECT_NE(text.find("NoSuchClass"), std::string::npos) << text;
  // A null name is no class; the message shows it empty.
  EXPECT_EQ(Create(static_cast<const char*>(nullptr), 0), PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(DescribeLastError(code), Failure("0500", "0503:  | 0"));
  EXPECT_EQ(Create(ORVTestSquare::ClassId(), 3), PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(DescribeLastError(code),
            Failure("0500", "0501: " + GuidText(ORVTestSquare::ClassId()) + " | 3"));
  // The platform's own code comes back, whatever it is.
  ORVTestShape outer;
  code = Create(ORVTestCircle::ClassId(), 0, &outer);
  EXPECT_EQ(code, PEV_CLASS_E_NOAGGREGATION);
  PEVError* last = PEVError::PEVGetLastError(code, nullptr);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->GetReturnCode(), PEV_CLASS_E_NOAGGREGATION);
  last->Release();
}

TEST_F(ORVUtilitiesCreationTest, ErrorAlreadyRecordedForTheCodeStaysTheLastError) {
  PEVError* platformError = new PEVError(0);
  platformError->SetReturnCode(PEV_REGDB_E_CLASSNOTREG);
  ASSERT_EQ(PEVError::GetReturn(PEVReturnError, platformError, nullptr, __FILE__, __LINE__),
            PEV_REGDB_E_CLASSNOTREG);
  EXPECT_EQ(Create("NoSuchClass", 0), PEV_REGDB_E_CLASSNOTREG);
  PEVError* last = PEVError::PEVGetLastError(PEV_REGDB_E_CLASSNOTREG, nullptr);
  EXPECT_EQ(last, platformError);
  // Only the look-up's reference was added and given back.
  EXPECT_EQ(last->GetRefCount(), 2u);
  last->Release();
}

TEST_F(ORVUtilitiesCreationTest, EarlierLibraryErrorWithTheSameCodeIsNotReportedAgain) {
  ASSERT_EQ(PEVRegisterCreatableClass("ORVTestNothing", ORVTestSquare::ClassId(), MakeNothing), 0);
  // A pending failure of the library, with the general failure code.
  ORVError* pending =
      new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(),
                   ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, PEV_E_FAIL);
  ASSERT_EQ(PEVError::GetReturn(PEVReturnError, pending, nullptr, __FILE__, __LINE__), PEV_E_FAIL);
  EXPECT_EQ(Create("ORVTestNothing", 0), PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(PEV_E_FAIL), Failure("0500", "0503: ORVTestNothing | 0"));
  PEVUnregisterCreatableClass("ORVTestNothing");
}

TEST_F(ORVUtilitiesCreationTest, QueryInterfaceAnswersKnownInterfacesOnly) {
  ORVTestCircle* circle = new ORVTestCircle("asked");
  void* result = nullptr;
  ASSERT_EQ(ORVUtilities::QueryInterface(*circle, ORVTestShape::ClassId(), &result), 0);
  EXPECT_EQ(result, circle);
  EXPECT_EQ(circle->GetRefCount(), 2u);
  circle->Release();

  long code = ORVUtilities::QueryInterface(*circle, ORVTestSquare::ClassId(), &result);
  EXPECT_EQ(code, PEV_E_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(DescribeLastError(code),
            Failure("0504", "0505: ORVTestCircle | " + GuidText(ORVTestSquare::ClassId())));

  code = ORVUtilities::QueryInterface(*circle, IID_IUnknown, nullptr);
  EXPECT_EQ(code, PEV_E_POINTER);
  EXPECT_EQ(DescribeLastError(code),
            Failure("0504", "0505: ORVTestCircle | " + GuidText(IID_IUnknown)));
  EXPECT_EQ(circle->GetRefCount(), 1u);
  circle->Release();
}

TEST(ORVUtilitiesDisplays, TerminalDisplaysBecomeGlobalAndAreCleanedUp) {
  {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    EXPECT_EQ(cleaner.GetCount(), 2);
    EXPECT_STREQ(ORVMessageDisplay::GetGlobal()->IsA(), "ORVMessageDisplayToISO8859Term");
    EXPECT_STREQ(ORVErrorDisplay::GetGlobal()->IsA(), "ORVErrorDisplayToISO8859Term");
  }
  // Released with the cleaner, they are no longer the global displays.
  ExpectFatal([] { ORVMessageDisplay::GetGlobal(); }, kNoGlobalDisplay, kDisplayFile);
}

TEST(ORVUtilitiesDisplays, TerminalDisplaysWriteMessagesAndErrorsToTheirStreams) {
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    ORVMessageDisplay::GetGlobal()->Display("a message", 1);
    ORVError* error =
        new ORVError(__FILE__, __LINE__, ORVNLSMsgBldrRfHndlr(), ORVNLSMsgBldrRfHndlr(),
                     ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, PEV_E_FAIL);
    ORVErrorDisplay::GetGlobal()->Display(*error);
    error->Release();
  });
  ASSERT_TRUE(child._Exited);
  EXPECT_EQ(child._ExitStatus, 0);
  EXPECT_EQ(child._Stdout, "a message\n");
  EXPECT_NE(child._Stderr.find("#ERR#"), std::string::npos) << child._Stderr;
}

TEST_F(ORVUtilitiesCommandTest, ExitCodeIsReturnedAndEveryLineDisplayed) {
  EXPECT_EQ(Run("printf 'first\\n\\nthird\\n'; exit 3"), "3 first\n\nthird\n");
  EXPECT_EQ(Run("printf 'no newline'"), "0 no newline\n");
  EXPECT_EQ(Run("exit 255"), "255 ");
  EXPECT_EQ(Run("orv-no-such-command-here 2>/dev/null"), "127 ");  // the shell's failure
}

TEST_F(ORVUtilitiesCommandTest, CommandKilledBySignalIsAFailure) {
  EXPECT_EQ(Run("echo before; kill -9 $$"), "137 before\n");  // 128 + 9
  EXPECT_EQ(Run("kill -TERM $$"), "143 ");                    // 128 + 15
}

TEST_F(ORVUtilitiesCommandTest, CommandThatCannotStartReadsNothing) {
  // Without a free file descriptor popen cannot make its pipe.
  ChildResult child = RunInChild([this] {
    // The same calls once with descriptors free: the sanitizers' type checks need a pipe
    // the first time they meet a class.
    ORVString command("echo never");
    ORVUtilities::ExecuteExternalCommand("true");
    Shown();
    rlimit limit = {3, 3};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(10);
    for (int descriptor = 3; descriptor < 1024; ++descriptor)
      close(descriptor);
    int status = ORVUtilities::ExecuteExternalCommand(command);
    _exit(status == -1 && Shown().empty() ? 0 : 11);
  });
  ASSERT_TRUE(child._Exited) << child._Stderr;
  EXPECT_EQ(child._ExitStatus, 0) << child._Stderr;
}

TEST_F(ORVUtilitiesCommandTest, LongLinesArriveInPiecesOf1023Bytes) {
  const std::string piece(1023, '0');
  EXPECT_EQ(Run("printf '%03000d\\n' 0"),
            "0 " + piece + "\n" + piece + "\n" + std::string(954, '0') + "\n");
  // A line that fills the buffer exactly is one line, with no empty line after it.
  EXPECT_EQ(Run("printf '%01023d\\n%02046d\\nend\\n' 0 0"),
            "0 " + piece + "\n" + piece + "\n" + piece + "\nend\n");
}

TEST_F(ORVUtilitiesCommandTest, PendingStandardOutputIsWrittenBeforeTheCommandRuns) {
  ChildResult child = RunInChild([] {
    // The command writes to a copy of standard output, beside the captured output.
    if (dup2(1, 5) != 5) _exit(10);
    ORVStdout << "before ";
    ORVUtilities::ExecuteExternalCommand("echo direct >&5; echo captured");
    ORVStdout << "after" << endl;
  });
  ASSERT_TRUE(child._Exited);
  EXPECT_EQ(child._Stdout, "before direct\nafter\n");
}

TEST(ORVUtilitiesDeathTest, CommandOutputWithoutGlobalDisplayIsFatal) {
  ExpectFatal([] { ORVUtilities::ExecuteExternalCommand("echo line"); }, kNoGlobalDisplay,
              kDisplayFile);
}
