// Tests of PEVError: result codes, the process-wide last error and its references.
#include "PEVError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

// Codes written as unsigned literals (positive as a 64-bit long) still read as failures; so
// do an error carrying zero, or none. A positive code is a failure carrying an error.
TEST(PEVErrorTest, ReturnsMakeFailuresLastAndPlaceThemAndSourceFilesKeepAtMost127Characters) {
  // The success kind returns zero without touching the last error.
  EXPECT_EQ(PEVError::GetReturn(PEVReturnSuccess, nullptr, nullptr, __FILE__, __LINE__), 0);
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_FAIL, nullptr), nullptr);
  PEVError* error = MakeError(PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, error, nullptr, "src/Here.cpp", 12), PEV_E_FAIL);
  EXPECT_EQ(error->GetRefCount(), 1u);
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_FAIL, nullptr), error);
  EXPECT_EQ(error->GetRefCount(), 2u);
  error->Release();
  error = MakeError((long)0x80004005u);
  EXPECT_EQ(error->GetReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, error, nullptr, nullptr, 0), PEV_E_FAIL);
  EXPECT_EQ(PEVError::PEVGetLastError((long)0x80004005u, nullptr), error);
  error->Release();
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, MakeError(0), nullptr, nullptr, 0), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, nullptr, nullptr, nullptr, 0), PEV_E_FAIL);
  EXPECT_EQ(PEVError::GetReturn(5, nullptr, nullptr, nullptr, 0), PEV_E_INVALIDARG);
  PEVError* help = MakeError(1);
  EXPECT_EQ(PEVError::GetReturn(PEVReturnError, help, nullptr, nullptr, 0), 1);
  EXPECT_EQ(PEVError::PEVGetLastError(1, nullptr), help);
  help->Release();
  // The last error is released when replaced or cleaned, but not when returned again.
  PEVError* first = MakeError(PEV_E_FAIL);
  first->AddRef();  // keep it observable
  PEVError::GetReturn(PEVReturnError, first, nullptr, nullptr, 0);
  PEVError* second = MakeError(PEV_E_FAIL);
  PEVError::GetReturn(PEVReturnError, second, nullptr, nullptr, 0);
  EXPECT_EQ(first->Release(), 0u);
  second->AddRef();  // what a caller hands over when it returns the same error again
  PEVError::GetReturn(PEVReturnError, second, nullptr, nullptr, 0);
  EXPECT_EQ(second->GetRefCount(), 1u);
  second->AddRef();
  PEVError::PEVCleanLastError();
  EXPECT_EQ(second->GetRefCount(), 1u);
  EXPECT_EQ(PEVError::PEVGetLastError(PEV_E_FAIL, nullptr), nullptr);
  second->Release();
  // A source file keeps at most 127 characters; GetReturn places only an unplaced error.
  PEVError bare;
  bare.Setup(std::string(300, 'f').c_str(), 42);
  EXPECT_EQ(SourceFileName(bare), std::string(127, 'f'));
  bare.Setup(nullptr, 0);
  EXPECT_EQ(SourceFileName(bare), "");
  PEVError* placed = MakeError(PEV_E_FAIL);
  placed->Setup("src/Made.cpp", 5);
  PEVError::GetReturn(PEVReturnError, placed, nullptr, "src/Returned.cpp", 9);
  EXPECT_EQ(SourceFileName(*placed), "src/Made.cpp");
  PEVError* unplaced = MakeError(PEV_E_FAIL);
  PEVError::GetReturn(PEVReturnError, unplaced, nullptr, "src/Returned.cpp", 9);
  EXPECT_EQ(SourceFileName(*unplaced) + ":" + std::to_string(unplaced->GetSourceLineNumber()),
            "src/Returned.cpp:9");
  PEVError::PEVCleanLastError();
}

}  // namespace
