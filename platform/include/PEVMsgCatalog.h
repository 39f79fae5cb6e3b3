// PEVMsgCatalog.h - loading of one message catalog for the user's language.
//
// A catalog is the UTF-8 file <dir>/<lang>/<NAME>.msg. The language is the first
// non-empty of LC_ALL, LC_MESSAGES and LANG, tried as ll_TT, then ll, then en. The
// directories are those of PEV_CATALOG_PATH (colon-separated), then the catalogs
// installed beside the platform library; an explicit path replaces both.
// A line is a key, blanks and the text; '#' starts a comment line; a malformed line
// is skipped. The load counter is process-wide.
#pragma once

#include <string>
#include <unordered_map>

#include "PEVExport.h"
#include "PEVMsg.h"
#include "PEVString.h"
#include "PEVUnicodeString.h"

class PEV_EXPORT PEVMsgCatalog {
public:
  // Loads the catalog; greater than 0 on success, 0 on failure (see GetError).
  int LoadMsgCatalog(const PEVString& iCatalogName, const char* iCatalogPath);
  // The message of iKey; an empty message when the catalog has no such key.
  PEVMsg GetCatalogMsg(const PEVString& iKey) const;
  // What went wrong in the last load, empty after a success.
  PEVUnicodeString GetError() const { return _Error; }
  // The file the last successful load read.
  const std::string& GetFileName() const { return _FileName; }

  // Number of load attempts made in this process.
  static int GetLoadCount();
  // The directory of the catalogs installed beside the platform library.
  static std::string GetInstalledCatalogDirectory();

private:
  std::unordered_map<std::string, PEVMsg> _Messages;
  PEVUnicodeString _Error;
  std::string _FileName;
};
