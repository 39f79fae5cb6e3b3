// ORVUUIDCalculator.h - hands out unique identifiers through a replaceable global
// calculator.
//
// The default calculator gives the 20-character texts of uuid_gen; a program installs a
// subclass with SetGlobal before any GetGlobal. The global calculator is held with a
// reference of the library's own, registered with the global object cleaner, which
// releases it at the end; a destroyed calculator stops being the global one
// (process-wide, unlocked state).
#pragma once

#include "ORVMacro.h"
#include "ORVString.h"

class ORV_EXPORT ORVUUIDCalculator : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVUUIDCalculator)

public:
  ~ORVUUIDCalculator() override;

  // A new identifier, the caller's own copy.
  virtual ORVString Get();

  // The global calculator, made on first use when none was set.
  static ORVUUIDCalculator* GetGlobal();
  // Installs iCalculator, taking a reference of its own; a global calculator already
  // there, set or made, is a fatal internal error.
  static void SetGlobal(ORVUUIDCalculator& iCalculator);

private:
  static ORVUUIDCalculator* _pGlobalCalculator;
};
