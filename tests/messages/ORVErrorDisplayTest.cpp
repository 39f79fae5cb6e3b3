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
std::string ShownOnTerminal(PEVError& iError) {
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

}  // namespace

TEST(ORVErrorDisplayToTerm, EachTypeShowsItsLayoutOnTheStreamOfItsSeverity) {
  // Critical and fatal errors go to standard error with a marker, dots for missing names;
  // warnings and information go to standard output, information without marker, and so
  // do the types outside one to four. Empty parts leave no lines. Texts reach the
  // terminal as UTF-8. A request (null for none) is named ORVBC 0207.
  const std::tuple<int, const char*, const char*, const char*, const char*> kShown[] = {
      {1, "R", "D ≠ €", "A", "out: err: R\n#ERR# ORVBC - 0207: D ≠ €\nA\n\n"},
      {1, nullptr, nullptr, nullptr, "out: err: #ERR# ... - ...\n\n"},
      {1, "", "D", nullptr, "out: err: #ERR# ORVBC - 0207: D\n\n"},
      {3, "R", "D", nullptr, "out: R\n!WNG! ORVBC - 0207: D\n\nerr: "},
      {3, nullptr, nullptr, "A", "out: !WNG! ... - ...\nA\n\nerr: "},
      {4, nullptr, "D", "A", "out: D\nA\n\nerr: "},
      {4, nullptr, nullptr, nullptr, "out: \nerr: "},
      {0, "R", "D", nullptr, "out: R\nD\n\nerr: "},
      {5, "R", "D", nullptr, "out: R\nD\n\nerr: "}};
  auto part = [](const char* iText) { return iText ? Text(iText, "ORVBC", "0207") : kNone; };
  for (const auto& [type, request, diagnostic, advice, shown] : kShown) {
    ORVError error(nullptr, 0, part(request), part(diagnostic), part(advice), (PEVErrorType)type,
                   type == 1 ? PEV_E_FAIL : 1);
    EXPECT_EQ(ShownOnTerminal(error), shown);
  }
  ORVError fatal("f", 12, kNone, Text("D"), kNone, PEVErrorTypeFatal, PEV_E_FAIL);
  fatal.SetMsgCatalog("CAT");
  fatal.SetMsgId("KEY");
  EXPECT_EQ(ShownOnTerminal(fatal), "out: err: #ERR# FATAL ERROR CAT - KEY IN f AT LINE 12: D\n\n");
  // A platform error shows its fallback text.
  PEVError plain(0, "NOSUCHCAT", "K1");
  plain.SetInformationOnErrorType(PEVErrorTypeCritical);
  EXPECT_EQ(ShownOnTerminal(plain), "out: err: #ERR# NOSUCHCAT - K1: NOSUCHCAT - K1\n\n");
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
