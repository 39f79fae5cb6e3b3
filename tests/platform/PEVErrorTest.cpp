// Tests of PEVError: result codes, the process-wide last error and its references.
#include "PEVError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class PEVErrorTest : public testing::Test {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
};

PEVError* MakeError(long iCode) {
  auto* error = new PEVError(7);
  error->SetReturnCode(iCode);
  return error;
}

std::string SourceFileName(PEVError& iError) {
  char* name = nullptr;
  EXPECT_EQ(iError.GetSourceFileName(&name), PEV_S_OK);
  return name;
}

}  // namespace

TEST_F(PEVErrorTest, FailureKindMakesTheErrorLastAndHandsItOutWithAReference) {
  // The success kind returns zero without touching the last error.
  EXPECT_EQ(PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__), 0);
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_FAIL, nullptr), nullptr);
  PEVError* error = MakeError(PEV_E_FAIL);
  long code = PEVError::GetReturn(PEVReturnError, error, nullptr, "src/Here.cpp", 12);
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_LT(code, 0);
  EXPECT_EQ(error->GetRefCount(), 1u);
  PEVError* last = PEVError::PEVGetLastError(code, nullptr);
  ASSERT_EQ(last, error);
  EXPECT_EQ(error->GetRefCount(), 2u);
  last->Release();
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_INVALIDARG, nullptr), nullptr);
  EXPECT_EQ(PEVError::PEVGetLastError(0, nullptr), nullptr);
}

TEST_F(PEVErrorTest, CodesAsUnsignedLiteralsZeroOrPositiveStillReadAsFailures) {
  PEVError* error = MakeError((long)0x80004005u);  // positive as a 64-bit long
  EXPECT_EQ(error->GetReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, error, nullptr, nullptr, 0), PEV_E_FAIL);
  PEVError* last = PEVError::PEVGetLastError((long)0x80004005u, nullptr);
  ASSERT_EQ(last, error);
  last->Release();
  // An error carrying zero, or none, still reads as a failure.
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, MakeError(0), nullptr, nullptr, 0), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, nullptr, nullptr, nullptr, 0), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(5, nullptr, nullptr, nullptr, 0), PEV_E_INVALIDARG);
  // A positive code is a failure carrying an error.
  PEVError* help = MakeError(1);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, help, nullptr, nullptr, 0), 1);
  last = PEVError::PEVGetLastError(1, nullptr);
  EXPECT_EQ(last, help);
  if (last) last->Release();
}

TEST_F(PEVErrorTest, TheLastErrorIsReleasedWhenReplacedOrCleanedButNotWhenReturnedAgain) {
  PEVError* first = MakeError(PEV_E_FAIL);
  first->AddRef();  // keep it observable
  PEVError::GetReturn(PEVReturnError, first, nullptr, nullptr, 0);
  EXPECT_EQ(first->GetRefCount(), 2u);
  PEVError* second = MakeError(PEV_E_FAIL);
  PEVError::GetReturn(PEVReturnError, second, nullptr, nullptr, 0);
  EXPECT_EQ(first->GetRefCount(), 1u);
  first->Release();
  second->AddRef();  // what a caller hands over when it returns the same error again
  PEVError::GetReturn(PEVReturnError, second, nullptr, nullptr, 0);
  EXPECT_EQ(second->GetRefCount(), 1u);
  second->AddRef();
  PEVError::PEVCleanLastError();
  EXPECT_EQ(second->GetRefCount(), 1u);
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_FAIL, nullptr), nullptr);
  second->Release();
}

TEST_F(PEVErrorTest, SourceFileKeepsAtMost127CharactersAndGetReturnPlacesOnlyAnUnplacedError) {
  PEVError error;
  error.Setup(std::string(300, 'f').c_str(), 42);
  EXPECT_EQ(SourceFileName(error), std::string(127, 'f'));
  EXPECT_EQ(error.GetSourceLineNumber(), 42);
  error.Setup(nullptr, 0);
  EXPECT_EQ(SourceFileName(error), "");
  PEVError* placed = MakeError(PEV_E_FAIL);
  placed->Setup("src/Made.cpp", 5);
  placed->AddRef();
  PEVError::GetReturn(PEVReturnError, placed, nullptr, "src/Returned.cpp", 9);
  EXPECT_EQ(SourceFileName(*placed), "src/Made.cpp");
  PEVError* unplaced = MakeError(PEV_E_FAIL);
  unplaced->AddRef();
  PEVError::GetReturn(PEVReturnError, unplaced, nullptr, "src/Returned.cpp", 9);
  EXPECT_EQ(SourceFileName(*unplaced), "src/Returned.cpp");
  EXPECT_EQ(unplaced->GetSourceLineNumber(), 9);
  PEVError::PEVCleanLastError();
  placed->Release();
  unplaced->Release();
}

TEST_F(PEVErrorTest, TypeCatalogAndIdentifierAreKeptAndTheTextIsTheCatalogMessage) {
  PEVError bare;
  EXPECT_EQ(bare.GetMsgCatalog(), nullptr);
  EXPECT_EQ(bare.GetMsgId(), nullptr);
  EXPECT_TRUE(bare.GetNLSMessage().IsEmpty());
  EXPECT_EQ(bare.GetInformationOnErrorType(), PEVErrorTypeNone);
  EXPECT_EQ(PEVError::MetaObject()->GetParent(), PEVBaseUnknown::MetaObject());
  setenv("PEV_CATALOG_PATH", ORV_TEST_DATA_DIR "/catalogs", 1);
  PEVError error(3, "TESTCAT", "GREETING");
  EXPECT_EQ(error.GetId(), 3u);
  error.AddMsgParameter("Ann");
  error.AddMsgParameter("Bob");
  EXPECT_EQ(error.GetNLSMessage().ConvertToChar(), PEVString("Hello Ann, this is Bob."));
  PEVError* clone = error.CloneSelf();
  EXPECT_EQ(clone->GetNLSDiagnostic().ConvertToChar(), PEVString("Hello Ann, this is Bob."));
  clone->Release();
  PEVError missing(0, "TESTCAT", "NO_SUCH_KEY");
  EXPECT_EQ(missing.GetNLSMessage().ConvertToChar(), PEVString("TESTCAT - NO_SUCH_KEY"));
  unsetenv("PEV_CATALOG_PATH");
}
