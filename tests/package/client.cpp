// Uses the installed library: the object model and the installed catalogs.
#include <cstdio>

#include "ORVGlobalObjectCleaner.h"
#include "ORVOFStream.h"
#include "PEVMsgCatalog.h"

int main() {
  ORVGlobalObjectCleaner cleaner;
  PEVMsgCatalog catalog;
  if (catalog.LoadMsgCatalog("ORVBC", nullptr) <= 0) {
    fprintf(stderr, "%s\n", catalog.GetError().ConvertToChar().GetChars());
    return 1;
  }
  ORVStdout << "catalog " << catalog.GetFileName().c_str() << endl;
  return 0;
}
