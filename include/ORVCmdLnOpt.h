// ORVCmdLnOpt.h - an option of a command line: its names, status and checks.
//
// The name specification lists names separated by "|"; an empty name makes the option
// take the arguments that no named option takes (the option of the command). The option
// registers itself with its analyzer when constructed and stays registered: it must live
// as long as the analyzer is used. It owns its name strings and shares its usage
// builder. The concrete kinds decide how many arguments it takes. User mistakes are
// result codes with ORVError records (request ORVBC "0013").
#pragma once

#include "ORVMacro.h"
#include "ORVParamNLSMsgBldr.h"
#include "ORVVector.h"
#include "PEVUnicodeString.h"

class ORVCmdLnAnalyzer;

// The status of an option; any other value behaves as ORVCmdLnOptOptional (the int
// underlying type makes every int a value of the enumeration).
enum ORVCmdLnOptStatusEnum : int {
  ORVCmdLnOptOptional = 0,
  ORVCmdLnOptMandatory = 1,
  ORVCmdLnOptHelp = 2,
};

class ORV_EXPORT ORVCmdLnOpt : public PEVBaseUnknown {
  ORV_META_OBJECT(ORVCmdLnOpt)

public:
  // Sets the names from iNames, parameter 0 of a non-null usage builder to iNames as
  // given, and registers the option with iAnalyzer.
  ORVCmdLnOpt(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames, ORVCmdLnOptStatusEnum iStatus,
              const ORVParamNLSMsgBldrRfHndlr& iUsage);
  ORVCmdLnOpt(const ORVCmdLnOpt&) = delete;
  ORVCmdLnOpt& operator=(const ORVCmdLnOpt&) = delete;

  virtual ORVCmdLnAnalyzer& GetCmdLnAnalyzer() const;
  virtual unsigned int IsAssociatedWithCommand() const;
  // Every name (ORVString), the empty one included, in the order given.
  virtual const ORVVector& GetNameSet() const;
  virtual unsigned int IsHelpOption() const;
  virtual unsigned int IsMandatory() const;
  // Whether every later argument is an argument, even one starting with "-".
  virtual unsigned int IsTheLastOption() const = 0;
  virtual void SetToDefined();
  virtual unsigned int IsDefined() const;
  virtual unsigned int AcceptsOneMoreArgument() const = 0;
  // 0 when the argument was taken, else a failure code.
  virtual long AddArgument(const char* iArgument) = 0;
  // A new handler on the usage builder, empty when there is none.
  virtual ORVNLSMsgBldrRfHndlr GetHUsageBldr() const;
  // Fails with ORVBC "0002" for a mandatory option not given.
  virtual long Check() const;
  virtual void Reset();
  // The non-empty names joined by "|".
  virtual const PEVUnicodeString& GetInternalNames() const;
  // The command name, " " and the names (the names alone for the option of the command,
  // as GetNamesOrCommandNameForMsg), then the argument in double quotes when not null.
  virtual PEVUnicodeString GetCommandNameAndNamesForMsg(const char* iArgument) const;
  // The names; for the option of the command, the command name followed by the other
  // names in brackets. Then the argument in double quotes when not null.
  virtual PEVUnicodeString GetNamesOrCommandNameForMsg(const char* iArgument) const;
  // Replaces the names by those of the specification (null or empty: the empty name).
  virtual void SetNames(const char* iNames);

  // Appends to ioText, when iArgument is not null, " " (unless ioText is empty) and the
  // argument in double quotes.
  static void ConcatArgumentForMsg(PEVUnicodeString& ioText, const char* iArgument);

private:
  // Appends one name of the specification.
  void AddName(const char* iName, int iLength);

  ORVCmdLnAnalyzer& _Analyzer;
  PEVUnicodeString _InternalNames;
  unsigned int _AssociatedWithCommand = 0;
  ORVVector _NameSet;  // owns its ORVString elements
  ORVCmdLnOptStatusEnum _Status;
  ORVParamNLSMsgBldrRfHndlr _HUsageBldr;
  unsigned int _Defined = 0;
};
