// Tests of the error displays: the terminal text of each error type byte for byte, on
// the stream of its severity, and the global display.
#include "ORVErrorDisplay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ChildProcess.h"
#include "MessagesTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"

namespace {

// What a terminal shows for iError through the global display: standard output, then
// standard error, of a child that ends normally.
std::string ShownOnTerminal(ORVError& iError) {
  ChildResult child = RunInChild([&] {
    ORVGlobalObjectCleaner cleaner;
    auto* display = new ORVErrorDisplayToISO8859Term();
    ORVGlobalObjectCleaner::Add(display);
    ORVErrorDisplay::SetGlobal(*display);
    ORVErrorDisplay::GetGlobal()->Display(iError);
  });
  EXPECT_EQ(child._ExitStatus, 0);
  return "out: " + child._Stdout + "err: " + child._Stderr;
}

std::string BuildText(PEVError& iError) {
  ORVErrorDisplayToISO8859Term display;
  PEVUnicodeString text;
  display.BuildMsgTxt(iError, text);
  return Utf8(text);
}

}  // namespace

TEST(ORVErrorDisplayToTerm, EachTypeShowsItsLayoutOnTheStreamOfItsSeverity) {
  // Critical and fatal errors go to standard error with a marker, dots for missing names.
  // Texts reach the terminal as UTF-8.
  ORVError critical("src/X.cpp", 3, Text("R", "ORVBC", "0207"), Text("D ≠ €"), Text("A"),
                    PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(ShownOnTerminal(critical), "out: err: R\n#ERR# ORVBC - 0207: D ≠ €\nA\n\n");
  ORVError bare(nullptr, 0, kNone, kNone, kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(ShownOnTerminal(bare), "out: err: #ERR# ... - ...\n\n");
  ORVError fatal("f", 12, kNone, Text("D"), kNone, PEVErrorTypeFatal, PEV_E_FAIL);
  fatal.SetMsgCatalog("CAT");
  fatal.SetMsgId("KEY");
  EXPECT_EQ(ShownOnTerminal(fatal), "out: err: #ERR# FATAL ERROR CAT - KEY IN f AT LINE 12: D\n\n");
  // Warnings and information go to standard output, information without marker, and so
  // do the types outside one to four.
  ORVError warning("f", 1, Text("R", "ORVBC", "0100"), Text("D"), kNone, PEVErrorTypeWarning, 1);
  EXPECT_EQ(ShownOnTerminal(warning), "out: R\n!WNG! ORVBC - 0100: D\n\nerr: ");
  ORVError information("f", 1, kNone, Text("D"), Text("A"), PEVErrorTypeInformation, 1);
  EXPECT_EQ(ShownOnTerminal(information), "out: D\nA\n\nerr: ");
  for (int type : {0, 5}) {
    ORVError other("f", 1, Text("R"), Text("D"), kNone, (PEVErrorType)type, 1);
    EXPECT_EQ(ShownOnTerminal(other), "out: R\nD\n\nerr: ") << type;
  }
}

TEST(ORVErrorDisplayToTerm, EmptyPartsLeaveNoLinesAndPlatformErrorsShowTheirFallback) {
  ORVError adviceOnly("f", 1, kNone, kNone, Text("A"), PEVErrorTypeWarning, 1);
  EXPECT_EQ(BuildText(adviceOnly), "!WNG! ... - ...\nA\n\n");
  ORVError nothing("f", 1, kNone, kNone, kNone, PEVErrorTypeInformation, 1);
  EXPECT_EQ(BuildText(nothing), "\n");
  ORVError emptyRequest("f", 1, Text(""), Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(BuildText(emptyRequest), "#ERR# CAT - KEY: D\n\n");
  PEVError plain(0, "NOSUCHCAT", "K1");
  plain.SetInformationOnErrorType(PEVErrorTypeCritical);
  EXPECT_EQ(BuildText(plain), "#ERR# NOSUCHCAT - K1: NOSUCHCAT - K1\n\n");
}

TEST(ORVErrorDisplay, DisplayAndCleanLastErrorShowsTheErrorOfTheCodeAndForgetsIt) {
  ChildResult child = RunInChild([] {
    ORVGlobalObjectCleaner cleaner;
    ORVErrorDisplayToISO8859Term display;
    auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, -3);
    long code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
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
  ExpectGlobalIsTheOneSetLast<ORVErrorDisplay, ORVErrorDisplayToISO8859Term>(
      "src/ORVErrorDisplay.cpp");
}
