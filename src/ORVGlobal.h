// ORVGlobal.h - lazily created global objects of the library.
//
// A global is made on first use, stored in its class-level slot and only then
// registered with the global object cleaner, which releases it at the end. Its
// destructor empties the slot, so that a later cleaner gets a fresh global.
#pragma once

#include "ORVGlobalObjectCleaner.h"

// The object in ioSlot, made as a Concrete and registered on first use.
template <class Concrete, class Slot>
Slot* ORVMakeGlobal(Slot*& ioSlot) {
  if (!ioSlot) {
    ioSlot = new Concrete();
    ORVGlobalObjectCleaner::Add(ioSlot);
  }
  return ioSlot;
}

// For the destructor of a global: ioSlot forgets iObject if it holds it.
template <class Slot, class Object>
void ORVForgetGlobal(Slot*& ioSlot, const Object* iObject) {
  if (ioSlot == iObject) ioSlot = nullptr;
}

// In the source of a class declaring ORV_GLOBAL_INSTANCE(Class).
#define ORV_GLOBAL_INSTANCE_DEFINE(Class)  \
  Class* Class::_pGlobal = nullptr;        \
  Class::~Class() {                        \
    ORVForgetGlobal(_pGlobal, this);       \
  }                                        \
  Class* Class::GetGlobal() {              \
    return ORVMakeGlobal<Class>(_pGlobal); \
  }
