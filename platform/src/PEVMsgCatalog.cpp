#include "PEVMsgCatalog.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifndef PEV_CATALOG_RELATIVE_DIR
#define PEV_CATALOG_RELATIVE_DIR "../share/ORVBasic/catalogs"
#endif

namespace {

int loadCount = 0;

// The user's language as ll_TT, then ll, then en.
std::vector<std::string> LanguageCandidates() {
  std::string language;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (value && *value) {
      language = value;
      break;
    }
  }
  language = language.substr(0, language.find_first_of(".@"));
  std::vector<std::string> candidates;
  bool usable = !language.empty() && language != "C" && language != "POSIX" &&
                language.find('/') == std::string::npos && language.find("..") == std::string::npos;
  if (usable) {
    candidates.push_back(language);
    std::string shortForm = language.substr(0, language.find('_'));
    if (shortForm != language) candidates.push_back(shortForm);
  }
  if (candidates.empty() || candidates.back() != "en") candidates.push_back("en");
  return candidates;
}

std::vector<std::string> SearchDirectories(const char* iCatalogPath) {
  std::vector<std::string> directories;
  if (iCatalogPath && *iCatalogPath) {
    directories.push_back(iCatalogPath);
    return directories;
  }
  const char* path = getenv("PEV_CATALOG_PATH");
  for (const char* start = path; start && *start;) {
    const char* end = strchr(start, ':');
    std::size_t length = end ? (std::size_t)(end - start) : strlen(start);
    if (length) directories.emplace_back(start, length);
    start = end ? end + 1 : nullptr;
  }
  std::string installed = PEVMsgCatalog::GetInstalledCatalogDirectory();
  if (!installed.empty()) directories.push_back(installed);
  return directories;
}

bool IsRegularFile(const std::string& iPath) {
  struct stat status;
  return stat(iPath.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string Join(const std::vector<std::string>& iParts, const char* iSeparator) {
  std::string joined;
  for (const std::string& part : iParts) {
    if (!joined.empty()) joined += iSeparator;
    joined += part;
  }
  return joined;
}

bool IsBlank(char iCharacter) {
  return iCharacter == ' ' || iCharacter == '\t';
}

// Adds the message of one catalog line; comments, empty and malformed lines add nothing.
void ParseLine(char* ioLine, std::size_t iLength,
               std::unordered_map<std::string, PEVMsg>& ioMessages) {
  while (iLength && (ioLine[iLength - 1] == '\n' || ioLine[iLength - 1] == '\r'))
    ioLine[--iLength] = '\0';
  if (memchr(ioLine, '\0', iLength)) return;  // a NUL byte cuts the line: malformed
  char* key = ioLine;
  while (IsBlank(*key))
    ++key;
  if (*key == '\0' || *key == '#') return;
  char* keyEnd = key;
  while (*keyEnd && !IsBlank(*keyEnd))
    ++keyEnd;
  if (*keyEnd == '\0') return;  // a key without blank and text
  *keyEnd = '\0';
  char* text = keyEnd + 1;
  while (IsBlank(*text))
    ++text;
  ioMessages.emplace(key, PEVMsg::Parse(text));  // the first definition of a key holds
}

// "Cannot read message catalog <name> from <file>: <reason of iErrno>".
std::string ReadFailure(const std::string& iName, const std::string& iFile, int iErrno) {
  std::string text = "Cannot read message catalog ";
  text.append(iName).append(" from ").append(iFile).append(": ").append(strerror(iErrno));
  return text;
}

}  // namespace

int PEVMsgCatalog::LoadMsgCatalog(const PEVString& iCatalogName, const char* iCatalogPath) {
  ++loadCount;
  _Messages.clear();
  _FileName.clear();
  _Error = PEVUnicodeString();
  std::string name = iCatalogName.GetChars();
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    _Error = ("Invalid message catalog name '" + name + "'").c_str();
    return 0;
  }
  std::vector<std::string> languages = LanguageCandidates();
  std::vector<std::string> directories = SearchDirectories(iCatalogPath);
  for (const std::string& language : languages) {
    for (const std::string& directory : directories) {
      std::string file = directory;
      file.append("/").append(language).append("/").append(name).append(".msg");
      if (!IsRegularFile(file)) continue;
      FILE* stream = fopen(file.c_str(), "r");
      if (!stream) {
        _Error = ReadFailure(name, file, errno).c_str();
        return 0;
      }
      char* line = nullptr;
      std::size_t capacity = 0;
      ssize_t length;
      bool first = true;
      while ((length = getline(&line, &capacity, stream)) >= 0) {
        // A UTF-8 byte-order mark before the first key is no part of it.
        std::size_t skipped = first && length >= 3 && memcmp(line, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
        first = false;
        ParseLine(line + skipped, (std::size_t)length - skipped, _Messages);
      }
      bool failed = ferror(stream) != 0;
      int readErrno = errno;
      free(line);
      fclose(stream);
      if (failed) {
        _Messages.clear();
        _Error = ReadFailure(name, file, readErrno).c_str();
        return 0;
      }
      _FileName = file;
      return 1;
    }
  }
  _Error = ("Message catalog " + name + " not found for language " + Join(languages, ", ") +
            " in directories: " + (directories.empty() ? "(none)" : Join(directories, ":")))
               .c_str();
  return 0;
}

PEVMsg PEVMsgCatalog::GetCatalogMsg(const PEVString& iKey) const {
  auto found = _Messages.find(iKey.GetChars());
  return found == _Messages.end() ? PEVMsg() : found->second;
}

int PEVMsgCatalog::GetLoadCount() {
  return loadCount;
}

std::string PEVMsgCatalog::GetInstalledCatalogDirectory() {
  Dl_info info;
  if (!dladdr((void*)&PEVMsgCatalog::GetLoadCount, &info) || !info.dli_fname) return "";
  char resolved[PATH_MAX];
  if (!realpath(info.dli_fname, resolved)) return "";
  std::string library = resolved;
  std::size_t slash = library.rfind('/');
  if (slash == std::string::npos) return "";
  std::string directory = library.substr(0, slash) + "/" + PEV_CATALOG_RELATIVE_DIR;
  return realpath(directory.c_str(), resolved) ? std::string(resolved) : directory;
}
