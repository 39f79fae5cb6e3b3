#include "ORVCmdLnOptOneArgConvToStringAndInt.h"

#include "ORVCmdLnError.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVString.h"
#include "ORVUtilities.h"

ORV_META_OBJECT_DEFINE(ORVCmdLnOptOneArgConvToStringAndInt, PEVBaseUnknown)

ORVCmdLnOptOneArgConvToStringAndInt::ORVCmdLnOptOneArgConvToStringAndInt(
    const ORVCmdLnOptOneArg& iOption)
    : _Option(iOption) {}

long ORVCmdLnOptOneArgConvToStringAndInt::Convert(char iSeparator, ORVString& oText,
                                                  int& oNumber) const {
  // A copy shares the characters and stays whole when oText is the option's own string.
  const ORVString argument = _Option.GetArgument();
  const char* characters = argument.GetChars();
  int separator = argument.GetLength() - 1;
  while (separator >= 0 && characters[separator] != iSeparator)
    --separator;
  if (separator < 0) {
    oText = argument;
    const char separatorText[2] = {iSeparator, '\0'};
    return ORV_CMDLN_ERROR(_Option.GetCommandNameAndNamesForMsg(characters),
                           ORVMakeCatalogMessage<ORVBC_0018>(argument, separatorText),
                           _Option.GetHUsageBldr());
  }
  ORVString numberText;
  numberText.Copy(characters + separator + 1, argument.GetLength() - separator - 1);
  oText.Copy(argument, separator);
  if (numberText.GetLength() > 0) {
    int number = 0;
    unsigned int converted = ORVUtilities::ConvertStringToInt(numberText, number);
    oNumber = number;
    if (converted) return ORVCmdLnSuccess();
  }
  return ORV_CMDLN_ERROR(_Option.GetCommandNameAndNamesForMsg(characters),
                         ORVMakeCatalogMessage<ORVBC_0015>(numberText), _Option.GetHUsageBldr());
}
