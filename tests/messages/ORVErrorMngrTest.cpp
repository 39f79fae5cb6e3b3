// Tests of ORVErrorMngr: the severity ranking that picks the main error, the displays
// it makes, references and the last error it forgets.
#include "ORVErrorMngr.h"

#include <gtest/gtest.h>

#include <vector>

#include "MessagesTestSupport.h"
#include "ORVError.h"
#include "ORVErrorDisplay.h"

namespace {

// Records the errors it is given.
class ORVTestRecordingErrorDisplay : public ORVErrorDisplay {
public:
  void Display(PEVError& iError) override { _Displayed.push_back(&iError); }
  std::vector<PEVError*> _Displayed;
};

// The errors a test makes are released after it, with the display and the last error.
class ORVErrorMngrTest : public testing::Test {
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

}  // namespace

TEST_F(ORVErrorMngrTest, SeverityRankingDecidesTheMainError) {
  // Fatal (2) > critical (1) > warning (3) > information (4); 0 and 5 rank as information.
  // An error of the new type replaces the main one only when it ranks higher.
  const int kRank[6] = {1, 3, 4, 2, 1, 1};
  for (int main = 0; main < 6; ++main) {
    for (int next = 0; next < 6; ++next) {
      ORVErrorMngr manager;
      manager.DisplayAndKeepError(*Make(main), 1);
      manager.DisplayAndKeepError(*Make(next), 1);
      EXPECT_EQ(MainOf(manager) == _Made.back(), kRank[next] > kRank[main])
          << "main " << main << ", new " << next;
    }
  }
}

TEST_F(ORVErrorMngrTest, WithoutComparisonTheLastDisplayedBecomesMainAndZeroOnlyCleans) {
  ORVErrorMngr manager;
  ORVError *fatal = Make(2), *information = Make(4);
  manager.DisplayAndKeepError(*fatal, 0);
  manager.DisplayAndKeepError(*information, 0);
  manager.DisplayAndKeepError(*information, 1);  // already main: displayed, nothing else
  EXPECT_EQ(_pDisplay->_Displayed, (std::vector<PEVError*>{fatal, information, information}));
  EXPECT_EQ(manager.GetMainErrorReturnCode(), PEV_E_FAIL);
  PEVError* main = nullptr;
  EXPECT_EQ(manager.GetMainError(main), 0);
  EXPECT_EQ(main, information);
  EXPECT_EQ(main->GetRefCount(), 3u);  // ours, the manager's, the one handed out
  main->Release();
  EXPECT_EQ(fatal->GetRefCount(), 1u);
  // A zero code only cleans the last error.
  long code = PEVError::GetReturn(PEVReturnError, new ORVError(2), nullptr, __FILE__, __LINE__);
  manager.DisplayAndKeepError(0, 1);
  EXPECT_EQ(_pDisplay->_Displayed.size(), 3u);
  EXPECT_EQ(PEVError::PEVGetLastError(code, nullptr), nullptr);
  EXPECT_EQ(MainOf(manager), information);
}

TEST_F(ORVErrorMngrTest, CodesAreTurnedIntoErrorsAndTheLastErrorForgotten) {
  ORVErrorMngr manager;
  ORVError* error = Make(1, -4);
  error->AddRef();
  long code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
  manager.DisplayAndKeepError(code, 1);
  EXPECT_EQ(_pDisplay->_Displayed, std::vector<PEVError*>{error});
  EXPECT_EQ(PEVError::PEVGetLastError(code, nullptr), nullptr);
  EXPECT_EQ(manager.GetMainErrorReturnCode(), -4);
  // A code without error gives the made-up critical error; compared or not, it is kept.
  manager.DisplayAndKeepError(PEV_E_FAIL, 0);
  ASSERT_EQ(_pDisplay->_Displayed.size(), 2u);
  EXPECT_NE(_pDisplay->_Displayed[1], error);
  EXPECT_EQ(manager.GetMainErrorReturnCode(), PEV_E_FAIL);
  EXPECT_EQ(error->GetRefCount(), 1u);
  // Forgotten errors are displayed but never main.
  ORVErrorMngr forgetting;
  error->AddRef();
  code = PEVError::GetReturn(PEVReturnError, error, nullptr, __FILE__, __LINE__);
  forgetting.DisplayAndForgetError(code);
  forgetting.DisplayAndForgetError(*error);
  forgetting.DisplayAndForgetError(0);
  EXPECT_EQ(_pDisplay->_Displayed.size(), 4u);
  EXPECT_EQ(_pDisplay->_Displayed[3], error);
  EXPECT_EQ(PEVError::PEVGetLastError(code, nullptr), nullptr);
  EXPECT_EQ(forgetting.GetMainErrorReturnCode(), 0);
  EXPECT_EQ(error->GetRefCount(), 1u);
}

TEST_F(ORVErrorMngrTest, ReturnSuccessOrErrorGivesTheMainErrorAsLastError) {
  ORVErrorMngr manager;
  EXPECT_EQ(manager.ReturnSuccessOrError(), 0);
  ORVError* warning = Make(3, 0x20);
  EXPECT_EQ(manager.SetMainError(warning), 0);
  EXPECT_EQ(manager.SetMainError(warning), 0);  // the same again: no extra reference
  EXPECT_EQ(warning->GetRefCount(), 2u);
  long code = manager.ReturnSuccessOrError();
  EXPECT_EQ(code, 0x20);
  PEVError* last = PEVError::PEVGetLastError(code, nullptr);
  EXPECT_EQ(last, warning);
  last->Release();
  EXPECT_EQ(warning->GetRefCount(), 3u);  // ours, the manager's, the last error's
  EXPECT_EQ(manager.SetMainError(nullptr), 0);
  EXPECT_EQ(manager.GetMainErrorReturnCode(), 0);
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
