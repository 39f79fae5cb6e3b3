// Catalog loading against arbitrary catalog files: the input is written as a catalog
// and loaded. Any file must load; every key a well-formed line defines first (a key,
// blanks, the text; comment, NUL-holding and key-only lines define nothing) must hold
// the message that PEVMsg::Parse makes of that text, with the same highest parameter
// index and the same text built with parameters; a key no line defines must be empty.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "PEVMsg.h"
#include "PEVMsgCatalog.h"
#include "PEVUnicodeString.h"

namespace {

std::string gDirectory;
std::string gFile;

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

bool IsBlank(char iCharacter) {
  return iCharacter == ' ' || iCharacter == '\t';
}

// The first text of each key, as the catalog format defines lines.
std::map<std::string, std::string> Definitions(const std::string& iContent) {
  std::map<std::string, std::string> definitions;
  size_t start = 0;
  if (iContent.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  while (start < iContent.size()) {
    size_t end = iContent.find('\n', start);
    if (end == std::string::npos) end = iContent.size();
    std::string line = iContent.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
      line.pop_back();
    if (line.find('\0') != std::string::npos) continue;
    size_t key = 0;
    while (key < line.size() && IsBlank(line[key]))
      ++key;
    if (key == line.size() || line[key] == '#') continue;
    size_t keyEnd = key;
    while (keyEnd < line.size() && !IsBlank(line[keyEnd]))
      ++keyEnd;
    if (keyEnd == line.size()) continue;
    size_t text = keyEnd + 1;
    while (text < line.size() && IsBlank(line[text]))
      ++text;
    definitions.emplace(line.substr(key, keyEnd - key), line.substr(text));
  }
  return definitions;
}

void CheckMessage(const PEVMsg& iLoaded, const PEVMsg& iParsed) {
  Check(!iLoaded.IsEmpty() && !iParsed.IsEmpty());
  Check(iLoaded.GetMaxParamIndex() == iParsed.GetMaxParamIndex());
  Check(iLoaded.GetMaxParamIndex() >= 0);
  std::vector<PEVUnicodeString> parameters;
  for (int index = 1; index <= 12; ++index)
    parameters.push_back(PEVUnicodeString(("<" + std::to_string(index) + ">").c_str()));
  for (int count : {0, 1, 12})
    Check(iLoaded.BuildMessage(parameters.data(), count) ==
          iParsed.BuildMessage(parameters.data(), count));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/orv-catalog-fuzz-XXXXXX";
  if (!mkdtemp(pattern)) abort();
  gDirectory = pattern;
  if (mkdir((gDirectory + "/en").c_str(), 0700) != 0) abort();
  gFile = gDirectory + "/en/FUZZCAT.msg";
  // English, whatever the environment says.
  setenv("LC_ALL", "C", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  std::string content(reinterpret_cast<const char*>(iData), iSize);
  FILE* file = fopen(gFile.c_str(), "wb");
  if (!file || fwrite(content.data(), 1, content.size(), file) != content.size() ||
      fclose(file) != 0)
    abort();
  PEVMsgCatalog catalog;
  Check(catalog.LoadMsgCatalog("FUZZCAT", gDirectory.c_str()) > 0);
  Check(catalog.GetError().IsEmpty());
  std::map<std::string, std::string> definitions = Definitions(content);
  for (const auto& [key, text] : definitions)
    CheckMessage(catalog.GetCatalogMsg(key.c_str()), PEVMsg::Parse(text.c_str()));
  Check(catalog.GetCatalogMsg("#").IsEmpty());
  Check(catalog.GetCatalogMsg("").IsEmpty());
  // A text of the input taken as a message parses without harm.
  PEVMsg any = PEVMsg::Parse(std::string(content.c_str()).c_str());
  Check(any.GetMaxParamIndex() >= 0);
  any.BuildMessage(nullptr, 0);
  return 0;
}
