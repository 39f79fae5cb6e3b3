#include "ORVCmdLnAnalyzer.h"

#include <utility>

#include "ORVCmdLnError.h"
#include "ORVCmdLnOpt.h"
#include "ORVCmdLnOptMngr.h"
#include "ORVFatal.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnAnalyzer, PEVBaseUnknown)

namespace {

// An argument that asks for an option: "-" followed by at least one character.
bool NamesAnOption(const char* iArgument) {
  return iArgument[0] == '-' && iArgument[1] != '\0';
}

// An argument that asks for an option no name matches.
long UnknownOption(const ORVCmdLnAnalyzer& iAnalyzer, const char* iArgument) {
  PEVUnicodeString fragment = iAnalyzer.GetCommandName();
  fragment += " ";
  fragment += iArgument;
  return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0001>(iArgument),
                         iAnalyzer.GetHShortUsageBldr());
}

// An argument before any option, in a command without an option of its own arguments.
long StrayArgument(const ORVCmdLnAnalyzer& iAnalyzer, const char* iArgument) {
  PEVUnicodeString fragment = iAnalyzer.GetCommandName();
  ORVCmdLnOpt::ConcatArgumentForMsg(fragment, iArgument);
  return ORV_CMDLN_ERROR(fragment, ORVMakeCatalogMessage<ORVBC_0003>(iAnalyzer.GetCommandName()),
                         iAnalyzer.GetHShortUsageBldr());
}

}  // namespace

ORVCmdLnAnalyzer::ORVCmdLnAnalyzer(PEVUnicodeString iCommandName,
                                   const ORVParamNLSMsgBldrRfHndlr& iShortUsage)
    : _CommandName(std::move(iCommandName)),
      _HShortUsageBldr(iShortUsage),
      _OptionSet(ORVDoNothingAtDelete),
      _OptMngrSet(ORVDoNothingAtDelete) {
  if (_HShortUsageBldr) _HShortUsageBldr->SetParameter(0, _CommandName);
}

const PEVUnicodeString& ORVCmdLnAnalyzer::GetCommandName() const {
  return _CommandName;
}

void ORVCmdLnAnalyzer::AddOption(ORVCmdLnOpt& iOption) {
  _OptionSet.Add(&iOption, ORVNotify);
  if (iOption.IsHelpOption()) _pHelpOption = &iOption;
}

void ORVCmdLnAnalyzer::AddOptMngr(ORVCmdLnOptMngr& iOptMngr) {
  _OptMngrSet.Add(&iOptMngr, ORVNotify);
}

ORVNLSMsgBldrRfHndlr ORVCmdLnAnalyzer::GetHShortUsageBldr() const {
  return ORVNLSMsgBldrRfHndlr(_HShortUsageBldr);
}

const ORVVector& ORVCmdLnAnalyzer::GetOptionSet() const {
  return _OptionSet;
}

const ORVVector& ORVCmdLnAnalyzer::GetOptMngrSet() const {
  return _OptMngrSet;
}

long ORVCmdLnAnalyzer::Analyze(const char* const* iArguments, int iCount) {
  if (iCount > 0 && !iArguments) ORV_FATAL("ORVCmdLnAnalyzer::Analyze(): iArguments is NULL");
  ORVCmdLnOpt* commandOption = LookupOneOption("");
  unsigned int lastOption = 0;
  if (commandOption) {
    commandOption->SetToDefined();
    lastOption = commandOption->IsTheLastOption();
  }
  ORVCmdLnOpt* current = commandOption;
  for (int index = 0; index < iCount; ++index) {
    const char* argument = iArguments[index];
    if (!argument) ORV_FATAL("ORVCmdLnAnalyzer::Analyze(): iArguments[" << index << "] is NULL");
    if (!lastOption && NamesAnOption(argument)) {
      ORVCmdLnOpt* option = LookupOneOption(argument);
      if (!option) return UnknownOption(*this, argument);
      option->SetToDefined();
      lastOption = option->IsTheLastOption();
      current = option;
      continue;
    }
    if (!current) return StrayArgument(*this, argument);
    // A named option that is full hands the argument to the command's own option.
    if (commandOption && current != commandOption && !current->AcceptsOneMoreArgument())
      current = commandOption;
    long status = current->AddArgument(argument);
    if (status != 0) return status;
  }
  long status = 0;
  if (!_pHelpOption || !_pHelpOption->IsDefined()) {
    for (int index = 0; index < _OptionSet.Size() && status == 0; ++index)
      status = static_cast<ORVCmdLnOpt*>(_OptionSet[index])->Check();
  }
  for (int index = 0; index < _OptMngrSet.Size() && status == 0; ++index)
    status = static_cast<ORVCmdLnOptMngr*>(_OptMngrSet[index])->Check();
  return status;
}

void ORVCmdLnAnalyzer::Reset() {
  for (int index = 0; index < _OptionSet.Size(); ++index)
    static_cast<ORVCmdLnOpt*>(_OptionSet[index])->Reset();
  for (int index = 0; index < _OptMngrSet.Size(); ++index)
    static_cast<ORVCmdLnOptMngr*>(_OptMngrSet[index])->Reset();
}

ORVCmdLnOpt* ORVCmdLnAnalyzer::LookupOneOption(const char* iName) const {
  for (int index = 0; index < _OptionSet.Size(); ++index) {
    auto* option = static_cast<ORVCmdLnOpt*>(_OptionSet[index]);
    const ORVVector& names = option->GetNameSet();
    for (int name = 0; name < names.Size(); ++name) {
      if (static_cast<ORVString*>(names[name])->Compare(iName) == 0) return option;
    }
  }
  return nullptr;
}
