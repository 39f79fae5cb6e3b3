#include "ORVUtilitiesForDebug.h"

#include <utility>
#include <vector>

#include "ORVExecGraphNodeWithId.h"
#include "ORVExecGraphStepLink.h"
#include "ORVIterator.h"
#include "ORVMessageDisplay.h"
#include "ORVSortedVector.h"

void ORVUtilitiesForDebug::DisplayExecGraph(const ORVExecGraphStep* iParent,
                                            const ORVSortedVector& stepLinks,
                                            const ORVSortedVector& nodesByStep,
                                            ORVMessageDisplay& display) {
  // The links still to show of each step of the current branch, with that step.
  std::vector<std::pair<ORVIterator*, const ORVExecGraphStep*>> branch;
  branch.emplace_back(stepLinks.LookupAll(iParent), iParent);
  while (!branch.empty()) {
    auto [links, parent] = branch.back();
    PEVBaseUnknown* element = links->Next();
    if (!element) {
      links->Release();
      branch.pop_back();
      continue;
    }
    ORVExecGraphStep* step = ORVCheckedCast<ORVExecGraphStepLink>(element)->GetStep();
    if (step->GetParentStep() != parent) continue;
    ORVString line("> ");
    line += step->GetRank();
    line += ": ";
    ORVIterator* nodes = nodesByStep.LookupAll(step);
    while (const PEVBaseUnknown* node = nodes->Next()) {
      line += " \"";
      line += ORVCheckedCast<ORVExecGraphNodeWithId>(node)->GetIdentifier();
      line += "\"";
    }
    nodes->Release();
    display.Display(PEVUnicodeString(line.GetChars(), line.GetLength()), 1);
    branch.emplace_back(stepLinks.LookupAll(step), step);
  }
}
