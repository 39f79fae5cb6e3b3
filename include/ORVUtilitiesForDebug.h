// ORVUtilitiesForDebug.h - listings of the library's structures for debugging.
//
// DisplayExecGraph shows a built execution graph as a tree of ranked steps, one line
// per step under the parent step recorded for it, depth first; the walk is iterative,
// so graphs as deep as millions of steps are shown on a small stack. No instances.
#pragma once

#include "ORVExport.h"

class ORVExecGraphStep;
class ORVMessageDisplay;
class ORVSortedVector;

class ORV_EXPORT ORVUtilitiesForDebug {
public:
  ORVUtilitiesForDebug() = delete;

  // Each step below iParent (all of them for null): "> <rank>: " then, for each node of
  // the step found in nodesByStep (ORVExecGraphNodeWithId objects searched by step with
  // its own comparator), a blank and the identifier in double quotes.
  static void DisplayExecGraph(const ORVExecGraphStep* iParent, const ORVSortedVector& stepLinks,
                               const ORVSortedVector& nodesByStep, ORVMessageDisplay& display);
};
