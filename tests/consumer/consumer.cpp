// A program of a user of the installed library: a string, a vector and an error whose
// message comes from the installed catalogs, found with no environment setting.
#include <cstdio>

#include "ORVError.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVVector.h"
#include "PEVMsgCatalog.h"

int main() {
  ORVGlobalObjectCleaner cleaner;
  PEVMsgCatalog catalog;
  if (catalog.LoadMsgCatalog("ORVBC", nullptr) <= 0) {
    fprintf(stderr, "%s\n", catalog.GetError().ConvertToChar().GetChars());
    return 1;
  }
  ORVVector options(ORVDestroyElementsAtDelete);
  options.Append(new ORVString("--"));
  ORVString& option = *static_cast<ORVString*>(options[0]);
  option += "colour";

  // The request of the error: message 0001 of the class layer's catalog, searched for.
  ORVParamNLSMsgBldrCtlgRfHndlr request;
  request.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg("ORVBC", "0001", nullptr));
  request->AddNewParameter(option);
  ORVError* error = new ORVError(__FILE__, __LINE__, request, ORVNLSMsgBldrRfHndlr(),
                                 ORVNLSMsgBldrRfHndlr(), PEVErrorTypeCritical, PEV_E_FAIL);
  printf("catalog %s\nmessage %s\n", catalog.GetFileName().c_str(),
         error->GetNLSMessage().ConvertToChar().GetChars());
  error->Release();
  return fflush(stdout) == 0 ? 0 : 1;
}
