// ORVObjAndRefObjMngr.h - gathers the closed set of the objects of one family that are
// reachable by references, completing pending objects in batches.
//
// An object ends in one of three sets: to treat, not to treat, or to complete (it waits
// for the processor's next CompleteObjects). The sets hold plain pointers: the objects
// must outlive the manager's use of them. An object met again while its references are
// being followed, or while its batch is being completed, is left where it is, so
// reference cycles end; references are followed iteratively, so chains of any length
// need no stack. The processor is not owned. Misuses (no processor, no Initialize) are
// fatal internal errors; the client operations' result codes stop a step and are
// returned unchanged.
#pragma once

#include "ORVHashTable.h"
#include "ORVObjWithFamily.h"
#include "ORVVector.h"

class ORVObjAndRefObjProcessor;

class ORV_EXPORT ORVObjAndRefObjMngr : public ORVObjWithFamily {
  ORV_META_OBJECT(ORVObjAndRefObjMngr)

public:
  ORVObjAndRefObjMngr();

  virtual const ORVHashTable& GetObjToCompleteSet() const;
  virtual const ORVHashTable& GetObjToTreatSet() const;
  virtual const ORVHashTable& GetObjNotToTreatSet() const;
  // Detaches the current processor (if another) and attaches iProcessor.
  virtual void SetProcessor(ORVObjAndRefObjProcessor& iProcessor);
  // Empties the sets and initialises the processor; its result.
  virtual long Initialize();
  virtual long AddObjAndRefObj(PEVBaseUnknown& iObj);
  // Lets the processor complete the set to complete, then follows the references of
  // the completed objects; objects added meanwhile wait for the next call. After a
  // failure the objects not yet handled stay in the set to complete.
  virtual long CompleteAndAddRefObj();
  // Detaches the processor; the sets keep their contents until the next Initialize.
  virtual void Terminate();
  virtual ORVObjAndRefObjProcessor& GetProcessor();
  // Receives oIsCompleted set to 1 and clears it when iObj is not complete.
  virtual long AnalyzeObj(PEVBaseUnknown& iObj, unsigned int& oIsCompleted) = 0;
  // Adds the objects iObj references, typically through AddObjAndRefObj of their
  // families' managers.
  virtual long AddRefObjOf(PEVBaseUnknown& iObj) = 0;

private:
  void CheckInitialized() const;
  // Steps 2 to 5 of adding one object whose references are to be followed now.
  long AddOne(PEVBaseUnknown& iObj);
  // Handles the queued objects until none is left or one fails.
  long DrainPending();
  unsigned int IsKnown(const PEVBaseUnknown& iObj) const;
  void KeepUnhandled(const ORVVector& iBatch, int iFrom);

  ORVObjAndRefObjProcessor* _pProcessor = nullptr;
  ORVHashTable _FirstToComplete;
  ORVHashTable _SecondToComplete;
  ORVHashTable* _pToComplete;
  ORVHashTable _ToTreat;
  ORVHashTable _NotToTreat;
  int _Initialized = 0;
  // Objects whose references are being followed, queued behind them, or in the batch
  // being completed: meeting them again does nothing.
  ORVHashTable _InProgress;
  ORVVector _Pending;
  int _Depth = 0;
};
