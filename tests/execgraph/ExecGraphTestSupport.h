// ExecGraphTestSupport.h - a graph of named nodes with its links, built by the builder,
// described in letters for the assertions of the execution-graph suite.
#pragma once

#include <set>
#include <string>
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
  void Build() { ORVExecGraphBuilder::Build(_Nodes, _Links, _StepLinks); }

  // The name of a step: the names of its nodes, in node order ("-" for null).
  std::string StepName(const ORVExecGraphStep* iStep) const {
    std::string name;
    for (int index = 0; index < _Nodes.Size(); ++index)
      if (Step(index) == iStep) name += Name(index);
    return iStep ? name : "-";
  }
  // The step links of iLinks, "parent>step" each.
  std::multiset<std::string> StepLinks(const ORVSortedVector& iLinks) const {
    std::multiset<std::string> links;
    for (int index = 0; index < iLinks.Size(); ++index) {
      auto* link = static_cast<ORVExecGraphStepLink*>(iLinks[index]);
      links.insert(StepName(link->GetParentStep()) + ">" + StepName(link->GetStep()));
    }
    return links;
  }

  ORVVector _Nodes{ORVReleaseElementsAtDelete};
  ORVSortedVector _Links{*ORVExecGraphNodeLinkCmpParentNode::GetGlobal(),
                         ORVReleaseElementsAtDelete};
  ORVSortedVector _StepLinks{*ORVExecGraphStepLinkCmpParentStep::GetGlobal(),
                             ORVReleaseElementsAtDelete};
};
