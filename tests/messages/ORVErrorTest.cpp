// Tests of ORVError: what construction sets, the file name copies, the joined message,
// copies, and turning result codes back into errors.
#include "ORVError.h"

#include <gtest/gtest.h>

#include <string>

#include "ErrorRecord.h"
#include "MessagesTestSupport.h"

namespace {

// Forgets the last error after each test, so that none leaks into the next one.
class ORVErrorTest : public testing::Test {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
};

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

}  // namespace

TEST_F(ORVErrorTest, LongFileNameIsKeptWholeButCutInThePlatformBuffer) {
  std::string longName = "src/" + std::string(200, 'x') + ".cpp";
  ORVError error(longName.c_str(), 1, kNone, kNone, kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  char *buffer = nullptr, *own = nullptr, shortName[] = "src/Other.cpp";
  error.PEVError::GetSourceFileName(&buffer);
  EXPECT_EQ(SourceFileName(error) + " " + buffer, longName + " " + longName.substr(0, 127));
  EXPECT_EQ(error.SetSourceFileName(shortName), 0);
  error.PEVError::GetSourceFileName(&buffer);
  EXPECT_EQ(SourceFileName(error) + " " + buffer, "src/Other.cpp src/Other.cpp");
  // Its own copy given back, then null.
  error.GetSourceFileName(&own);
  error.SetSourceFileName(own);
  EXPECT_EQ(SourceFileName(error), "src/Other.cpp");
  error.SetSourceFileName(nullptr);
  EXPECT_EQ(SourceFileName(error), "");
}

TEST_F(ORVErrorTest, MessageSeparatorsDependOnTheRequestAlone) {
  auto message = [](const ORVNLSMsgBldrRfHndlr& iRequest, const ORVNLSMsgBldrRfHndlr& iDiagnostic,
                    const ORVNLSMsgBldrRfHndlr& iAdvice) {
    return Utf8(ORVError("f", 1, iRequest, iDiagnostic, iAdvice, PEVErrorTypeCritical, PEV_E_FAIL)
                    .GetNLSMessage());
  };
  EXPECT_EQ(message(Text("R"), Text("D"), Text("A")), "R\nD\nA");
  EXPECT_EQ(message(kNone, Text("D"), Text("A")), "DA");
  EXPECT_EQ(message(Text("R"), kNone, Text("A")), "R\nA");
  EXPECT_EQ(message(Text(""), Text("D"), kNone), "D");
}

TEST_F(ORVErrorTest, CloneSharesTheBuildersAndCopiesTheRest) {
  ORVError original("src/A.cpp", 9, Text("R", "ORVBC", "0100"), Text("D"), Text("A"),
                    PEVErrorTypeFatal, 5);
  original.SetMsgCatalog("OTHER");  // the request's names are set again in the copy
  ORVError* clone = original.CloneSelf();
  EXPECT_EQ(clone->GetRefCount(), 1u);
  for (auto builder :
       {&ORVError::GetHRequestBldr, &ORVError::GetHDiagnosticBldr, &ORVError::GetHAdviceBldr})
    EXPECT_EQ((clone->*builder)().Get(), (original.*builder)().Get());
  EXPECT_EQ(Summary(*clone) + " " + std::to_string(clone->GetSourceLineNumber()),
            "5 2 src/A.cpp ORVBC 0100 9");
  char *cloneName = nullptr, *originalName = nullptr;
  clone->GetSourceFileName(&cloneName);
  original.GetSourceFileName(&originalName);
  EXPECT_NE(cloneName, originalName);
  clone->Release();
  // Without request, the names set on the platform error come along.
  ORVError named(4, "CAT", "KEY");
  ORVError* namedClone = named.CloneSelf();
  EXPECT_EQ(Summary(*namedClone) + " " + std::to_string(namedClone->GetId()), "0 0  CAT KEY 4");
  namedClone->Release();
}

TEST_F(ORVErrorTest, CodeWithoutErrorGivesTheFallbackCriticalOrWarning) {
  PEVError* failure = ORVError::GetOrMakeLastError(PEV_E_FAIL);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->GetReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(failure->GetRefCount(), 1u);
  // Described as the last error of a fresh code; the shipped text builds without a
  // fallback marker.
  long code = PEVError::GetReturn(PEVReturnError, failure, nullptr, nullptr, 0);
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVError.cpp; request <none>; diagnostic ORVBC 0100; advice <none>");
  EXPECT_EQ(LastErrorText(code).find("!!!"), std::string::npos);
  PEVError* positive = ORVError::GetOrMakeLastError(1);
  ASSERT_NE(positive, nullptr);
  EXPECT_EQ(Summary(*positive).substr(0, 3), "1 3");  // a warning
  positive->Release();
  // A code the last error was not returned as does not find it.
  auto* error = new ORVError("f", 1, kNone, kNone, kNone, PEVErrorTypeFatal, -5);
  PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
  PEVError* other = ORVError::GetOrMakeLastError(-6);
  EXPECT_NE(other, error);
  EXPECT_EQ(other->GetInformationOnErrorType(), PEVErrorTypeCritical);
  other->Release();
}

TEST_F(ORVErrorTest, ReplacingTheRequestTouchesOnlyAnORVError) {
  auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  long code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(Utf8(error->GetNLSRequest()), "context");
  EXPECT_EQ(error->GetRefCount(), 1u);  // the reference taken from the platform is given back
  auto* plain = new PEVError(3);
  plain->SetReturnCode(-9);
  code = PEVError::GetReturn(PEVReturnError, plain, nullptr, __FILE__, __LINE__);
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(plain->GetRefCount(), 1u);
  ORVError::ReplaceLastErrorRequest(12345, Text("context"));  // no last error: nothing
}
