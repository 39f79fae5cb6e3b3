// Tests of the object managers on a model of objects that reference each other across
// families: where each object ends, cycles and million-long chains, batches completed
// in turn, failures part-way, and the fatal misuses.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "ORVIterator.h"
#include "ORVMappedCode.h"
#include "ORVObjAndRefObjMngr.h"
#include "ORVObjAndRefObjMngrGroup.h"
#include "ORVObjAndRefObjProcessor.h"
#include "SuiteHelpers.h"

// The model's classes live outside the unnamed namespace: their meta-objects define
// members that only a registered class uses.

// An object of family _Family; mode as the processor tells it; complete or not as
// AnalyzeObj finds it; AnalyzeObj answers _Result.
struct ORVTestNode : public PEVBaseUnknown {
  ORVTestNode(int iFamily, int iMode, bool iComplete)
      : _Family(iFamily), _Mode(iMode), _Complete(iComplete) {}
  int _Family, _Mode, _Analyzed = 0;
  bool _Complete;
  long _Result = 0;
  std::vector<ORVTestNode*> _References;
};

class ORVTestMngr;
std::vector<ORVTestMngr*> _Managers;

class ORVTestProcessor : public ORVObjAndRefObjProcessor {
  ORV_META_OBJECT(ORVTestProcessor)

public:
  long Initialize() override { return _InitializeResult; }
  int GetTreatmentMode(PEVBaseUnknown& iObj) override {
    return static_cast<ORVTestNode&>(iObj)._Mode;
  }
  long CompleteObjects() override {
    ++_Completions;
    ORVIterator* iterator = _pMngr->GetObjToCompleteSet().MakeIterator(nullptr);
    while (auto* node = _Completes ? static_cast<ORVTestNode*>(iterator->Next()) : nullptr) {
      node->_Mode = 1;
      node->_Complete = true;
    }
    iterator->Release();
    return 0;
  }
  void AttachMngr(ORVObjAndRefObjMngr&) override { _Log += "attach "; }
  void DetachMngr(ORVObjAndRefObjMngr&) override { _Log += "detach "; }

  long _InitializeResult = 0;
  bool _Completes = true;  // whether CompleteObjects makes the pending objects complete
  int _Completions = 0;
  std::string _Log;  // the attachments and detachments
  ORVObjAndRefObjMngr* _pMngr = nullptr;
};
ORV_META_OBJECT_DEFINE(ORVTestProcessor, ORVObjAndRefObjProcessor)

class ORVTestMngr : public ORVObjAndRefObjMngr {
  ORV_META_OBJECT(ORVTestMngr)

public:
  const ORVMappedCode& GetFamily() const override { return _Family; }
  long AnalyzeObj(PEVBaseUnknown& iObj, unsigned int& oIsCompleted) override {
    ORVTestNode& node = static_cast<ORVTestNode&>(iObj);
    ++node._Analyzed;
    if (!node._Complete) oIsCompleted = 0;
    return node._Result;
  }
  long AddRefObjOf(PEVBaseUnknown& iObj) override {
    for (ORVTestNode* reference : static_cast<ORVTestNode&>(iObj)._References)
      if (long result = _Managers[reference->_Family]->AddObjAndRefObj(*reference)) return result;
    return 0;
  }
  ORVMappedCode _Family{"NODE"};
};
ORV_META_OBJECT_DEFINE(ORVTestMngr, ORVObjAndRefObjMngr)

class ORVTestGroup : public ORVObjAndRefObjMngrGroup {
  ORV_META_OBJECT(ORVTestGroup)

public:
  ORVContainer& GetMngrs() override { return _Mngrs; }
  long TreatObjects() override { return 0; }
  ORVVector _Mngrs{ORVDoNothingAtDelete, 4};
};
ORV_META_OBJECT_DEFINE(ORVTestGroup, ORVObjAndRefObjMngrGroup)

namespace {

class ORVObjAndRefObjMngrTest : public testing::Test {
protected:
  void SetUp() override {
    _Managers = {&_First, &_Second};
    for (int i = 0; i < 2; ++i) {
      _Processors[i]._pMngr = _Managers[i];
      _Managers[i]->SetProcessor(_Processors[i]);
      _Group._Mngrs.Add(_Managers[i], ORVDoNotNotify);
    }
    ASSERT_EQ(_Group.Initialize(), 0);
  }
  void TearDown() override { _Group.Terminate(); }

  ORVTestNode& Node(int iFamily, int iMode = 1, bool iComplete = true) {
    return _Nodes.emplace_back(iFamily, iMode, iComplete);
  }
  // "T", "N", "C" (to treat, not to treat, to complete) or "-" for each node.
  std::string Sets(const std::vector<ORVTestNode*>& iNodes) const {
    std::string sets;
    for (ORVTestNode* node : iNodes) {
      const ORVObjAndRefObjMngr& manager = *_Managers[node->_Family];
      sets += manager.GetObjToTreatSet().Contains(node)      ? 'T'
              : manager.GetObjNotToTreatSet().Contains(node) ? 'N'
              : manager.GetObjToCompleteSet().Contains(node) ? 'C'
                                                             : '-';
    }
    return sets;
  }
  long Add(ORVTestNode& iNode) { return _Managers[iNode._Family]->AddObjAndRefObj(iNode); }

  ORVGlobalObjectCleaner _Cleaner;
  std::deque<ORVTestNode> _Nodes;
  ORVTestMngr _First, _Second;
  ORVTestProcessor _Processors[2];
  ORVTestGroup _Group;
};

TEST_F(ORVObjAndRefObjMngrTest, ObjectsEndInTheirSetsOnceEvenInCycles) {
  ORVTestNode &a = Node(0), &b = Node(1, 1, false), &c = Node(0), &skipped = Node(1, 0),
              &pending = Node(0, 2), &behindPending = Node(1);
  a._References = {&b, &skipped};
  b._References = {&c, &pending};
  c._References = {&a, &b};
  pending._References = {&behindPending};
  EXPECT_EQ(Add(a), 0);
  std::vector<ORVTestNode*> all = {&a, &b, &c, &skipped, &pending, &behindPending};
  EXPECT_EQ(Sets(all), "TCTNC-");
  for (ORVTestNode* node : all)
    EXPECT_EQ(Add(*node), 0);
  EXPECT_EQ(Sets(all), "TCTNCT");  // only the one not met before was added
  EXPECT_EQ(a._Analyzed + b._Analyzed + c._Analyzed + pending._Analyzed, 4);

  EXPECT_EQ(_Group.Analyze(), 0);
  EXPECT_EQ(Sets(all), "TTTNTT");
  EXPECT_EQ(_Processors[0]._Completions + _Processors[1]._Completions, 2);
}

TEST_F(ORVObjAndRefObjMngrTest, AddedWhileCompletingWaitForTheNextPassAndAFailureKeepsTheRest) {
  ORVTestNode &first = Node(0, 2), &second = Node(0, 2), &third = Node(0, 2);
  first._References = {&second};
  second._References = {&third};
  Add(first);
  EXPECT_EQ(_First.CompleteAndAddRefObj(), 0);
  EXPECT_EQ(Sets({&first, &second, &third}), "TC-");
  EXPECT_EQ(_Group.Analyze(), 0);
  EXPECT_EQ(Sets({&first, &second, &third}), "TTT");
  EXPECT_EQ(_Processors[0]._Completions, 3);
  // A failure part-way through a batch keeps the rest to complete.
  std::vector<ORVTestNode*> batch;
  for (int i = 0; i < 5; ++i)
    Add(*batch.emplace_back(&Node(0, 2)));
  batch[2]->_Result = 7;
  EXPECT_EQ(_Group.Analyze(), 7);
  std::string sets = Sets(batch);
  EXPECT_EQ(sets[2], 'C');
  EXPECT_EQ(sets.find('-'), std::string::npos) << sets;
  batch[2]->_Result = 0;
  EXPECT_EQ(_Group.Analyze(), 0);
  EXPECT_EQ(Sets(batch), "TTTTT");
}

TEST_F(ORVObjAndRefObjMngrTest, MillionLongChainsNeedNoStack) {
  const int kLength = 1000000;
  std::vector<ORVTestNode*> chain;
  for (int i = 0; i < kLength; ++i) {
    chain.push_back(&Node(i % 3 == 0 ? 1 : 0, 1, i % 2 == 0));
    if (i > 0) chain[i - 1]->_References = {chain[i]};
  }
  chain.back()->_References = {chain.front()};
  EXPECT_EQ(Add(*chain.front()), 0);
  EXPECT_EQ(_First.GetObjToCompleteSet().Size() + _Second.GetObjToCompleteSet().Size(),
            kLength / 2);
  EXPECT_EQ(_Group.Analyze(), 0);
  EXPECT_EQ(_First.GetObjToTreatSet().Size() + _Second.GetObjToTreatSet().Size(), kLength);
}

TEST_F(ORVObjAndRefObjMngrTest, ProcessorIsToldOfAttachAndDetachAndMisusesAreFatal) {
  ORVTestProcessor other;
  _First.SetProcessor(_Processors[0]);
  _First.SetProcessor(other);
  EXPECT_EQ(_Processors[0]._Log + "| " + other._Log, "attach detach | attach ");
  _First.Terminate();
  EXPECT_EQ(other._Log, "attach detach ");
  _First.SetProcessor(_Processors[0]);
  _Processors[1]._InitializeResult = 5;
  EXPECT_EQ(_Group.Initialize(), 5);
  // The misuses, each in a process of its own.
  const char* file = "src/ORVObjAndRefObjMngr.cpp";
  ORVTestNode& node = Node(0, 2);
  Add(node);
  ExpectFatalReport(
      [&] {
        _Processors[0].CompleteObjects();
        node._Complete = false;
        _Processors[0]._Completes = false;
        _First.CompleteAndAddRefObj();
      },
      "The manager ORVTestMngr tells the object is not completed", file);
  _Processors[0]._Completes = false;
  ExpectFatalReport([&] { _First.CompleteAndAddRefObj(); },
                    "The processor ORVTestProcessor tells the object is not completed", file);
  ExpectFatalReport([&] { ORVTestMngr().AddObjAndRefObj(node); },
                    "Initialize() must be called before", file);
  ExpectFatalReport([] { ORVTestMngr().CompleteAndAddRefObj(); },
                    "Initialize() must be called before", file);
  ExpectFatalReport([] { ORVTestMngr().Initialize(); }, "_pProcessor == NULL", file);
  ExpectFatalReport(
      [&] {
        _First.Terminate();
        Add(Node(0));
      },
      "_pProcessor == NULL", file);
}

}  // namespace
