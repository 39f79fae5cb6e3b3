#include "ORVObjAndRefObjMngr.h"

#include "ORVFatal.h"
#include "ORVIterator.h"
#include "ORVObjAndRefObjProcessor.h"

ORV_META_OBJECT_DEFINE(ORVObjAndRefObjMngr, ORVObjWithFamily)

namespace {

const int kSizeHint = 256;

}  // namespace

ORVObjAndRefObjMngr::ORVObjAndRefObjMngr()
    : _FirstToComplete(ORVDoNothingAtDelete, kSizeHint),
      _SecondToComplete(ORVDoNothingAtDelete, kSizeHint),
      _pToComplete(&_FirstToComplete),
      _ToTreat(ORVDoNothingAtDelete, kSizeHint),
      _NotToTreat(ORVDoNothingAtDelete, kSizeHint),
      _InProgress(ORVDoNothingAtDelete, kSizeHint),
      _Pending(ORVDoNothingAtDelete, 16) {}

const ORVHashTable& ORVObjAndRefObjMngr::GetObjToCompleteSet() const {
  return *_pToComplete;
}

const ORVHashTable& ORVObjAndRefObjMngr::GetObjToTreatSet() const {
  return _ToTreat;
}

const ORVHashTable& ORVObjAndRefObjMngr::GetObjNotToTreatSet() const {
  return _NotToTreat;
}

void ORVObjAndRefObjMngr::SetProcessor(ORVObjAndRefObjProcessor& iProcessor) {
  if (_pProcessor == &iProcessor) return;
  if (_pProcessor) _pProcessor->DetachMngr(*this);
  _pProcessor = &iProcessor;
  _pProcessor->AttachMngr(*this);
}

long ORVObjAndRefObjMngr::Initialize() {
  _FirstToComplete.Clear(ORVNotify);
  _SecondToComplete.Clear(ORVNotify);
  _ToTreat.Clear(ORVNotify);
  _NotToTreat.Clear(ORVNotify);
  _InProgress.Clear(ORVDoNotNotify);
  _Pending.Clear(ORVDoNotNotify);
  long result = GetProcessor().Initialize();
  _Initialized = 1;
  return result;
}

long ORVObjAndRefObjMngr::AddObjAndRefObj(PEVBaseUnknown& iObj) {
  CheckInitialized();
  if (IsKnown(iObj)) return 0;
  _InProgress.Add(&iObj, ORVDoNotNotify);
  // Met while following references: handled by the outermost call, not on the stack.
  if (_Depth > 0) {
    _Pending.Add(&iObj, ORVDoNotNotify);
    return 0;
  }
  ++_Depth;
  long result = AddOne(iObj);
  if (result == 0) result = DrainPending();
  --_Depth;
  return result;
}

long ORVObjAndRefObjMngr::CompleteAndAddRefObj() {
  CheckInitialized();
  long result = GetProcessor().CompleteObjects();
  if (result != 0) return result;
  ORVHashTable* batchSet = _pToComplete;
  _pToComplete = batchSet == &_FirstToComplete ? &_SecondToComplete : &_FirstToComplete;
  _pToComplete->Clear(ORVNotify);
  ORVVector batch(ORVDoNothingAtDelete, batchSet->Size() + 1);
  ORVIterator* iterator = batchSet->MakeIterator(nullptr);
  while (PEVBaseUnknown* object = iterator->Next()) {
    batch.Add(object, ORVDoNotNotify);
    _InProgress.Add(object, ORVDoNotNotify);
  }
  iterator->Release();
  batchSet->Clear(ORVNotify);

  for (int i = 0; i < batch.Size(); ++i) {
    PEVBaseUnknown& object = *batch[i];
    int mode = GetProcessor().GetTreatmentMode(object);
    if (mode == 0) {
      _InProgress.Remove(&object, ORVDoNotNotify);
      _NotToTreat.Add(&object, ORVDoNotNotify);
      continue;
    }
    if (mode == 2)
      ORV_FATAL("The processor " << GetProcessor().GetMetaObject()->GetClassName()
                                 << " tells the object is not completed");
    unsigned int completed = 1;
    result = AnalyzeObj(object, completed);
    if (result == 0 && !completed)
      ORV_FATAL("The manager " << GetMetaObject()->GetClassName()
                               << " tells the object is not completed");
    if (result == 0) result = AddRefObjOf(object);
    if (result != 0) {
      KeepUnhandled(batch, i);
      return result;
    }
    _InProgress.Remove(&object, ORVDoNotNotify);
    if (!_ToTreat.Contains(&object)) _ToTreat.Add(&object, ORVDoNotNotify);
  }
  return 0;
}

void ORVObjAndRefObjMngr::Terminate() {
  if (_pProcessor) _pProcessor->DetachMngr(*this);
  _pProcessor = nullptr;
}

ORVObjAndRefObjProcessor& ORVObjAndRefObjMngr::GetProcessor() {
  if (!_pProcessor) ORV_FATAL("_pProcessor == NULL");
  return *_pProcessor;
}

void ORVObjAndRefObjMngr::CheckInitialized() const {
  if (!_Initialized) ORV_FATAL("Initialize() must be called before");
}

long ORVObjAndRefObjMngr::AddOne(PEVBaseUnknown& iObj) {
  int mode = GetProcessor().GetTreatmentMode(iObj);
  long result = 0;
  unsigned int completed = 1;
  if (mode != 0) result = AnalyzeObj(iObj, completed);
  if (result == 0 && mode == 2) completed = 0;
  if (result == 0 && mode != 0 && mode != 2) result = AddRefObjOf(iObj);
  _InProgress.Remove(&iObj, ORVDoNotNotify);
  if (result != 0) return result;
  if (mode == 0)
    _NotToTreat.Add(&iObj, ORVDoNotNotify);
  else
    (completed ? _ToTreat : *_pToComplete).Add(&iObj, ORVDoNotNotify);
  return 0;
}

long ORVObjAndRefObjMngr::DrainPending() {
  long result = 0;
  int next = 0;
  // The queue grows while it is drained.
  for (; result == 0 && next < _Pending.Size(); ++next)
    result = AddOne(*_Pending[next]);
  // After a failure the objects not reached are in no set, as if never met.
  for (; next < _Pending.Size(); ++next)
    _InProgress.Remove(_Pending[next], ORVDoNotNotify);
  _Pending.Clear(ORVDoNotNotify);
  return result;
}

unsigned int ORVObjAndRefObjMngr::IsKnown(const PEVBaseUnknown& iObj) const {
  return _pToComplete->Contains(&iObj) || _ToTreat.Contains(&iObj) || _NotToTreat.Contains(&iObj) ||
         _InProgress.Contains(&iObj);
}

void ORVObjAndRefObjMngr::KeepUnhandled(const ORVVector& iBatch, int iFrom) {
  for (int i = iFrom; i < iBatch.Size(); ++i) {
    PEVBaseUnknown* object = iBatch[i];
    _InProgress.Remove(object, ORVDoNotNotify);
    if (!IsKnown(*object)) _pToComplete->Add(object, ORVDoNotNotify);
  }
}
