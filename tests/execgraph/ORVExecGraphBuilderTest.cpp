// Tests of ORVExecGraphBuilder and ORVUtilitiesForDebug::DisplayExecGraph: the steps,
// step links and ranks of small graphs, a property check against an independent
// reference over random graphs, deep inputs on a small stack, the fatal misuses and the
// exact listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ExecGraphTestSupport.h"
#include "ORVMessageDisplayToString.h"
#include "ORVUtilitiesForDebug.h"
#include "SuiteHelpers.h"

namespace {

const char kBuilderSource[] = "src/ORVExecGraphBuilder.cpp";

// Graphs that once went wrong or show a rule: the node count and the links.
const std::pair<int, const char*> kGraphs[] = {
    {0, ""},
    {1, "aa"},                 // a self-link keeps the root link
    {2, "ab ab"},              // parallel links
    {5, "ab bc cb cd da de"},  // a cycle inside a cycle
    {4, "ab bc cb ad dc"},     // a link into a finished cycle
    {4, "ab bc cd dc cb ba"},  // nested cycles closed deepest first
    {6, "fe ed dc ab cb"},     // links given against the order
};

// Builds the graph into its own step links or, with iOwn, into a vector with its own
// comparator of the same class, which sorts itself with the same result; checks them
// against a reference computed from the transitive closure: the steps are the strongly
// connected components, the step links the condensation's edges, and every rank is 1
// at the roots and 1 + the largest parent rank elsewhere, that parent recorded.
void ExpectAsTheReference(int iCount, const ExecGraphEdges& iEdges, bool iOwn) {
  ExecGraph graph(iCount, iEdges);
  ORVExecGraphStepLinkCmpParentStep ownOrder;
  ORVSortedVector ownLinks(ownOrder, ORVReleaseElementsAtDelete);
  ORVSortedVector& links = iOwn ? ownLinks : graph._StepLinks;
  ORVExecGraphBuilder::Build(graph._Nodes, graph._Links, links);
  ASSERT_TRUE(links.IsSorted());
  for (int index = 1; index < links.Size(); ++index)
    ASSERT_LE(ownOrder.CompareObjects(links[index - 1], links[index]), 0);
  std::vector<std::vector<bool>> reaches(iCount, std::vector<bool>(iCount, false));
  for (auto [parent, child] : iEdges)
    reaches[parent][child] = true;
  for (int via = 0; via < iCount; ++via)
    for (int from = 0; from < iCount; ++from)
      for (int to = 0; to < iCount; ++to)
        if (reaches[from][via] && reaches[via][to]) reaches[from][to] = true;
  std::vector<int> component(iCount);  // the lowest node of each node's component
  for (int node = iCount - 1; node >= 0; --node)
    for (int other = node; other < iCount; ++other)
      if (other == node || (reaches[node][other] && reaches[other][node])) component[other] = node;
  std::set<std::pair<int, int>> condensed;
  for (auto [parent, child] : iEdges)
    if (component[parent] != component[child])
      condensed.emplace(component[parent], component[child]);
  // The longest path over the condensation, by component: 1 only at the roots.
  std::vector<int> rank(iCount, 1);
  std::multiset<std::string> expected;
  for (auto [parent, child] : condensed)
    expected.insert(graph.StepName(graph.Step(parent)) + ">" + graph.StepName(graph.Step(child)));
  for (int pass = 0; pass < iCount; ++pass)
    for (auto [parent, child] : condensed)
      rank[child] = std::max(rank[child], rank[parent] + 1);
  std::set<const ORVExecGraphStep*> steps;
  for (int node = 0; node < iCount; ++node) {
    const ORVExecGraphStep* step = graph.Step(node);
    const ORVExecGraphStep* recorded = step->GetParentStep();
    ASSERT_EQ(graph.Node(node)->GetBuildStep(), 2);
    ASSERT_EQ(step, graph.Step(component[node]));
    ASSERT_EQ(step->GetRank(), rank[component[node]]);
    ASSERT_EQ(recorded == nullptr, rank[component[node]] == 1);
    if (recorded) {
      ASSERT_EQ(recorded->GetRank() + 1, step->GetRank());
      ASSERT_EQ(expected.count(graph.StepName(recorded) + ">" + graph.StepName(step)), 1u);
    }
    if (steps.insert(step).second && !recorded) expected.insert("->" + graph.StepName(step));
  }
  ASSERT_EQ(steps.size(), std::set<int>(component.begin(), component.end()).size());
  ASSERT_EQ(graph.StepLinks(links), expected);  // each once
}

// Builds and lists a graph: "lines shown, step links, rank of the last node", then the
// listing.
std::pair<std::string, std::string> BuildAndList(int iNodeCount, const ExecGraphEdges& iEdges) {
  ExecGraph graph(iNodeCount, iEdges);
  graph.Build();
  ORVSortedVector nodes(*ORVExecGraphNodeCmpStep::GetGlobal(), ORVDoNothingAtDelete);
  for (int index = 0; index < iNodeCount; ++index)
    nodes.Add(graph.Node(index), ORVNotify);
  nodes.Sort();
  ORVMessageDisplayToString display;
  ORVUtilitiesForDebug::DisplayExecGraph(nullptr, graph._StepLinks, nodes, display);
  std::string listing = Utf8(display.GetMessage());
  return {std::to_string(std::count(listing.begin(), listing.end(), '\n')) + " " +
              std::to_string(graph._StepLinks.Size()) + " " +
              std::to_string(graph.Step(iNodeCount - 1)->GetRank()),
          listing};
}

}  // namespace

TEST(ORVExecGraphBuilderTest, GraphsMatchTheirComponentsAndLongestPathsAndListEachStepOnce) {
  ORVGlobalObjectCleaner cleaner;
  for (const auto& [count, links] : kGraphs)
    for (bool own : {false, true}) {
      SCOPED_TRACE(std::string(links) + (own ? ", own comparator" : ""));
      ExpectAsTheReference(count, Edges(links), own);
    }
  std::mt19937 random(13);
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE(round);
    int count = 1 + (int)(random() % 9);
    int edgeCount = (int)(random() % (2 * count + 3));
    ExecGraphEdges edges;
    for (int edge = 0; edge < edgeCount; ++edge)
      edges.emplace_back((int)(random() % count), (int)(random() % count));
    ExpectAsTheReference(count, edges, round % 2);
  }
  // The listing shows each step once, depth first, under its recorded parent: a cycle shown as one
  // line; the self-link adds nothing.
  EXPECT_EQ(BuildAndList(4, Edges("ab bc cb cd dd")).second,
            "> 1:  \"a\"\n> 2:  \"b\" \"c\"\n> 3:  \"d\"\n");
  // c has two parents: shown once, under the one that gives its rank.
  EXPECT_EQ(BuildAndList(3, Edges("ab bc ac")).second, "> 1:  \"a\"\n> 2:  \"b\"\n> 3:  \"c\"\n");
}

// Deep inputs on a 1 MiB stack: a 40-layer ladder (2^40 paths), a chain and a single
// cycle of 100 000 nodes, a chain whose every node links back to the first, and a wide cycle.
TEST(ORVExecGraphBuilderTest, DeepInputsBuildAndListOnASmallStack) {
  ORVGlobalObjectCleaner cleaner;
  constexpr int kLength = 100000;
  ASSERT_TRUE(RunWithStack(1 << 20, [&] {
    ExecGraphEdges edges;
    for (int layer = 0; layer + 1 < 40; ++layer)
      for (int from = 0; from < 2; ++from)
        for (int to = 0; to < 2; ++to)
          edges.emplace_back(2 * layer + from, 2 * layer + 2 + to);
    EXPECT_EQ(BuildAndList(80, edges).first, "80 158 40");
    edges.clear();
    for (int node = 0; node + 1 < kLength; ++node)
      edges.emplace_back(node, node + 1);
    const auto chain = BuildAndList(kLength, edges);
    EXPECT_EQ(chain.first, "100000 100000 100000");
    EXPECT_EQ(chain.second.substr(chain.second.rfind('>')), "> 100000:  \"n99999\"\n");
    edges.emplace_back(kLength - 1, 0);
    const auto cycle = BuildAndList(kLength, edges);
    EXPECT_EQ(cycle.first, "1 1 1");
    EXPECT_EQ(std::count(cycle.second.begin(), cycle.second.end(), '"'), 2 * kLength);
    edges.pop_back();
    for (int node = 1; node < kLength; ++node)
      edges.emplace_back(node, 0);
    EXPECT_EQ(BuildAndList(kLength, edges).first, "1 1 1");
    // A cycle with a thousand children: more links of one shared step than the table
    // of known links first holds.
    edges = {{0, 1}, {1, 0}};
    for (int node = 2; node < 1002; ++node)
      edges.emplace_back(node % 2, node);
    EXPECT_EQ(BuildAndList(1002, edges).first, "1001 1001 2");
  }));
}

// Built twice into another vector, into the filled one (the step links are checked
// first), from links not sorted, into a vector sorted by address.
TEST(ORVExecGraphBuilderTest, MisuseEndsWithTheFatalTextsInTheirOrder) {
  ORVGlobalObjectCleaner cleaner;
  const char* const texts[] = {
      "Build() can't be called twice", "StepLinkSVParentStep must be empty",
      "NodeLinkSVParentNode must be sorted by ORVExecGraphNodeLinkCmpParentNode",
      ("The comparator of StepLinkSVParentStep = PEVBaseUnknownCmpAddr refuses the comparator "
       "ORVExecGraphStepLinkCmpParentStep")};
  for (int misuse = 0; misuse < 4; ++misuse)
    ExpectFatalReport(
        [misuse] {
          ExecGraph graph(3, Edges("ab bc"));
          ORVSortedVector empty(*ORVExecGraphStepLinkCmpParentStep::GetGlobal(),
                                ORVDoNothingAtDelete),
              byAddress(ORVDoNothingAtDelete);
          if (misuse < 2) graph.Build();
          if (misuse == 2) graph._Links.SetIsSorted(0, 0);
          ORVExecGraphBuilder::Build(graph._Nodes, graph._Links,
                                     misuse == 0   ? empty
                                     : misuse == 3 ? byAddress
                                                   : graph._StepLinks);
        },
        texts[misuse], kBuilderSource);
}
