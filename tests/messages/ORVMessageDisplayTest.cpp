// Tests of the message displays: terminal output, collected strings, coupled displays,
// the global display, the file display with its open, write and close failures, and the
// begin informer, which shows its heading once per activity.
#include "ORVMessageDisplay.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>
#include <iterator>

#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "MessagesTestSupport.h"
#include "ORVCoupledMessageDisplay.h"
#include "ORVError.h"
#include "ORVMessageDisplayToAsciiFile.h"
#include "ORVMessageDisplayToISO8859Term.h"
#include "ORVMessageDisplayToString.h"
#include "ORVMsgDisplayingBeginInformer.h"
#include "TemporaryDirectory.h"

namespace {

const char kFileDisplaySource[] = "src/ORVMessageDisplayToAsciiFile.cpp";

// A display whose GetDisplayError answers what it was told to.
struct ORVTestAnsweringDisplay : public ORVMessageDisplayToString {
  ORVTestAnsweringDisplay(PEVError* iError, long iResult) : _pError(iError), _Result(iResult) {}
  long GetDisplayError(PEVError*& oError, unsigned int) override {
    oError = _pError;
    if (_pError) _pError->AddRef();
    return _Result;
  }
  PEVError* _pError;
  long _Result;
};

int OpenDescriptorCount() {
  return (int)std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

// A temporary directory; the last error is forgotten after each test.
class ORVMessageDisplayToAsciiFileTest : public TemporaryDirectoryTest {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
};

}  // namespace

TEST(ORVMessageDisplayToISO8859Term, WritesUtf8ToStandardOutputAndEndsLinesOnRequest) {
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVMessageDisplayToISO8859Term display;
    display.Display("a", 0);
    display.Display("b", 1);
    display.Display("", 1);
    display.Display(Text("Déjà vu: Ærø ≠ €")->Build(), 1);
    PEVError* error = reinterpret_cast<PEVError*>(1);
    if (display.GetDisplayError(error, 1) != 0 || error) printf("unexpected error");
  });
  EXPECT_EQ(child._Stdout + "|" + child._Stderr, "ab\n\nDéjà vu: Ærø ≠ €\n|");
}

TEST(ORVCoupledMessageDisplay, ShowsOnBothStringDisplaysAndAsksTheFirstForErrorsFirst) {
  ORVError first(1), second(2);
  ORVTestAnsweringDisplay firstDisplay(&first, 0), secondDisplay(&second, 0), failing(nullptr, -7);
  ORVMessageDisplayToString plain;  // without error
  ORVCoupledMessageDisplay coupled(firstDisplay, secondDisplay);
  coupled.Display("t", 1);
  coupled.Display("€", 0);
  EXPECT_EQ(Utf8(firstDisplay.GetMessage()) + Utf8(secondDisplay.GetMessage()), "t\n€t\n€");
  // The first error found (with a reference for the caller), or the first display's code.
  const std::tuple<ORVMessageDisplay*, long, PEVError*> kAnswers[] = {
      {&firstDisplay, 0, &first}, {&plain, 0, &second}, {&failing, -7, nullptr}};
  for (const auto& [display, code, found] : kAnswers) {
    PEVError* error = reinterpret_cast<PEVError*>(1);
    EXPECT_EQ(ORVCoupledMessageDisplay(*display, secondDisplay).GetDisplayError(error, 0), code);
    EXPECT_EQ(error, found);
    EXPECT_EQ(error ? error->GetRefCount() : 2u, 2u);
    if (error) error->Release();
  }
}

TEST(ORVMessageDisplayDeathTest, GlobalIsTheOneSetLastAndForgottenWhenDestroyed) {
  ExpectGlobalIsTheOneSetLast<ORVMessageDisplay, ORVMessageDisplayToString>(
      "src/ORVMessageDisplay.cpp");
}

TEST_F(ORVMessageDisplayToAsciiFileTest, WritesUtf8ClosesOnReopeningOrDestructionRefusesBadPaths) {
  int descriptors = OpenDescriptorCount();
  ORVMessageDisplayToAsciiFile display(Path("messages").c_str());
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("lost", 1);
  ASSERT_EQ(display.OpenFile(), 0);  // closes the first handle, empties the file
  EXPECT_EQ(OpenDescriptorCount(), descriptors + 1);
  display.Display("first ", 0);
  display.Display("line €", 1);
  display.Display("second", 1);
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_EQ(OpenDescriptorCount(), descriptors);
  EXPECT_EQ(ReadWholeFile(Path("messages")), "first line €\nsecond\n");
  // The closed file is forgotten.
  ExpectFatal([&] { display.CloseFile(); }, "OpenFile must be called before", kFileDisplaySource);
  {
    ORVMessageDisplayToAsciiFile unclosed(Path("unclosed").c_str());
    ASSERT_EQ(unclosed.OpenFile(), 0);
    unclosed.Display("flushed at the end", 0);
  }
  EXPECT_EQ(OpenDescriptorCount(), descriptors);
  EXPECT_EQ(ReadWholeFile(Path("unclosed")), "flushed at the end");
  // A directory as file name is refused with the display's own messages.
  const std::string& directory = _Directory.GetPath();
  long code = ORVMessageDisplayToAsciiFile(ORVString(directory.c_str())).OpenFile();
  ASSERT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), "type 1 in " + std::string(kFileDisplaySource) +
                                         "; request <none>; diagnostic ORVCMD 6030: " + directory +
                                         "; advice ORVCMD 6031");
  // Another failure is the file utilities' error; a dangling link is refused: its target
  // is never created.
  symlink(Path("target").c_str(), Path("dangling").c_str());
  for (const std::string& path : {Path("absent/messages"), Path("dangling")}) {
    code = ORVMessageDisplayToAsciiFile(path.c_str()).OpenFile();
    EXPECT_NE(DescribeLastError(code).find("diagnostic ORVBC 0201: " + path), std::string::npos)
        << DescribeLastError(code);
  }
  EXPECT_NE(access(Path("target").c_str(), F_OK), 0);
  // A link to an existing file is written through.
  WriteWholeFile(Path("target"), "old");
  ORVMessageDisplayToAsciiFile linked(Path("dangling").c_str());
  ASSERT_EQ(linked.OpenFile(), 0);
  linked.Display("new", 1);
  ASSERT_EQ(linked.CloseFile(), 0);
  EXPECT_EQ(ReadWholeFile(Path("target")).substr(0, 3), "new");
}

TEST_F(ORVMessageDisplayToAsciiFileTest,
       WriteFailureIsStoredOnceReportedByCloseOrHandedOverAndEndsTheWriting) {
  const std::string longText(20000, 'x');  // more than the stream buffers
  ORVMessageDisplayToAsciiFile display("/dev/full"), forgetting("/dev/full");
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display(longText.c_str(), 1);
  PEVError *stored = nullptr, *again = nullptr;
  EXPECT_EQ(display.GetDisplayError(stored, 0), 0);
  ASSERT_NE(stored, nullptr);
  EXPECT_STREQ(ORVCheckedCast<ORVError>(stored)->GetHDiagnosticBldr()->GetMsgId(), "0203");
  EXPECT_EQ(stored->GetRefCount(), 3u);  // the display's, the last error's, ours
  stored->Release();
  display.Display(longText.c_str(), 1);
  display.GetDisplayError(again, 0);
  EXPECT_EQ(again, stored);
  again->Release();
  long code = display.CloseFile();
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(LastErrorOf(code), stored);
  // Forgetting the error hands over the display's reference, and the close does not
  // report it again.
  ASSERT_EQ(forgetting.OpenFile(), 0);
  forgetting.Display(longText.c_str(), 0);
  PEVError::PEVCleanLastError();
  forgetting.GetDisplayError(stored, 1);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->GetRefCount(), 1u);  // now the caller's alone
  forgetting.GetDisplayError(again, 1);
  EXPECT_EQ(again, nullptr);
  EXPECT_NE(LastErrorOf(forgetting.CloseFile()), stored);
  stored->Release();
  // Nothing is written after a failure.
  std::string path = Path("limited");
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    struct rlimit small = {100, limit.rlim_max};
    ORVMessageDisplayToAsciiFile display(path.c_str());
    if (display.OpenFile() != 0) _exit(2);
    setrlimit(RLIMIT_FSIZE, &small);
    display.Display(std::string(20000, 'x').c_str(), 1);  // fails beyond 100 bytes
    setrlimit(RLIMIT_FSIZE, &limit);
    display.Display("after the failure", 1);
    _exit(display.CloseFile() == PEV_E_FAIL ? 0 : 3);
  });
  EXPECT_EQ(child._ExitStatus, 0);
  EXPECT_EQ(ReadWholeFile(path).find("after"), std::string::npos);
}

TEST(ORVMsgDisplayingBeginInformer, HeadingIsShownOnceUntilReinitOrANewHeadingAndNoneWithout) {
  ORVMessageDisplayToString display;
  ORVMsgDisplayingBeginInformer informer(Text("Checking files"), display);
  // "done before|done after|shown" for two informs of ioInformer.
  auto twice = [&](ORVMsgDisplayingBeginInformer& ioInformer) {
    std::string done = std::to_string(ioInformer.SomethingHasBeenDone() != 0);
    ioInformer.Inform();
    ioInformer.Inform();
    done += "|" + std::to_string(ioInformer.SomethingHasBeenDone() != 0) + "|" +
            Utf8(display.GetMessage());
    display.Clear();
    return done;
  };
  EXPECT_EQ(twice(informer), "0|1|Checking files\n");
  EXPECT_EQ(twice(informer), "1|1|");
  informer.Reinit();
  EXPECT_EQ(twice(informer), "0|1|Checking files\n");
  informer.SetHNLSMsgBldr(Text("second"));
  EXPECT_EQ(twice(informer), "0|1|second\n");
  // Without heading nothing is shown but the work is noted.
  ORVMsgDisplayingBeginInformer silent(display);
  EXPECT_EQ(twice(silent), "0|1|");
}
