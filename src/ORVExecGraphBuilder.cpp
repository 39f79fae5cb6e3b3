#include "ORVExecGraphBuilder.h"

#include <vector>

#include "ORVExecGraphNode.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVExecGraphNodeLinkCmpParentNode.h"
#include "ORVExecGraphStepLink.h"
#include "ORVExecGraphStepLinkCmpParentStep.h"
#include "ORVExecGraphStepLinkCmpParentStepStep.h"
#include "ORVExecGraphStepLinkHashParentStepStep.h"
#include "ORVFatal.h"
#include "ORVHashTable.h"
#include "ORVIterator.h"
#include "ORVSortedVector.h"

namespace {

constexpr char kUnsortedNodeLinks[] =
    "NodeLinkSVParentNode must be sorted by ORVExecGraphNodeLinkCmpParentNode";
constexpr int kTableSizeHint = 256;

// A node of the current depth-first walk and the next of its links to follow.
struct Visit {
  ORVExecGraphNode* _pNode;
  int _NextLink;
  int _EndLink;
};

// A run of the walk's path whose nodes share one final step, from path index _Lowest up.
struct Group {
  ORVExecGraphStep* _pStep;
  int _Lowest;
};

}  // namespace

// The node links as the walks read them: each node's links are a run of the vector.
struct ORVExecGraphBuilder::Work {
  const ORVVector& _Nodes;
  PEVBaseUnknown** _pLinks;
  int _LinkCount;

  ORVExecGraphNodeLink* Link(int iIndex) const {
    return static_cast<ORVExecGraphNodeLink*>(_pLinks[iIndex]);
  }
  ORVExecGraphNode* Node(int iIndex) const {
    return ORVCheckedCast<ORVExecGraphNode>(_Nodes[iIndex]);
  }
  Visit Start(ORVExecGraphNode* iNode) const {
    return Visit{iNode, iNode->_BuildFirstLink, iNode->_BuildFirstLink + iNode->_BuildLinkCount};
  }
};

void ORVExecGraphBuilder::Build(const ORVVector& nodes, const ORVSortedVector& NodeLinkSVParentNode,
                                ORVSortedVector& StepLinkSVParentStep) {
  if (!NodeLinkSVParentNode.SearchUsesSort(*ORVExecGraphNodeLinkCmpParentNode::GetGlobal()))
    ORV_FATAL(kUnsortedNodeLinks);
  if (!StepLinkSVParentStep.IsEmpty()) ORV_FATAL("StepLinkSVParentStep must be empty");
  const ORVComparator& stepLinkOrder = *StepLinkSVParentStep.GetComparator();
  if (!ORVComparator::FirstCanBeUsedInSetSortedBySecond(
          stepLinkOrder, *ORVExecGraphStepLinkCmpParentStep::GetGlobal()))
    ORV_FATAL("The comparator of StepLinkSVParentStep = "
              << stepLinkOrder.IsA() << " refuses the comparator "
              << ORVExecGraphStepLinkCmpParentStep::ClassName());
  if (nodes.IsEmpty()) return;

  // Each parent's links as one run: the searches by parent node become direct. A link
  // without parent (or a null element) is never found by such a search: it is skipped.
  Work work{nodes, NodeLinkSVParentNode.Contents(), NodeLinkSVParentNode.Size()};
  for (int index = 0; index < nodes.Size(); ++index) {
    ORVExecGraphNode* node = work.Node(index);
    if (node) node->_BuildFirstLink = -1, node->_BuildLinkCount = 0;
  }
  for (int index = 0; index < work._LinkCount; ++index) {
    const auto* link = ORVCheckedCast<ORVExecGraphNodeLink>(work._pLinks[index]);
    if (!link) continue;
    for (ORVExecGraphNode* node : {link->GetParentNode(), link->GetNode()})
      if (node) node->_BuildFirstLink = -1, node->_BuildLinkCount = 0;
  }
  for (int index = 0; index < work._LinkCount; ++index) {
    const ORVExecGraphNodeLink* link = work.Link(index);
    ORVExecGraphNode* parent = link ? link->GetParentNode() : nullptr;
    if (!parent) continue;
    if (parent->_BuildFirstLink < 0) parent->_BuildFirstLink = index;
    // The run may hold skipped elements (nulls sort by address too); another parent's
    // link inside it means the vector is not in parent order.
    else if (parent->_BuildFirstLink + parent->_BuildLinkCount != index)
      ORV_FATAL(kUnsortedNodeLinks);
    parent->_BuildLinkCount = index - parent->_BuildFirstLink + 1;
  }

  TreatLoops(work);
  AnalyzeSteps(work, StepLinkSVParentStep);
  StepLinkSVParentStep.Sort();
  InitRankAndSetLastParentStep(StepLinkSVParentStep);
}

// The walk of the spec'd loop treatment, with the path kept as a stack of groups: the
// path entries sharing a final step are contiguous, and a final step on the path knows
// its group, so that a link back to the path merges the groups above in constant time
// per merged group instead of searching the path.
void ORVExecGraphBuilder::TreatLoops(Work& ioWork) {
  std::vector<Visit> path;
  std::vector<Group> groups;
  auto enter = [&](ORVExecGraphNode* iNode) {
    ORVExecGraphStep* step = ioWork.Start(iNode)._pNode->GetHStepWithReinit().Get();
    if (step && step->_BuildMark < 0) {
      step->_BuildMark = (int)groups.size();
      groups.push_back(Group{step, (int)path.size()});
    }
    path.push_back(ioWork.Start(iNode));
  };
  for (int index = 0; index < ioWork._Nodes.Size(); ++index) {
    ORVExecGraphNode* start = ioWork.Node(index);
    if (!start) continue;
    if (start->GetBuildStep() != 0) {
      if (index == 0) ORV_FATAL("Build() can't be called twice");
      continue;
    }
    start->SetBuildStep(1);
    enter(start);
    while (!path.empty()) {
      Visit& visit = path.back();
      if (visit._NextLink >= visit._EndLink) {
        if (!groups.empty() && groups.back()._Lowest == (int)path.size() - 1) {
          groups.back()._pStep->_BuildMark = -1;
          groups.pop_back();
        }
        path.pop_back();
        continue;
      }
      const ORVExecGraphNodeLink* link = ioWork.Link(visit._NextLink++);
      if (!link) continue;
      ORVExecGraphNode* child = link->GetNode();
      int buildStep = child->GetBuildStep();
      if (buildStep == 0) {
        child->SetBuildStep(1);
        enter(child);
        continue;
      }
      if (buildStep != 1) ORV_FATAL("BuildStep should be 0 or 1, and it's equal to " << buildStep);
      const ORVExecGraphStepRfHndlr& target = child->GetHStepWithReinit();
      if (!target || target->_BuildMark < 0) continue;  // not on the path: another branch
      while ((int)groups.size() - 1 > target->_BuildMark) {
        groups.back()._pStep->SetHOverride(target);
        groups.back()._pStep->_BuildMark = -1;
        groups.pop_back();
      }
    }
  }
}

// Depth first from every node in order, each node analysed once, as the recursion of
// the step analysis: a step link is made (or found a duplicate) before its child is
// descended into.
void ORVExecGraphBuilder::AnalyzeSteps(Work& ioWork, ORVSortedVector& ioStepLinks) {
  ORVHashTable knownLinks(*ORVExecGraphStepLinkHashParentStepStep::GetGlobal(),
                          *ORVExecGraphStepLinkCmpParentStepStep::GetGlobal(), ORVClearAtDelete,
                          kTableSizeHint);
  ORVHashTable allSteps(ORVDoNothingAtDelete, kTableSizeHint);
  ORVHashTable childSteps(ORVDoNothingAtDelete, kTableSizeHint);
  ORVExecGraphStep unused;
  ORVExecGraphStepLink pattern(nullptr, unused);  // looked up without making a link

  struct Analysis {
    Visit _Visit;
    ORVExecGraphStep* _pStep;
  };
  std::vector<Analysis> branch;
  auto analyze = [&](ORVExecGraphNode* iNode) {
    int buildStep = iNode->GetBuildStep();
    if (buildStep == 2) return;
    if (buildStep != 1) ORV_FATAL("BuildStep should be 1 or 2, and it's equal to " << buildStep);
    iNode->SetBuildStep(2);
    ORVExecGraphStep* step = &*iNode->GetHStepWithReinit();
    if (!allSteps.Contains(step)) allSteps.Add(step, 1);
    branch.push_back(Analysis{ioWork.Start(iNode), step});
  };
  for (int index = 0; index < ioWork._Nodes.Size(); ++index) {
    ORVExecGraphNode* start = ioWork.Node(index);
    if (!start) continue;
    analyze(start);
    while (!branch.empty()) {
      Analysis& analysis = branch.back();
      if (analysis._Visit._NextLink >= analysis._Visit._EndLink) {
        branch.pop_back();
        continue;
      }
      const ORVExecGraphNodeLink* link = ioWork.Link(analysis._Visit._NextLink++);
      if (!link) continue;
      ORVExecGraphNode* child = link->GetNode();
      ORVExecGraphStep* childStep = child->GetHStepWithReinit().Get();
      if (childStep && childStep != analysis._pStep) {
        pattern._pParentStep = analysis._pStep;
        pattern._pStep = childStep;
        if (!knownLinks.LookupOne(&pattern)) {
          auto* stepLink = new ORVExecGraphStepLink(analysis._pStep, *childStep);
          knownLinks.Add(stepLink, 1);
          ioStepLinks.Add(stepLink, 1);
          if (!childSteps.Contains(childStep)) childSteps.Add(childStep, 1);
        }
      }
      analyze(child);  // may grow the branch: `analysis` is not used after
    }
  }

  int roots = 0;
  ORVIterator* steps = allSteps.MakeIterator(nullptr);
  while (PEVBaseUnknown* element = steps->Next()) {
    if (childSteps.Contains(element)) continue;
    ioStepLinks.Add(new ORVExecGraphStepLink(nullptr, *static_cast<ORVExecGraphStep*>(element)), 1);
    ++roots;
  }
  steps->Release();
  if (roots == 0) ORV_FATAL("No root step found");
}

// Ranks as longest paths from the roots: roots 1, every other step 1 + the largest rank
// of its parent steps, taken in a topological order (each link once). Of the parents
// that give a step its rank, the one recorded is the last met by a depth-first walk
// from the roots in link order, as the propagation that records the last parent.
void ORVExecGraphBuilder::InitRankAndSetLastParentStep(const ORVSortedVector& iStepLinks) {
  PEVBaseUnknown** contents = iStepLinks.Contents();
  int count = iStepLinks.Size();
  auto linkAt = [contents](int iIndex) {
    return static_cast<ORVExecGraphStepLink*>(contents[iIndex]);
  };
  for (int index = 0; index < count; ++index) {
    ORVExecGraphStepLink* link = ORVCheckedCast<ORVExecGraphStepLink>(contents[index]);
    for (ORVExecGraphStep* step : {link->GetParentStep(), link->GetStep()})
      if (step)
        step->_BuildMark = -1, step->_BuildLinks = 0, step->_BuildPending = 0,
        step->_BuildOrder = 0;
  }
  // Each parent's links as a run (the vector is sorted by parent step); roots first.
  int rootFirst = -1;
  int rootEnd = -1;
  for (int index = 0; index < count; ++index) {
    ORVExecGraphStepLink* link = linkAt(index);
    ORVExecGraphStep* parent = link->GetParentStep();
    if (!parent) {
      if (rootFirst < 0)
        rootFirst = index;
      else if (rootEnd != index)
        ORV_FATAL("StepLinkSVParentStep must be sorted by parent step");
      rootEnd = index + 1;
      continue;
    }
    ++link->GetStep()->_BuildPending;
    if (parent->_BuildMark < 0)
      parent->_BuildMark = index;
    else if (parent->_BuildMark + parent->_BuildLinks != index)
      ORV_FATAL("StepLinkSVParentStep must be sorted by parent step");
    ++parent->_BuildLinks;
  }
  if (rootFirst < 0) return;
  auto runOf = [](const ORVExecGraphStep* iStep) {
    return Visit{nullptr, iStep->_BuildMark, iStep->_BuildMark + iStep->_BuildLinks};
  };

  // Depth-first order of first visits.
  int order = 0;
  std::vector<Visit> branch;
  branch.push_back(Visit{nullptr, rootFirst, rootEnd});
  while (!branch.empty()) {
    Visit& visit = branch.back();
    if (visit._NextLink >= visit._EndLink) {
      branch.pop_back();
      continue;
    }
    ORVExecGraphStep* step = linkAt(visit._NextLink++)->GetStep();
    if (step->_BuildOrder != 0) continue;
    step->_BuildOrder = ++order;
    if (step->_BuildLinks > 0) branch.push_back(runOf(step));
  }

  // Topological order: a step is ranked once all its parent steps are.
  std::vector<ORVExecGraphStep*> ready;
  for (int index = rootFirst; index < rootEnd; ++index) {
    ORVExecGraphStep* root = linkAt(index)->GetStep();
    root->SetRankIfGreater(1);
    root->SetParentStep(nullptr);
    ready.push_back(root);
  }
  for (size_t next = 0; next < ready.size(); ++next) {
    ORVExecGraphStep* parent = ready[next];
    Visit run = runOf(parent);
    for (int index = run._NextLink; index < run._EndLink; ++index) {
      ORVExecGraphStep* step = linkAt(index)->GetStep();
      int rank = parent->GetRank() + 1;
      const ORVExecGraphStep* recorded = step->GetParentStep();
      if (rank > step->GetRank() ||
          (rank == step->GetRank() && recorded && parent->_BuildOrder > recorded->_BuildOrder)) {
        step->SetRankIfGreater(rank);
        step->SetParentStep(parent);
      }
      if (--step->_BuildPending == 0) ready.push_back(step);
    }
  }
  for (ORVExecGraphStep* step : ready)
    step->_BuildMark = -1;
}
