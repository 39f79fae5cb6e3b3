#include "ORVCmdLnOpt.h"

#include <cstring>

#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnError.h"
#include "ORVString.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOpt, PEVBaseUnknown)

namespace {

// White space of a name specification, whatever the locale.
bool IsWhiteSpace(char iCharacter) {
  return iCharacter != '\0' && strchr(" \t\n\v\f\r", iCharacter) != nullptr;
}

}  // namespace

ORVCmdLnOpt::ORVCmdLnOpt(ORVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                         ORVCmdLnOptStatusEnum iStatus, const ORVParamNLSMsgBldrRfHndlr& iUsage)
    : _Analyzer(iAnalyzer),
      _NameSet(ORVDestroyElementsAtDelete),
      _Status(iStatus),
      _HUsageBldr(iUsage) {
  SetNames(iNames);
  if (_HUsageBldr) _HUsageBldr->SetParameter(0, iNames);
  _Analyzer.AddOption(*this);
}

ORVCmdLnAnalyzer& ORVCmdLnOpt::GetCmdLnAnalyzer() const {
  return _Analyzer;
}

unsigned int ORVCmdLnOpt::IsAssociatedWithCommand() const {
  return _AssociatedWithCommand;
}

const ORVVector& ORVCmdLnOpt::GetNameSet() const {
  return _NameSet;
}

unsigned int ORVCmdLnOpt::IsHelpOption() const {
  return _Status == ORVCmdLnOptHelp;
}

unsigned int ORVCmdLnOpt::IsMandatory() const {
  return _Status == ORVCmdLnOptMandatory;
}

void ORVCmdLnOpt::SetToDefined() {
  _Defined = 1;
}

unsigned int ORVCmdLnOpt::IsDefined() const {
  return _Defined;
}

ORVNLSMsgBldrRfHndlr ORVCmdLnOpt::GetHUsageBldr() const {
  return ORVNLSMsgBldrRfHndlr(_HUsageBldr);
}

long ORVCmdLnOpt::Check() const {
  if (!IsMandatory() || IsDefined()) return ORVCmdLnSuccess();
  return ORV_CMDLN_ERROR(GetCommandNameAndNamesForMsg(nullptr),
                         ORVMakeCatalogMessage<ORVBC_0002>(GetNamesOrCommandNameForMsg(nullptr)),
                         _Analyzer.GetHShortUsageBldr());
}

void ORVCmdLnOpt::Reset() {
  _Defined = 0;
}

const PEVUnicodeString& ORVCmdLnOpt::GetInternalNames() const {
  return _InternalNames;
}

PEVUnicodeString ORVCmdLnOpt::GetCommandNameAndNamesForMsg(const char* iArgument) const {
  if (IsAssociatedWithCommand()) return GetNamesOrCommandNameForMsg(iArgument);
  PEVUnicodeString text = _Analyzer.GetCommandName();
  text += " ";
  text += _InternalNames;
  ConcatArgumentForMsg(text, iArgument);
  return text;
}

PEVUnicodeString ORVCmdLnOpt::GetNamesOrCommandNameForMsg(const char* iArgument) const {
  PEVUnicodeString text;
  if (IsAssociatedWithCommand()) {
    text = _Analyzer.GetCommandName();
    if (!_InternalNames.IsEmpty()) {
      text += " [";
      text += _InternalNames;
      text += "]";
    }
  } else {
    text = _InternalNames;
  }
  ConcatArgumentForMsg(text, iArgument);
  return text;
}

void ORVCmdLnOpt::SetNames(const char* iNames) {
  _InternalNames = PEVUnicodeString();
  _AssociatedWithCommand = 0;
  // The names of an earlier specification go: the option answers to the new ones only.
  _NameSet.Destroy();
  if (!iNames || !*iNames) {
    AddName("", 0);
    return;
  }
  const char* position = iNames;
  for (;;) {
    while (*position != '|' && IsWhiteSpace(*position))
      ++position;
    const char* end = position;
    while (*end && *end != '|' && !IsWhiteSpace(*end))
      ++end;
    AddName(position, (int)(end - position));
    position = strchr(end, '|');
    if (!position) return;
    ++position;
  }
}

void ORVCmdLnOpt::ConcatArgumentForMsg(PEVUnicodeString& ioText, const char* iArgument) {
  if (!iArgument) return;
  if (!ioText.IsEmpty()) ioText += " ";
  ioText += "\"";
  ioText += iArgument;
  ioText += "\"";
}

void ORVCmdLnOpt::AddName(const char* iName, int iLength) {
  ORVString* name = new ORVString();
  name->Copy(iName, iLength);
  _NameSet.Add(name, ORVNotify);
  if (iLength == 0) {
    _AssociatedWithCommand = 1;
    return;
  }
  if (!_InternalNames.IsEmpty()) _InternalNames += "|";
  _InternalNames += PEVUnicodeString(iName, iLength);
}
