// Tests of errors: what construction sets, the file name copies, the joined message,
// copies and turning result codes back into errors; the error manager's severity ranking
// that picks the main error, the displays it makes, references and the last error it
// forgets; the terminal text of each error type byte for byte, on the stream of its
// severity, and the global error display.
#include "ORVError.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "MessagesTestSupport.h"
#include "ORVErrorDisplay.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVErrorMngr.h"

namespace {

std::string SourceFileName(PEVError& iError) {
  char* name = nullptr;
  EXPECT_EQ(iError.GetSourceFileName(&name), 0);
  return name ? name : "<null>";
}

// "code type file catalog key" of iError, "<null>" for a missing name.
std::string Summary(PEVError& iError) {
  const char* catalog = iError.GetMsgCatalog();
  const char* key = iError.GetMsgId();
  return std::to_string(iError.GetReturnCode()) + " " +
         std::to_string((int)iError.GetInformationOnErrorType()) + " " + SourceFileName(iError) +
         " " + (catalog ? catalog : "<null>") + " " + (key ? key : "<null>");
}

// Records the errors it is given.
struct ORVTestRecordingErrorDisplay : public ORVErrorDisplay {
  void Display(PEVError& iError) override { _Displayed.push_back(&iError); }
  std::vector<PEVError*> _Displayed;
};

// The errors a test makes are released after it, with the recording display set as global
// and the last error, so that none leaks into the next test.
class ORVErrorTest : public testing::Test {
protected:
  void SetUp() override { ORVErrorDisplay::SetGlobal(*_pDisplay); }
  void TearDown() override {
    for (ORVError* error : _Made)
      error->Release();
    _pDisplay->Release();
    PEVError::PEVCleanLastError();
  }

  ORVError* Make(int iType, long iCode = PEV_E_FAIL) {
    _Made.push_back(new ORVError("f", 1, kNone, kNone, kNone, (PEVErrorType)iType, iCode));
    return _Made.back();
  }
  // The main error of ioManager; the reference it hands out is given back at once.
  static PEVError* MainOf(ORVErrorMngr& ioManager) {
    PEVError* main = nullptr;
    EXPECT_EQ(ioManager.GetMainError(main), 0);
    if (main) main->Release();
    return main;
  }
  ORVTestRecordingErrorDisplay* _pDisplay = new ORVTestRecordingErrorDisplay();
  std::vector<ORVError*> _Made;
};
using ORVErrorMngrTest = ORVErrorTest;

// What a terminal shows when iShow is given the global display: standard output, then
// standard error, of a child that ends normally.
std::string ShownOnTerminal(const std::function<void(ORVErrorDisplay&)>& iShow) {
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    auto* display = new ORVErrorDisplayToISO8859Term();
    ORVGlobalObjectCleaner::Add(display);
    ORVErrorDisplay::SetGlobal(*display);
    iShow(*ORVErrorDisplay::GetGlobal());
  });
  EXPECT_EQ(child._ExitStatus, 0);
  return "out: " + child._Stdout + "err: " + child._Stderr;
}

}  // namespace

TEST_F(ORVErrorTest,
       CloneSharesTheBuildersAndCopiesTheRestSeparatorsFollowTheRequestAndLongFileNamesStayWhole) {
  ORVError original("src/A.cpp", 9, Text("R", "ORVBC", "0100"), Text("D"), Text("A"),
                    PEVErrorTypeFatal, 5);
  original.SetMsgCatalog("OTHER");  // the request's names are set again in the copy
  ORVError* clone = original.CloneSelf();
  for (auto builder :
       {&ORVError::GetHRequestBldr, &ORVError::GetHDiagnosticBldr, &ORVError::GetHAdviceBldr})
    EXPECT_EQ((clone->*builder)().Get(), (original.*builder)().Get());
  EXPECT_EQ(Summary(*clone) + " " + std::to_string(clone->GetSourceLineNumber()),
            "5 2 src/A.cpp ORVBC 0100 9");
  char *cloneName = nullptr, *originalName = nullptr, *buffer = nullptr;
  clone->GetSourceFileName(&cloneName);
  original.GetSourceFileName(&originalName);
  EXPECT_NE(cloneName, originalName);
  // The separators of the message depend on the request alone.
  std::string messages = Utf8(clone->GetNLSMessage());
  clone->SetHDiagnosticBldr(kNone);
  messages += "|" + Utf8(clone->GetNLSMessage());
  clone->SetHRequestBldr(Text(""));
  clone->SetHDiagnosticBldr(Text("D"));
  messages += "|" + Utf8(clone->GetNLSMessage());
  EXPECT_EQ(messages, "R\nD\nA|R\nA|DA");
  clone->Release();
  // A long file name is kept whole but cut in the platform buffer; its own copy given back
  // stays, null empties it.
  std::string longName = "src/" + std::string(200, 'x') + ".cpp";
  EXPECT_EQ(original.SetSourceFileName(&longName[0]), 0);
  original.PEVError::GetSourceFileName(&buffer);
  EXPECT_EQ(SourceFileName(original) + " " + buffer, longName + " " + longName.substr(0, 127));
  original.GetSourceFileName(&originalName);
  original.SetSourceFileName(originalName);
  original.PEVError::GetSourceFileName(&buffer);
  EXPECT_EQ(SourceFileName(original) + " " + buffer, longName + " " + longName.substr(0, 127));
  original.SetSourceFileName(nullptr);
  EXPECT_EQ(SourceFileName(original), "");
  // Without request, the names set on the platform error come along.
  ORVError named(4, "CAT", "KEY");
  ORVError* namedClone = named.CloneSelf();
  EXPECT_EQ(Summary(*namedClone) + " " + std::to_string(namedClone->GetId()), "0 0  CAT KEY 4");
  namedClone->Release();
}

TEST_F(ORVErrorTest, CodeGivesItsLastErrorOrTheFallbackAndTheLastErrorsRequestCanBeReplaced) {
  ORVError* error = Make(2, -5);
  error->AddRef();
  long code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
  // "last" or the made error with its diagnostic key, each with its references.
  std::string made;
  for (long asked : {code, -6L, 1L}) {
    PEVError* found = ORVError::GetOrMakeLastError(asked);
    made += (found == error ? "last"
                            : Summary(*found) + " " +
                                  static_cast<ORVError*>(found)->GetHDiagnosticBldr()->GetMsgId()) +
            " " + std::to_string(found->GetRefCount()) + ";";
    found->Release();
  }
  EXPECT_EQ(made,
            "last 3;-6 1 src/ORVError.cpp <null> <null> 0100 1;1 3 src/ORVError.cpp <null> "
            "<null> 0100 1;");
  // Replacing the request touches only an ORVError and gives back the reference it took.
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(Utf8(error->GetNLSRequest()) + std::to_string(error->GetRefCount()), "context2");
  auto* plain = new PEVError(3);
  plain->SetReturnCode(-9);
  code = PEVError::GetReturn(PEVReturnError, plain, nullptr, __FILE__, __LINE__);
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(plain->GetRefCount(), 1u);
  ORVError::ReplaceLastErrorRequest(12345, Text("context"));  // no last error: nothing
}

TEST_F(ORVErrorMngrTest, SeverityRankingDecidesTheMainError) {
  // Fatal (2) > critical (1) > warning (3) > information (4); 0 and 5 rank as information.
  // An error of the new type replaces the main one only when it ranks higher.
  const int kRank[6] = {1, 3, 4, 2, 1, 1};
  for (int main = 0; main < 6; ++main)
    for (int next = 0; next < 6; ++next) {
      ORVErrorMngr manager;
      manager.DisplayAndKeepError(*Make(main), 1);
      manager.DisplayAndKeepError(*Make(next), 1);
      EXPECT_EQ(MainOf(manager) == _Made.back(), kRank[next] > kRank[main])
          << "main " << main << ", new " << next;
    }
}

TEST_F(ORVErrorMngrTest,
       CodesAndErrorsAreShownKeptAsMainOrForgottenAndTheMainOneIsReturnedAsLastError) {
  ORVErrorMngr manager;
  ORVError *fatal = Make(2), *information = Make(4);
  manager.DisplayAndKeepError(*fatal, 0);
  manager.DisplayAndKeepError(*information, 0);
  manager.DisplayAndKeepError(*information, 1);  // already main: displayed, nothing else
  EXPECT_EQ(manager.GetMainErrorReturnCode(), PEV_E_FAIL);
  // The reference handed out is given back by MainOf: ours and the manager's remain.
  EXPECT_EQ(MainOf(manager), information);
  EXPECT_EQ(std::make_pair(information->GetRefCount(), fatal->GetRefCount()),
            std::make_pair(2ul, 1ul));
  // A zero code only cleans the last error.
  long code = PEVError::GetReturn(PEVReturnError, new ORVError(2), nullptr, __FILE__, __LINE__);
  manager.DisplayAndKeepError(0, 1);
  EXPECT_EQ(LastErrorOf(code), nullptr);
  // Another code is turned into its error, kept as main or only shown (then never main);
  // the last error is forgotten and its reference given back.
  ORVErrorMngr forgetting;
  ORVError* critical = Make(1, -4);
  for (ORVErrorMngr* user : {&manager, &forgetting}) {
    critical->AddRef();
    code = PEVError::GetReturn(PEVReturnError, critical, nullptr, __FILE__, __LINE__);
    user == &manager ? manager.DisplayAndKeepError(code, 1)
                     : forgetting.DisplayAndForgetError(code);
    EXPECT_EQ(LastErrorOf(code), nullptr);
  }
  forgetting.DisplayAndForgetError(*critical);
  forgetting.DisplayAndForgetError(0);
  EXPECT_EQ(_pDisplay->_Displayed, (std::vector<PEVError*>{fatal, information, information,
                                                           critical, critical, critical}));
  EXPECT_EQ(MainOf(manager), critical);
  EXPECT_EQ(forgetting.GetMainErrorReturnCode(), 0);
  EXPECT_EQ(critical->GetRefCount(), 2u);
  // A code without error gives the made-up critical error, kept as main in its place.
  manager.DisplayAndKeepError(PEV_E_FAIL, 0);
  PEVError* made = MainOf(manager);
  EXPECT_TRUE(made && made != critical &&
              made->GetInformationOnErrorType() == PEVErrorTypeCritical);
  EXPECT_EQ(critical->GetRefCount(), 1u);  // the manager's reference was given back
  // Without main error success is returned; set as main error, the same again taking no
  // extra reference, an error is returned as last error.
  EXPECT_EQ(manager.SetMainError(nullptr), 0);
  EXPECT_EQ(manager.ReturnSuccessOrError(), 0);
  ORVError* warning = Make(3, 0x20);
  EXPECT_EQ(manager.SetMainError(warning), 0);
  EXPECT_EQ(manager.SetMainError(warning), 0);  // the same again: no extra reference
  code = manager.ReturnSuccessOrError();
  EXPECT_EQ(code, 0x20);
  EXPECT_EQ(LastErrorOf(code), warning);
  EXPECT_EQ(warning->GetRefCount(), 3u);  // ours, the manager's, the last error's
  EXPECT_EQ(manager.SetMainError(nullptr), 0);
  PEVError::PEVCleanLastError();
  EXPECT_EQ(warning->GetRefCount(), 1u);
  // Destruction releases the main error.
  {
    ORVErrorMngr other;
    other.DisplayAndKeepError(*warning, 1);
    EXPECT_EQ(warning->GetRefCount(), 2u);
  }
  EXPECT_EQ(warning->GetRefCount(), 1u);
}

TEST(ORVErrorDisplayToTerm,
     EachTypeShowsItsLayoutOnTheStreamOfItsSeverityAndLastErrorsAreForgotten) {
  // Critical and fatal errors go to standard error with a marker, dots for missing names,
  // fatal ones with their file and line; warnings and information go to standard output,
  // information without marker, and so does a type outside one to four. Empty parts leave no
  // lines. Texts reach the terminal as UTF-8. A request (null for none) is named ORVBC 0207.
  const std::tuple<int, const char*, const char*, const char*, const char*> kShown[] = {
      {1, "R", "D ≠ €", "A", "out: err: R\n#ERR# ORVBC - 0207: D ≠ €\nA\n\n"},
      {1, nullptr, nullptr, nullptr, "out: err: #ERR# ... - ...\n\n"},
      {2, nullptr, "D", nullptr, "out: err: #ERR# FATAL ERROR ... - ... IN f AT LINE 12: D\n\n"},
      {1, "", "D", nullptr, "out: err: #ERR# ORVBC - 0207: D\n\n"},
      {3, "R", "D", nullptr, "out: R\n!WNG! ORVBC - 0207: D\n\nerr: "},
      {4, nullptr, "D", "A", "out: D\nA\n\nerr: "},
      {4, nullptr, nullptr, nullptr, "out: \nerr: "},
      {0, "R", "D", nullptr, "out: R\nD\n\nerr: "}};
  auto part = [](const char* iText) { return iText ? Text(iText, "ORVBC", "0207") : kNone; };
  for (const auto& [type, request, diagnostic, advice, shown] : kShown) {
    ORVError error("f", 12, part(request), part(diagnostic), part(advice), (PEVErrorType)type,
                   type == 1 ? PEV_E_FAIL : 1);
    EXPECT_EQ(ShownOnTerminal([&](ORVErrorDisplay& ioDisplay) { ioDisplay.Display(error); }),
              shown);
  }
  // A platform error shows its fallback text.
  PEVError plain(0, "NOSUCHCAT", "K1");
  plain.SetInformationOnErrorType(PEVErrorTypeCritical);
  EXPECT_EQ(ShownOnTerminal([&](ORVErrorDisplay& ioDisplay) { ioDisplay.Display(plain); }),
            "out: err: #ERR# NOSUCHCAT - K1: NOSUCHCAT - K1\n\n");
  // The last error of a code is shown and forgotten; zero shows nothing, a code without
  // error its fallback warning.
  std::string shown = ShownOnTerminal([](ORVErrorDisplay& ioDisplay) {
    auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, -3);
    long code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
    ioDisplay.DisplayAndCleanLastError(code);
    if (PEVError::PEVGetLastError(code, nullptr)) printf("still there\n");
    ioDisplay.DisplayAndCleanLastError(0);
    ioDisplay.DisplayAndCleanLastError(2);
  });
  EXPECT_EQ(shown.rfind("out: !WNG! ... - ...: ", 0), 0u) << shown;
  EXPECT_EQ(shown.substr(shown.find("\n\nerr: ")), "\n\nerr: #ERR# ... - ...: D\n\n");
}

TEST(ORVErrorDisplayDeathTest, GlobalIsTheOneSetLastAndForgottenWhenDestroyed) {
  ExpectGlobalIsTheOneSetLast<ORVErrorDisplay, ORVErrorDisplayToISO8859Term>(
      "src/ORVErrorDisplay.cpp");
}
