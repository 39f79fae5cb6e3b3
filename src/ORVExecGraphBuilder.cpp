#include "ORVExecGraphBuilder.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "ORVExecGraphNode.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVExecGraphNodeLinkCmpParentNode.h"
#include "ORVExecGraphStepLink.h"
#include "ORVExecGraphStepLinkCmpParentStep.h"
#include "ORVFatal.h"
#include "ORVSortedVector.h"

namespace {

constexpr char kUnsortedNodeLinks[] =
    "NodeLinkSVParentNode must be sorted by ORVExecGraphNodeLinkCmpParentNode";
constexpr int kTableSizeHint = 256;

// Marks of the loop treatment and the step analysis on a step.
enum : int { kStepMet = 1, kStepIsChild = 2, kStepShared = 4 };

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

unsigned int ORVExecGraphBuilder::_BuildGeneration = 0;

// The node links as the walks read them: each node's links are a run of the vector.
struct ORVExecGraphBuilder::Work {
  const ORVVector& _Nodes;
  PEVBaseUnknown** _pLinks;
  // The child of each link, read in a row by the walks instead of through each link.
  std::vector<ORVExecGraphNode*> _Children;
  int _LinkCount;

  ORVExecGraphNodeLink* Link(int iIndex) const {
    return static_cast<ORVExecGraphNodeLink*>(_pLinks[iIndex]);
  }
  ORVExecGraphNode* Node(int iIndex) const {
    return ORVCheckedCast<ORVExecGraphNode>(_Nodes[iIndex]);
  }
  Visit Start(ORVExecGraphNode* iNode) const {
    if (iNode->_BuildGeneration != _BuildGeneration) return Visit{iNode, 0, 0};  // no links
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
  // A node's run counts only when made by this build, so no pass clears the old ones.
  if (++_BuildGeneration == 0) ++_BuildGeneration;
  Work work{nodes, NodeLinkSVParentNode.Contents(), {}, NodeLinkSVParentNode.Size()};
  work._Children.assign((std::size_t)work._LinkCount, nullptr);
  for (int index = 0; index < work._LinkCount; ++index) {
    const auto* link = ORVCheckedCast<ORVExecGraphNodeLink>(work._pLinks[index]);
    if (!link) continue;
    work._Children[index] = link->GetNode();
    ORVExecGraphNode* parent = link->GetParentNode();
    if (!parent) continue;
    if (parent->_BuildGeneration != _BuildGeneration) {
      parent->_BuildGeneration = _BuildGeneration;
      parent->_BuildFirstLink = index;
    }
    // The run may hold skipped elements (nulls sort by address too); another parent's
    // link inside it means the vector is not in parent order.
    else if (parent->_BuildFirstLink + parent->_BuildLinkCount != index)
      ORV_FATAL(kUnsortedNodeLinks);
    parent->_BuildLinkCount = index - parent->_BuildFirstLink + 1;
  }

  TreatLoops(work);
  std::vector<ORVExecGraphStepLink*> stepLinks;
  std::size_t stepCount = AnalyzeSteps(work, stepLinks);
  int roots = StoreSorted(stepLinks, StepLinkSVParentStep);
  InitRankAndSetLastParentStep(StepLinkSVParentStep, stepCount, roots);
}

// The depth-first loop treatment, with the path kept as a stack of groups: the
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
      ORVExecGraphNode* child = ioWork._Children[visit._NextLink++];
      if (!child) continue;
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
        target->_BuildLinks |= kStepShared;
        groups.pop_back();
      }
    }
  }
}

// The step links made so far, found by parent step and step: open addressing over the
// links themselves, so that a lookup costs no allocation and no virtual call.
class ORVExecGraphBuilder::KnownLinks {
public:
  KnownLinks() : _Slots(2 * (std::size_t)kTableSizeHint, nullptr) {}
  ORVExecGraphStepLink* Find(const ORVExecGraphStep* iParent, const ORVExecGraphStep* iStep) const {
    for (std::size_t slot = Slot(iParent, iStep);; slot = (slot + 1) & (_Slots.size() - 1)) {
      ORVExecGraphStepLink* link = _Slots[slot];
      if (!link || (link->_pParentStep == iParent && link->_pStep == iStep)) return link;
    }
  }
  void Add(ORVExecGraphStepLink* iLink) {
    if (4 * (_Count + 1) > 3 * _Slots.size()) Grow();
    Place(iLink);
    ++_Count;
  }

private:
  std::size_t Slot(const ORVExecGraphStep* iParent, const ORVExecGraphStep* iStep) const {
    uint64_t code = (uint64_t)(uintptr_t)iParent * 0x9E3779B97F4A7C15ull ^
                    (uint64_t)(uintptr_t)iStep * 0xC2B2AE3D27D4EB4Full;
    return (std::size_t)(code ^ code >> 29) & (_Slots.size() - 1);
  }
  void Place(ORVExecGraphStepLink* iLink) {
    std::size_t slot = Slot(iLink->_pParentStep, iLink->_pStep);
    while (_Slots[slot])
      slot = (slot + 1) & (_Slots.size() - 1);
    _Slots[slot] = iLink;
  }
  void Grow() {
    std::vector<ORVExecGraphStepLink*> old(2 * _Slots.size(), nullptr);
    old.swap(_Slots);
    for (ORVExecGraphStepLink* link : old)
      if (link) Place(link);
  }

  std::vector<ORVExecGraphStepLink*> _Slots;
  std::size_t _Count = 0;
};

// Depth first from every node in order, each node analysed once, as the recursion of
// the step analysis: a step link is made (or found a duplicate) before its child is
// descended into. The steps met and the child steps are marks on the steps.
std::size_t ORVExecGraphBuilder::AnalyzeSteps(Work& ioWork,
                                              std::vector<ORVExecGraphStepLink*>& oLinks) {
  KnownLinks knownLinks;
  std::vector<ORVExecGraphStep*> allSteps;

  struct Analysis {
    Visit _Visit;
    ORVExecGraphStep* _pStep;
  };
  std::vector<Analysis> branch;
  auto link = [&](ORVExecGraphStep* iParent, ORVExecGraphStep* iStep) {
    auto* stepLink = new ORVExecGraphStepLink(iParent, *iStep);
    oLinks.push_back(stepLink);
    iStep->_BuildLinks |= kStepIsChild;
    ++iStep->_BuildPending;  // parents to rank first
    return stepLink;
  };
  auto analyze = [&](ORVExecGraphNode* iNode) {
    int buildStep = iNode->GetBuildStep();
    if (buildStep == 2) return;
    if (buildStep != 1) ORV_FATAL("BuildStep should be 1 or 2, and it's equal to " << buildStep);
    iNode->SetBuildStep(2);
    ORVExecGraphStep* step = &*iNode->GetHStepWithReinit();
    if (!(step->_BuildLinks & kStepMet)) {
      step->_BuildLinks |= kStepMet;
      allSteps.push_back(step);
    }
    Visit visit = ioWork.Start(iNode);
    // A step of one node gets all its links here, in the node's link order, as the walk
    // would make them: a mark on the child step then finds the duplicates, no table.
    if (!(step->_BuildLinks & kStepShared))
      for (int index = visit._NextLink; index < visit._EndLink; ++index) {
        ORVExecGraphNode* child = ioWork._Children[index];
        ORVExecGraphStep* childStep = child ? child->GetHStepWithReinit().Get() : nullptr;
        if (!childStep || childStep == step || childStep->_pBuildLastParent == step) continue;
        childStep->_pBuildLastParent = step;
        link(step, childStep);
      }
    branch.push_back(Analysis{visit, step});
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
      ORVExecGraphNode* child = ioWork._Children[analysis._Visit._NextLink++];
      if (!child) continue;
      // The links of a shared step come from several nodes, at several times.
      if (analysis._pStep->_BuildLinks & kStepShared) {
        ORVExecGraphStep* childStep = child->GetHStepWithReinit().Get();
        if (childStep && childStep != analysis._pStep &&
            !knownLinks.Find(analysis._pStep, childStep))
          knownLinks.Add(link(analysis._pStep, childStep));
      }
      analyze(child);  // may grow the branch: `analysis` is not used after
    }
  }

  int roots = 0;
  for (ORVExecGraphStep* step : allSteps) {
    if (!(step->_BuildLinks & kStepIsChild)) {
      oLinks.push_back(new ORVExecGraphStepLink(nullptr, *step));
      ++roots;
    }
    step->_BuildLinks = 0;
  }
  if (roots == 0) ORV_FATAL("No root step found");
  return allSteps.size();
}

// The step links into the caller's vector, sorted by parent step; the number of root
// links when each parent step then knows its run of links, or -1. With the vector's own
// comparator the vector sorts itself; with the usual one the order is made here, by the
// parent-step address as that comparator compares, keeping the order of making within
// a parent: only the parent steps are sorted, then each link goes to its parent's run.
int ORVExecGraphBuilder::StoreSorted(std::vector<ORVExecGraphStepLink*>& ioLinks,
                                     ORVSortedVector& oStepLinks) {
  if (oStepLinks.GetComparator() != ORVExecGraphStepLinkCmpParentStep::GetGlobal()) {
    for (ORVExecGraphStepLink* link : ioLinks)
      oStepLinks.Append(link);
    oStepLinks.Sort();
    return -1;
  }
  // The analysis left every step without links counted.
  std::vector<ORVExecGraphStep*> parents;
  int roots = 0;
  for (ORVExecGraphStepLink* link : ioLinks) {
    ORVExecGraphStep* parent = link->_pParentStep;
    if (!parent) {
      ++roots;
      continue;
    }
    if (parent->_BuildLinks++ == 0) parents.push_back(parent);
  }
  std::sort(parents.begin(), parents.end(),
            [](const ORVExecGraphStep* iFirst, const ORVExecGraphStep* iSecond) {
              return (uintptr_t)iFirst < (uintptr_t)iSecond;
            });
  int start = roots;
  for (ORVExecGraphStep* parent : parents) {
    parent->_BuildMark = start;
    start += parent->_BuildLinks;
    parent->_BuildLinks = 0;  // counts again as the run fills
  }
  std::vector<ORVExecGraphStepLink*> placed(ioLinks.size(), nullptr);
  int rootFill = 0;
  for (ORVExecGraphStepLink* link : ioLinks) {
    ORVExecGraphStep* parent = link->_pParentStep;
    placed[parent ? parent->_BuildMark + parent->_BuildLinks++ : rootFill++] = link;
  }
  std::vector<ORVExecGraphStepLink*>().swap(ioLinks);
  for (ORVExecGraphStepLink* link : placed)
    oStepLinks.Append(link);
  oStepLinks.SetIsSorted(1, 0);
  return roots;
}

// Ranks as longest paths from the roots: roots 1, every other step 1 + the largest rank
// of its parent steps, taken in a topological order (each link once). The parent
// recorded is the first, in that order, to give the step its final rank.
void ORVExecGraphBuilder::InitRankAndSetLastParentStep(const ORVSortedVector& iStepLinks,
                                                       std::size_t iStepCount, int iRoots) {
  PEVBaseUnknown** contents = iStepLinks.Contents();
  int count = iStepLinks.Size();
  auto linkAt = [contents](int iIndex) {
    return static_cast<ORVExecGraphStepLink*>(contents[iIndex]);
  };
  // The links are the build's own (no check needed); the analysis left every step off
  // the path, without links counted and with its parent links counted as pending.
  // Each parent's links as a run (the vector is sorted by parent step); roots first.
  // The runs are known already when iRoots is not negative.
  int rootFirst = iRoots > 0 ? 0 : -1;
  int rootEnd = iRoots > 0 ? iRoots : -1;
  for (int index = 0; iRoots < 0 && index < count; ++index) {
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

  // Topological order: a step is ranked once all its parent steps are.
  std::vector<ORVExecGraphStep*> ready;
  ready.reserve(iStepCount);
  for (int index = rootFirst; index < rootEnd; ++index) {
    ORVExecGraphStep* root = linkAt(index)->GetStep();
    root->SetRankIfGreater(1);
    root->SetParentStep(nullptr);
    ready.push_back(root);
  }
  for (size_t next = 0; next < ready.size(); ++next) {
    ORVExecGraphStep* parent = ready[next];
    Visit run = runOf(parent);
    parent->_BuildMark = -1;  // off any path again
    for (int index = run._NextLink; index < run._EndLink; ++index) {
      ORVExecGraphStep* step = linkAt(index)->GetStep();
      int rank = parent->GetRank() + 1;
      if (rank > step->GetRank()) {
        step->SetRankIfGreater(rank);
        step->SetParentStep(parent);
      }
      if (--step->_BuildPending == 0) ready.push_back(step);
    }
  }
  // Every step is ranked once all its parents are: a step still waiting, or never
  // reached, means the step links are not the acyclic graph the analysis makes.
  if (ready.size() != iStepCount) ORV_FATAL("A step was left without rank");
}
