// ORVExecGraphBuilder.h - turns execution-graph nodes and their dependencies into ranked
// steps: every cycle collapses into one shared step, the steps are linked by one step
// link per distinct dependency plus one root link per step without parent.
//
// The step links go into the caller's vector, each with the one reference it was made
// with: the caller releases them. The nodes and node links stay the caller's. Every walk
// is iterative and the whole build is linear in nodes plus links (besides the sort of
// the step links), so inputs of millions of nodes build on a small stack. Misuse is a
// fatal internal error. No instances; single-threaded (nodes carry build state).
#pragma once

#include "ORVExport.h"

#include <vector>

class ORVExecGraphStepLink;
class ORVSortedVector;
class ORVVector;

class ORV_EXPORT ORVExecGraphBuilder {
public:
  ORVExecGraphBuilder() = delete;

  // nodes: ORVExecGraphNode objects not built before. NodeLinkSVParentNode: the
  // ORVExecGraphNodeLink objects, sorted for ORVExecGraphNodeLinkCmpParentNode.
  // StepLinkSVParentStep: empty, its comparator compatible with
  // ORVExecGraphStepLinkCmpParentStep; receives the step links, sorted.
  static void Build(const ORVVector& nodes, const ORVSortedVector& NodeLinkSVParentNode,
                    ORVSortedVector& StepLinkSVParentStep);

private:
  struct Work;
  class KnownLinks;
  static void TreatLoops(Work& ioWork);
  // Gives the number of steps.
  static std::size_t AnalyzeSteps(Work& ioWork, std::vector<ORVExecGraphStepLink*>& oLinks);
  static int StoreSorted(std::vector<ORVExecGraphStepLink*>& ioLinks, ORVSortedVector& oStepLinks);
  static void InitRankAndSetLastParentStep(const ORVSortedVector& iStepLinks,
                                           std::size_t iStepCount, int iRoots);

  // Numbers the builds, so that the working state a node keeps of another build is
  // known as stale without clearing it.
  static unsigned int _BuildGeneration;
};
