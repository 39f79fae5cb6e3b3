// ORVTreeIteratorElement.h - the node current at one level of a tree walk.
//
// Made by an element maker for a tree iterator and a level; completed by the client,
// which stores the current object (and may keep more about it). The iterator holds one
// reference to each element and releases it when it goes away; an element kept longer
// by someone else then answers a null tree iterator.
#pragma once

#include "ORVExport.h"
#include "ORVMacro.h"

class ORVTreeIterator;

class ORV_EXPORT ORVTreeIteratorElement : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVTreeIteratorElement)

public:
  ORVTreeIteratorElement(const ORVTreeIterator& iTreeIterator, int iLevel)
      : _pTreeIterator(&iTreeIterator), _Level(iLevel) {}

  // The iterator that made the element; null once that iterator is gone.
  virtual const ORVTreeIterator* GetTreeIterator() const;
  // The element's level, 0 at the top.
  virtual int GetIteratorElementSetIdx() const;
  virtual void SetCurrentObject(const PEVBaseUnknown* iObject) = 0;
  virtual const PEVBaseUnknown* GetCurrentObject() const = 0;

  // Called by the iterator when it goes away, so that a kept element does not point
  // at a freed iterator.
  void ForgetTreeIterator() { _pTreeIterator = nullptr; }

private:
  const ORVTreeIterator* _pTreeIterator;
  int _Level;
};
