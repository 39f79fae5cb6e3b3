#include "ErrorRecord.h"

#include "ORVError.h"
#include "ORVParamNLSMsgBldrCtlg.h"

std::string DescribeMessage(const ORVNLSMsgBldrRfHndlr& iBuilder) {
  if (!iBuilder) return "<none>";
  if (!iBuilder->IsAKindOf(ORVParamNLSMsgBldrCtlg::ClassName()))
    return iBuilder->Build().ConvertToChar().GetChars();
  auto* catalog = ORVCheckedCast<ORVParamNLSMsgBldrCtlg>(iBuilder.Get());
  std::string text = std::string(catalog->GetMsgCatalogName()) + " " + catalog->GetMsgId();
  for (int i = 0; i < catalog->GetNbParameters(); ++i)
    text +=
        (i == 0 ? ": " : " | ") + std::string(catalog->GetParameter(i).ConvertToChar().GetChars());
  return text;
}

std::string DescribeLastError(long iCode) {
  PEVError* last = PEVError::PEVGetLastError(iCode, nullptr);
  if (!last) return "<no last error>";
  auto* error = ORVCheckedCast<ORVError>(last);
  char* file = nullptr;
  error->GetSourceFileName(&file);
  std::string text = "type " + std::to_string((int)error->GetInformationOnErrorType()) + " in " +
                     (file ? file : "") + "; request " + DescribeMessage(error->GetHRequestBldr()) +
                     "; diagnostic " + DescribeMessage(error->GetHDiagnosticBldr()) + "; advice " +
                     DescribeMessage(error->GetHAdviceBldr());
  last->Release();
  return text;
}

std::string LastErrorText(long iCode) {
  PEVError* last = PEVError::PEVGetLastError(iCode, nullptr);
  if (!last) return "<no last error>";
  std::string text = last->GetNLSMessage().ConvertToChar().GetChars();
  last->Release();
  return text;
}
