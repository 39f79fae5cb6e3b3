// Tests of the error displays: the terminal text of each error type byte for byte, on
// the stream of its severity, and the global display.
#include "ORVErrorDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "MessagesTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVNLSMsgBldrFromString.h"
#include "ORVParamNLSMsgBldrCtlg.h"

namespace {

ORVNLSMsgBldrRfHndlr Text(const char* iText, const char* iCatalog = "CAT",
                          const char* iKey = "KEY") {
  ORVNLSMsgBldrRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVNLSMsgBldrFromString(iText, iCatalog, iKey));
  return builder;
}

const ORVNLSMsgBldrRfHndlr kNone;

// What a terminal shows for iError: standard output and standard error of a child.
ChildResult ShowOnTerminal(const std::function<ORVError*()>& iMake) {
  return RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    auto* display = new ORVErrorDisplayToISO8859Term();
    ORVGlobalObjectCleaner::Add(display);
    ORVErrorDisplay::SetGlobal(*display);
    ORVError* error = iMake();
    ORVErrorDisplay::GetGlobal()->Display(*error);
    error->Release();
  });
}

std::string BuildText(PEVError& iError) {
  ORVErrorDisplayToISO8859Term display;
  PEVUnicodeString text;
  display.BuildMsgTxt(iError, text);
  return Utf8(text);
}

}  // namespace

TEST(ORVErrorDisplayToTerm, CriticalErrorWithRequestShowsFourLinesOnStandardError) {
  ChildResult child = ShowOnTerminal([] {
    return new ORVError("src/X.cpp", 3, Text("R", "ORVBC", "0207"), Text("D"), Text("A"),
                        PEVErrorTypeCritical, PEV_E_FAIL);
  });
  EXPECT_EQ(child._ExitStatus, 0);
  EXPECT_EQ(child._Stderr, "R\n#ERR# ORVBC - 0207: D\nA\n\n");
  EXPECT_EQ(child._Stdout, "");
}

TEST(ORVErrorDisplayToTerm, CriticalErrorWithoutAnythingShowsDotsForTheNames) {
  ChildResult child = ShowOnTerminal([] {
    return new ORVError(nullptr, 0, kNone, kNone, kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  });
  EXPECT_EQ(child._Stderr, "#ERR# ... - ...\n\n");
  EXPECT_EQ(child._Stdout, "");
}

TEST(ORVErrorDisplayToTerm, FatalErrorNamesFileAndLine) {
  ChildResult child = ShowOnTerminal([] {
    auto* error = new ORVError("f", 12, kNone, Text("D"), kNone, PEVErrorTypeFatal, PEV_E_FAIL);
    error->SetMsgCatalog("CAT");
    error->SetMsgId("KEY");
    return error;
  });
  EXPECT_EQ(child._Stderr, "#ERR# FATAL ERROR CAT - KEY IN f AT LINE 12: D\n\n");
  EXPECT_EQ(child._Stdout, "");
}

TEST(ORVErrorDisplayToTerm, WarningGoesToStandardOutput) {
  ChildResult child = ShowOnTerminal([] {
    return new ORVError("f", 1, Text("R", "ORVBC", "0100"), Text("D"), kNone, PEVErrorTypeWarning,
                        1);
  });
  EXPECT_EQ(child._Stdout, "R\n!WNG! ORVBC - 0100: D\n\n");
  EXPECT_EQ(child._Stderr, "");
}

TEST(ORVErrorDisplayToTerm, InformationHasNoMarkerAndGoesToStandardOutput) {
  ChildResult child = ShowOnTerminal(
      [] { return new ORVError("f", 1, kNone, Text("D"), Text("A"), PEVErrorTypeInformation, 1); });
  EXPECT_EQ(child._Stdout, "D\nA\n\n");
  EXPECT_EQ(child._Stderr, "");
}

TEST(ORVErrorDisplayToTerm, TypesOutsideOneToFourShowAsInformation) {
  for (int type : {0, 5}) {
    ChildResult child = ShowOnTerminal([type] {
      return new ORVError("f", 1, Text("R"), Text("D"), kNone, (PEVErrorType)type, 1);
    });
    EXPECT_EQ(child._Stdout, "R\nD\n\n") << type;
    EXPECT_EQ(child._Stderr, "") << type;
  }
}

TEST(ORVErrorDisplayToTerm, EmptyPartsLeaveNoLines) {
  ORVError adviceOnly("f", 1, kNone, kNone, Text("A"), PEVErrorTypeWarning, 1);
  EXPECT_EQ(BuildText(adviceOnly), "!WNG! ... - ...\nA\n\n");
  ORVError nothing("f", 1, kNone, kNone, kNone, PEVErrorTypeInformation, 1);
  EXPECT_EQ(BuildText(nothing), "\n");
  ORVError emptyRequest("f", 1, Text(""), Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(BuildText(emptyRequest), "#ERR# CAT - KEY: D\n\n");
}

TEST(ORVErrorDisplayToTerm, PlatformErrorShowsItsCatalogFallback) {
  PEVError plain(0, "NOSUCHCAT", "K1");
  plain.SetInformationOnErrorType(PEVErrorTypeCritical);
  EXPECT_EQ(BuildText(plain), "#ERR# NOSUCHCAT - K1: NOSUCHCAT - K1\n\n");
}

TEST(ORVErrorDisplayToTerm, CatalogTextsReachTheTerminalAsUtf8) {
  ChildResult child = RunInChild(
      [] {
        ORVGlobalObjectCleaner cleaner;
        ORVErrorDisplayToISO8859Term display;
        ORVParamNLSMsgBldrCtlgRfHndlr diagnostic;
        diagnostic.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg("BLDRTEST", "ACCENT", nullptr));
        diagnostic->AddNewParameter("ø");
        ORVError error("f", 1, kNone, diagnostic, kNone, PEVErrorTypeCritical, PEV_E_FAIL);
        display.Display(error);
      },
      {{"PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs"}});
  EXPECT_EQ(child._Stderr, "#ERR# ... - ...: Déjà vu: ø ≠ €\n\n");
}

TEST(ORVErrorDisplay, DisplayAndCleanLastErrorShowsTheErrorOfTheCodeAndForgetsIt) {
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVErrorDisplayToISO8859Term display;
    auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, -3);
    long code = PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
    display.DisplayAndCleanLastError(code);
    if (PEVError::PEVGetLastError(code, nullptr)) printf("still there\n");
    display.DisplayAndCleanLastError(0);  // nothing to show
    display.DisplayAndCleanLastError(2);  // no error behind it: the fallback warning
  });
  EXPECT_EQ(child._Stderr, "#ERR# ... - ...: D\n\n");
  EXPECT_EQ(child._Stdout.rfind("!WNG! ... - ...: ", 0), 0u) << child._Stdout;
  EXPECT_EQ(child._Stdout.find("still there"), std::string::npos);
}

TEST(ORVErrorDisplayDeathTest, GlobalIsTheOneSetLastAndForgottenWhenDestroyed) {
  auto* first = new ORVErrorDisplayToISO8859Term();
  auto* second = new ORVErrorDisplayToISO8859Term();
  ORVErrorDisplay::SetGlobal(*first);
  ORVErrorDisplay::SetGlobal(*second);
  EXPECT_EQ(ORVErrorDisplay::GetGlobal(), second);
  EXPECT_EQ(first->GetRefCount(), 1u);
  first->Release();
  EXPECT_EQ(ORVErrorDisplay::GetGlobal(), second);
  second->Release();
  ExpectFatal([] { ORVErrorDisplay::GetGlobal(); },
              "A global object displayer should have been set", "src/ORVErrorDisplay.cpp");
}
