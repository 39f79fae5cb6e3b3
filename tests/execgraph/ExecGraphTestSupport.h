// ExecGraphTestSupport.h - a graph of named nodes with its links, built by the builder,
// described in letters for the assertions of the execution-graph suite.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ORVExecGraphBuilder.h"
#include "ORVExecGraphNodeCmpStep.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVExecGraphNodeLinkCmpParentNode.h"
#include "ORVExecGraphNodeWithId.h"
#include "ORVExecGraphStepLink.h"
#include "ORVExecGraphStepLinkCmpParentStep.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVSortedVector.h"
#include "RunWithStack.h"

using ExecGraphEdges = std::vector<std::pair<int, int>>;

// "ab bc": the links a>b and b>c of the nodes named by letters.
inline ExecGraphEdges Edges(const std::string& iLinks) {
  ExecGraphEdges edges;
  for (size_t at = 0; at + 1 < iLinks.size(); at += 3)
    edges.emplace_back(iLinks[at] - 'a', iLinks[at + 1] - 'a');
  return edges;
}

// Nodes 0..n-1 named "a", "b", ... (then "n<i>"), the links in the order given, sorted
// by parent node as the builder requires. Needs the process's cleaner.
class ExecGraph {
public:
  ExecGraph(int iNodeCount, const ExecGraphEdges& iEdges) {
    for (int index = 0; index < iNodeCount; ++index)
      _Nodes.Append(new ORVExecGraphNodeWithId(Name(index).c_str()));
    for (auto [parent, child] : iEdges)
      _Links.Add(new ORVExecGraphNodeLink(Node(parent), *Node(child)), 1);
    _Links.Sort();
  }

  static std::string Name(int iIndex) {
    return iIndex < 26 ? std::string(1, (char)('a' + iIndex)) : "n" + std::to_string(iIndex);
  }
  ORVExecGraphNode* Node(int iIndex) const {
    return static_cast<ORVExecGraphNode*>(_Nodes[iIndex]);
  }
  const ORVExecGraphStep* Step(int iIndex) const { return Node(iIndex)->GetHStep().Get(); }
  int Rank(int iIndex) const { return Step(iIndex)->GetRank(); }
  int Size() const { return _Nodes.Size(); }

  void Build() { ORVExecGraphBuilder::Build(_Nodes, _Links, _StepLinks); }

  // The name of a step: the names of its nodes, in node order ("-" for null).
  std::string StepName(const ORVExecGraphStep* iStep) const {
    if (!iStep) return "-";
    std::string name;
    for (int index = 0; index < Size(); ++index)
      if (Step(index) == iStep) name += Name(index);
    return name;
  }
  // The steps, "ab c" (each step once, in order of their first node).
  std::string Steps() const {
    std::string steps;
    std::set<const ORVExecGraphStep*> seen;
    for (int index = 0; index < Size(); ++index)
      if (seen.insert(Step(index)).second)
        steps += (steps.empty() ? "" : " ") + StepName(Step(index));
    return steps;
  }
  // The step links in the vector's order (the graph's own by default), "parent>step" each.
  std::vector<std::string> StepLinks(const ORVSortedVector* iLinks = nullptr) const {
    const ORVSortedVector& stepLinks = iLinks ? *iLinks : _StepLinks;
    std::vector<std::string> links;
    for (int index = 0; index < stepLinks.Size(); ++index) {
      auto* link = static_cast<ORVExecGraphStepLink*>(stepLinks[index]);
      links.push_back(StepName(link->GetParentStep()) + ">" + StepName(link->GetStep()));
    }
    return links;
  }
  std::set<std::string> StepLinkSet(const ORVSortedVector* iLinks = nullptr) const {
    std::vector<std::string> links = StepLinks(iLinks);
    return std::set<std::string>(links.begin(), links.end());
  }
  // "name:rank/parent" for each step.
  std::string Ranks() const {
    std::string ranks;
    std::set<const ORVExecGraphStep*> seen;
    for (int index = 0; index < Size(); ++index) {
      const ORVExecGraphStep* step = Step(index);
      if (!seen.insert(step).second) continue;
      ranks += (ranks.empty() ? "" : " ") + StepName(step) + ":" + std::to_string(step->GetRank()) +
               "/" + StepName(step->GetParentStep());
    }
    return ranks;
  }

  ORVVector _Nodes{ORVReleaseElementsAtDelete};
  ORVSortedVector _Links{*ORVExecGraphNodeLinkCmpParentNode::GetGlobal(),
                         ORVReleaseElementsAtDelete};
  ORVSortedVector _StepLinks{*ORVExecGraphStepLinkCmpParentStep::GetGlobal(),
                             ORVReleaseElementsAtDelete};
};
