// PlanFile.h - the plan files of the example tools execplan and deptree: one line
// "target: dependencies..." per target, names separated by blanks; blank lines and lines
// whose first word starts with '#' are skipped.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ORVExtAnyChars.h"
#include "ORVFileUtilities.h"
#include "ORVNLSMsgBldr.h"
#include "ORVString.h"
#include "ORVVolatileOneWayIteratorForTextFile.h"

// The words of iText, split at white space.
inline std::vector<std::string> PlanWords(const char* iText) {
  std::vector<std::string> words;
  const char* text = iText;
  while (*text) {
    while (*text && isspace((unsigned char)*text))
      ++text;
    const char* start = text;
    while (*text && !isspace((unsigned char)*text))
      ++text;
    if (text > start) words.emplace_back(start, text);
  }
  return words;
}

// One target line of a plan file.
struct PlanLine {
  std::string _Target;
  std::vector<std::string> _Dependencies;
};

// Reads the target lines of iFile into oLines, in the order of the file. The failure
// code of the file's opening or reading (its request is iContext's, when made by the
// reader), or 0; oBadLine is the number of a line without the "target:" form, where the
// reading stopped, or 0.
inline long ReadPlanFile(const ORVString& iFile, const ORVNLSMsgBldrRfHndlr& iContext,
                         std::vector<PlanLine>& oLines, int& oBadLine) {
  oBadLine = 0;
  FILE* file = nullptr;
  long code = ORVFileUtilities::FileOpen(iFile, "r", file);
  if (code != 0) return code;
  auto* lines = new ORVVolatileOneWayIteratorForTextFile(iFile, file, 0, -1, iContext);
  for (;;) {
    const PEVBaseUnknown* element = nullptr;
    code = lines->Next(element);
    if (code != 0 || !element) break;
    const auto* line = static_cast<const ORVExtAnyChars*>(element);
    if (line->IsDbNull()) continue;
    const char* text = line->GetChars();
    std::vector<std::string> all = PlanWords(text);
    if (all.empty() || all[0][0] == '#') continue;
    const char* colon = strchr(text, ':');
    std::vector<std::string> target = colon ? PlanWords(std::string(text, colon).c_str()) : all;
    if (!colon || target.size() != 1) {
      oBadLine = lines->GetLineNumber();
      break;
    }
    oLines.push_back({target[0], PlanWords(colon + 1)});
  }
  lines->Release();
  fclose(file);
  return code;
}
