// Tests of ORVError: what construction sets, the file name copies, the joined message,
// copies, and turning result codes back into errors.
#include "ORVError.h"

#include <gtest/gtest.h>

#include <string>

#include "MessagesTestSupport.h"
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

// Forgets the last error after each test, so that none leaks into the next one.
class ORVErrorTest : public testing::Test {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
};

std::string SourceFileName(ORVError& iError) {
  char* name = nullptr;
  EXPECT_EQ(iError.GetSourceFileName(&name), 0);
  return name ? name : "<null>";
}

}  // namespace

TEST_F(ORVErrorTest, ConstructionSetsEveryMember) {
  ORVNLSMsgBldrRfHndlr request = Text("req", "ORVBC", "0207");
  // A code written as an unsigned 32-bit value is taken as the failure it stands for.
  ORVError error("src/Maker.cpp", 42, request, Text("diag"), Text("adv"), PEVErrorTypeCritical,
                 (long)0x80004005u);
  EXPECT_EQ(error.GetReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(error.GetInformationOnErrorType(), PEVErrorTypeCritical);
  EXPECT_EQ(SourceFileName(error), "src/Maker.cpp");
  EXPECT_EQ(error.GetSourceLineNumber(), 42);
  EXPECT_STREQ(error.GetMsgCatalog(), "ORVBC");
  EXPECT_STREQ(error.GetMsgId(), "0207");
  EXPECT_EQ(error.GetHRequestBldr().Get(), request.Get());
  EXPECT_EQ(Utf8(error.GetNLSRequest()), "req");
  EXPECT_EQ(Utf8(error.GetNLSDiagnostic()), "diag");
  EXPECT_EQ(Utf8(error.GetNLSAdvice()), "adv");
  EXPECT_EQ(error.GetId(), 0u);
  EXPECT_TRUE(error.IsAKindOf("PEVError"));
  EXPECT_EQ(ORVError::MetaObject()->GetParent(), PEVError::MetaObject());
}

TEST_F(ORVErrorTest, WithoutRequestNoCatalogIsSetAndTextsAreEmpty) {
  ORVError error(nullptr, 0, kNone, kNone, kNone, PEVErrorTypeWarning, 7);
  EXPECT_EQ(error.GetMsgCatalog(), nullptr);
  EXPECT_EQ(error.GetMsgId(), nullptr);
  EXPECT_EQ(SourceFileName(error), "");
  EXPECT_TRUE(error.GetNLSRequest().IsEmpty());
  EXPECT_TRUE(error.GetNLSDiagnostic().IsEmpty());
  EXPECT_TRUE(error.GetNLSMessage().IsEmpty());
}

TEST_F(ORVErrorTest, PlatformConstructorsLeaveTheBuildersEmpty) {
  ORVError plain(12);
  EXPECT_EQ(plain.GetId(), 12u);
  EXPECT_FALSE(plain.GetHDiagnosticBldr());
  EXPECT_EQ(SourceFileName(plain), "");
  ORVError named(13, "CAT", "KEY");
  EXPECT_STREQ(named.GetMsgCatalog(), "CAT");
  EXPECT_STREQ(named.GetMsgId(), "KEY");
  EXPECT_TRUE(named.GetNLSDiagnostic().IsEmpty());
}

TEST_F(ORVErrorTest, LongFileNameIsKeptWholeButCutInThePlatformBuffer) {
  std::string longName = "src/" + std::string(200, 'x') + ".cpp";
  ORVError error(longName.c_str(), 1, kNone, kNone, kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(SourceFileName(error), longName);
  char* buffer = nullptr;
  error.PEVError::GetSourceFileName(&buffer);
  EXPECT_EQ(std::string(buffer), longName.substr(0, 127));

  char shortName[] = "src/Other.cpp";
  EXPECT_EQ(error.SetSourceFileName(shortName), 0);
  EXPECT_EQ(SourceFileName(error), "src/Other.cpp");
  error.PEVError::GetSourceFileName(&buffer);
  EXPECT_STREQ(buffer, "src/Other.cpp");

  // Its own copy given back, then null.
  char* own = nullptr;
  error.GetSourceFileName(&own);
  error.SetSourceFileName(own);
  EXPECT_EQ(SourceFileName(error), "src/Other.cpp");
  error.SetSourceFileName(nullptr);
  EXPECT_EQ(SourceFileName(error), "");
}

TEST_F(ORVErrorTest, MessageSeparatorsDependOnTheRequestAlone) {
  ORVError all("f", 1, Text("R"), Text("D"), Text("A"), PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(Utf8(all.GetNLSMessage()), "R\nD\nA");
  ORVError noRequest("f", 1, kNone, Text("D"), Text("A"), PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(Utf8(noRequest.GetNLSMessage()), "DA");
  ORVError requestAndAdvice("f", 1, Text("R"), kNone, Text("A"), PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(Utf8(requestAndAdvice.GetNLSMessage()), "R\nA");
  ORVError emptyRequest("f", 1, Text(""), Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  EXPECT_EQ(Utf8(emptyRequest.GetNLSMessage()), "D");
}

TEST_F(ORVErrorTest, CloneSharesTheBuildersAndCopiesTheRest) {
  ORVError original("src/A.cpp", 9, Text("R", "ORVBC", "0100"), Text("D"), Text("A"),
                    PEVErrorTypeFatal, 5);
  original.SetMsgCatalog("OTHER");  // the request's names are set again in the copy
  ORVError* clone = original.CloneSelf();
  EXPECT_EQ(clone->GetRefCount(), 1u);
  EXPECT_EQ(clone->GetHRequestBldr().Get(), original.GetHRequestBldr().Get());
  EXPECT_EQ(clone->GetHDiagnosticBldr().Get(), original.GetHDiagnosticBldr().Get());
  EXPECT_EQ(clone->GetHAdviceBldr().Get(), original.GetHAdviceBldr().Get());
  EXPECT_EQ(clone->GetInformationOnErrorType(), PEVErrorTypeFatal);
  EXPECT_EQ(clone->GetReturnCode(), 5);
  EXPECT_EQ(clone->GetSourceLineNumber(), 9);
  EXPECT_STREQ(clone->GetMsgCatalog(), "ORVBC");  // set again from the request
  EXPECT_STREQ(clone->GetMsgId(), "0100");
  char* cloneName = nullptr;
  char* originalName = nullptr;
  clone->GetSourceFileName(&cloneName);
  original.GetSourceFileName(&originalName);
  EXPECT_STREQ(cloneName, "src/A.cpp");
  EXPECT_NE(cloneName, originalName);
  clone->Release();

  // Without request, the names set on the platform error come along.
  ORVError named(4, "CAT", "KEY");
  ORVError* namedClone = named.CloneSelf();
  EXPECT_STREQ(namedClone->GetMsgCatalog(), "CAT");
  EXPECT_STREQ(namedClone->GetMsgId(), "KEY");
  EXPECT_EQ(namedClone->GetId(), 4u);
  namedClone->Release();
}

TEST_F(ORVErrorTest, LastErrorOfItsCodeIsHandedOutWithAReference) {
  auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  long code = PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
  EXPECT_EQ(code, PEV_E_FAIL);
  PEVError* found = ORVError::GetOrMakeLastError(code);
  EXPECT_EQ(found, error);
  EXPECT_EQ(error->GetRefCount(), 2u);
  found->Release();
  EXPECT_EQ(ORVError::GetOrMakeLastError(0), nullptr);
}

TEST_F(ORVErrorTest, CodeWithoutErrorGivesTheFallbackCriticalOrWarning) {
  PEVError::PEVCleanLastError();
  PEVError* failure = ORVError::GetOrMakeLastError(PEV_E_FAIL);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->GetInformationOnErrorType(), PEVErrorTypeCritical);
  EXPECT_EQ(failure->GetReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(failure->GetRefCount(), 1u);
  auto* made = ORVCheckedCast<ORVError>(failure);
  EXPECT_FALSE(made->GetHRequestBldr());
  EXPECT_FALSE(made->GetHAdviceBldr());
  ASSERT_TRUE(made->GetHDiagnosticBldr());
  EXPECT_STREQ(made->GetHDiagnosticBldr()->GetMsgCatalogName(), "ORVBC");
  EXPECT_STREQ(made->GetHDiagnosticBldr()->GetMsgId(), "0100");
  EXPECT_TRUE(made->GetHDiagnosticBldr()->IsAKindOf("ORVParamNLSMsgBldrCtlg"));
  EXPECT_EQ(SourceFileName(*made), "src/ORVError.cpp");
  // The shipped text builds without a fallback marker.
  EXPECT_EQ(Utf8(made->GetNLSDiagnostic()).find("!!!"), std::string::npos);
  failure->Release();

  PEVError* positive = ORVError::GetOrMakeLastError(1);
  ASSERT_NE(positive, nullptr);
  EXPECT_EQ(positive->GetInformationOnErrorType(), PEVErrorTypeWarning);
  EXPECT_EQ(positive->GetReturnCode(), 1);
  positive->Release();

  // A code the last error was not returned as does not find it.
  auto* error = new ORVError("f", 1, kNone, kNone, kNone, PEVErrorTypeFatal, -5);
  PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
  PEVError* other = ORVError::GetOrMakeLastError(-6);
  EXPECT_NE(other, error);
  EXPECT_EQ(other->GetInformationOnErrorType(), PEVErrorTypeCritical);
  other->Release();
}

TEST_F(ORVErrorTest, ReplacingTheRequestTouchesOnlyAnORVError) {
  auto* error = new ORVError("f", 1, kNone, Text("D"), kNone, PEVErrorTypeCritical, PEV_E_FAIL);
  long code = PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(Utf8(error->GetNLSRequest()), "context");
  EXPECT_EQ(error->GetRefCount(), 1u);  // the reference taken from the platform is given back

  auto* plain = new PEVError(3);
  plain->SetReturnCode(-9);
  code = PEVError::GetReturn(2, plain, nullptr, __FILE__, __LINE__);
  ORVError::ReplaceLastErrorRequest(code, Text("context"));
  EXPECT_EQ(plain->GetRefCount(), 1u);
  ORVError::ReplaceLastErrorRequest(12345, Text("context"));  // no last error: nothing
}
