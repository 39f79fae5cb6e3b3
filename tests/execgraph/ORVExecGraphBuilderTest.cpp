// Tests of ORVExecGraphBuilder and ORVUtilitiesForDebug::DisplayExecGraph: the steps,
// step links and ranks of small graphs, a property check against an independent
// reference over random graphs, deep inputs on a small stack, the fatal misuses and the
// exact listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

#include "ExecGraphTestSupport.h"
#include "ORVMessageDisplayToString.h"
#include "ORVUtilitiesForDebug.h"
#include "SuiteHelpers.h"

namespace {

const char kBuilderSource[] = "src/ORVExecGraphBuilder.cpp";

class ORVExecGraphBuilderTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
};

struct GraphCase {
  const char* _Name;
  int _NodeCount;
  const char* _Edges;  // "ab bc": a>b, b>c
  const char* _Steps;
  const char* _StepLinks;  // in any order
  const char* _Ranks;      // name:rank/recorded parent
};

enum { a, b, c, d, e, f };

const GraphCase kCases[] = {
    {"no node", 0, "", "", "", ""},
    {"single node", 1, "", "a", "->a", "a:1/-"},
    {"chain", 3, "ab bc", "a b c", "->a a>b b>c", "a:1/- b:2/a c:3/b"},
    {"two-cycle", 2, "ab ba", "ab", "->ab", "ab:1/-"},
    {"self-link keeps the root link", 1, "aa", "a", "->a", "a:1/-"},
    {"diamond", 4, "ab ac bd cd", "a b c d", "->a a>b a>c b>d c>d", ""},
    {"shortcut", 3, "ab bc ac", "a b c", "->a a>b b>c a>c", "a:1/- b:2/a c:3/b"},
    {"parallel links", 2, "ab ab", "a b", "->a a>b", "a:1/- b:2/a"},
    {"cycle below a root", 3, "ab bc cb", "a bc", "->a a>bc", "a:1/- bc:2/a"},
    {"two disjoint cycles", 4, "ab ba cd dc", "ab cd", "->ab ->cd", "ab:1/- cd:1/-"},
    {"cycle inside a cycle", 5, "ab bc cb cd da de", "abcd e", "->abcd abcd>e",
     "abcd:1/- e:2/abcd"},
    {"two paths of different lengths", 4, "ad ab bc cd", "a b c d", "->a a>d a>b b>c c>d",
     "a:1/- b:2/a c:3/b d:4/c"},
    {"child reached first from the shorter side", 5, "ac ab bc cd de", "a b c d e",
     "->a a>c a>b b>c c>d d>e", "a:1/- b:2/a c:3/b d:4/c e:5/d"},
    {"cross link into a finished cycle", 4, "ab bc cb ad dc", "a bc d", "->a a>bc a>d d>bc",
     "a:1/- bc:3/d d:2/a"},
    {"nested cycles closed deepest first", 4, "ab bc cd dc cb ba", "abcd", "->abcd", "abcd:1/-"},
    {"links given against the order", 6, "fe ed dc ab cb", "a b c d e f",
     "->a ->f a>b c>b d>c e>d f>e", "a:1/- b:5/c c:4/d d:3/e e:2/f f:1/-"},
};

std::set<std::string> Words(const std::string& iText) {
  std::istringstream words(iText);
  return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

}  // namespace

// Into the graph's step links (sorted by the global comparator) and into a vector with
// its own comparator of the same class, which sorts itself with the same result.
TEST_F(ORVExecGraphBuilderTest, SmallGraphsGiveTheirStepsLinksAndLongestPathRanks) {
  ORVExecGraphStepLinkCmpParentStep ownOrder;
  for (const GraphCase& graphCase : kCases)
    for (bool own : {false, true}) {
      SCOPED_TRACE(std::string(graphCase._Name) + (own ? ", own comparator" : ""));
      ExecGraph graph(graphCase._NodeCount, Edges(graphCase._Edges));
      ORVSortedVector ownLinks(ownOrder, ORVReleaseElementsAtDelete);
      ORVSortedVector& links = own ? ownLinks : graph._StepLinks;
      ORVExecGraphBuilder::Build(graph._Nodes, graph._Links, links);
      EXPECT_EQ(graph.Steps(), graphCase._Steps);
      EXPECT_EQ(graph.StepLinkSet(&links), Words(graphCase._StepLinks));
      EXPECT_EQ(graph.StepLinks(&links).size(), Words(graphCase._StepLinks).size())
          << "duplicate step links";
      EXPECT_TRUE(links.IsSorted());
      for (int index = 1; index < links.Size(); ++index)
        EXPECT_LE(ownOrder.CompareObjects(links[index - 1], links[index]), 0);
      if (*graphCase._Ranks) {
        EXPECT_EQ(graph.Ranks(), graphCase._Ranks);
      }
      for (int node = 0; node < graph.Size(); ++node)
        EXPECT_EQ(graph.Node(node)->GetBuildStep(), 2);
    }
}

// Random small graphs against a reference computed from the transitive closure: the
// steps are the strongly connected components, the step links the condensation's
// edges, and every rank is 1 at the roots and 1 + the largest parent rank elsewhere.
TEST_F(ORVExecGraphBuilderTest, RandomGraphsMatchTheirComponentsAndLongestPaths) {
  std::mt19937 random(13);
  for (int round = 0; round < 3000; ++round) {
    int count = 1 + (int)(random() % 9);
    int edgeCount = (int)(random() % (2 * count + 3));
    ExecGraphEdges edges;
    for (int edge = 0; edge < edgeCount; ++edge)
      edges.emplace_back((int)(random() % count), (int)(random() % count));
    ExecGraph graph(count, edges);
    graph.Build();

    std::vector<std::vector<bool>> reaches(count, std::vector<bool>(count, false));
    for (int node = 0; node < count; ++node)
      reaches[node][node] = true;
    for (auto [parent, child] : edges)
      reaches[parent][child] = true;
    for (int via = 0; via < count; ++via)
      for (int from = 0; from < count; ++from)
        for (int to = 0; to < count; ++to)
          if (reaches[from][via] && reaches[via][to]) reaches[from][to] = true;
    std::set<std::pair<int, int>> condensed;  // by lowest node of each component
    auto component = [&](int iNode) {
      for (int other = 0; other < count; ++other)
        if (reaches[iNode][other] && reaches[other][iNode]) return other;
      return iNode;
    };
    for (int first = 0; first < count; ++first)
      for (int second = 0; second < count; ++second)
        ASSERT_EQ(graph.Step(first) == graph.Step(second),
                  reaches[first][second] && reaches[second][first])
            << "round " << round;
    for (auto [parent, child] : edges)
      if (component(parent) != component(child))
        condensed.emplace(component(parent), component(child));

    std::set<std::string> expectedLinks;
    for (auto [parent, child] : condensed)
      expectedLinks.insert(graph.StepName(graph.Step(parent)) + ">" +
                           graph.StepName(graph.Step(child)));
    std::map<int, int> rank;  // longest path over the condensation, by component
    for (int pass = 0; pass < count; ++pass)
      for (int node = 0; node < count; ++node) {
        int best = 1;
        for (auto [parent, child] : condensed)
          if (child == component(node)) best = std::max(best, rank[parent] + 1);
        rank[component(node)] = best;
      }
    for (int node = 0; node < count; ++node) {
      bool root = true;
      for (auto [parent, child] : condensed)
        root = root && child != component(node);
      if (root) expectedLinks.insert("->" + graph.StepName(graph.Step(node)));
      ASSERT_EQ(graph.Rank(node), rank[component(node)]) << "round " << round;
      const ORVExecGraphStep* recorded = graph.Step(node)->GetParentStep();
      if (root) {
        ASSERT_EQ(recorded, nullptr);
      } else {
        ASSERT_NE(recorded, nullptr);
        ASSERT_EQ(recorded->GetRank() + 1, graph.Rank(node));
        ASSERT_EQ(
            expectedLinks.count(graph.StepName(recorded) + ">" + graph.StepName(graph.Step(node))),
            1u);
      }
    }
    ASSERT_EQ(graph.StepLinks().size(), expectedLinks.size()) << "round " << round;
    ASSERT_EQ(graph.StepLinkSet(), expectedLinks) << "round " << round;
  }
}

namespace {

// Counts the lines shown, keeps the last.
class CountingDisplay : public ORVMessageDisplayToString {
public:
  void Display(const PEVUnicodeString& iText, unsigned int) override {
    ++_Lines;
    _Last = Utf8(iText);
  }
  int _Lines = 0;
  std::string _Last;
};

// Builds and lists ioGraph on ioDisplay.
void BuildAndList(ExecGraph& ioGraph, ORVMessageDisplay& ioDisplay) {
  ioGraph.Build();
  ORVSortedVector nodes(*ORVExecGraphNodeCmpStep::GetGlobal(), ORVDoNothingAtDelete);
  for (int index = 0; index < ioGraph.Size(); ++index)
    nodes.Add(ioGraph.Node(index), 1);
  nodes.Sort();
  ORVUtilitiesForDebug::DisplayExecGraph(nullptr, ioGraph._StepLinks, nodes, ioDisplay);
}
std::pair<int, std::string> BuildAndList(ExecGraph& ioGraph) {
  CountingDisplay display;
  BuildAndList(ioGraph, display);
  return {display._Lines, display._Last};
}

}  // namespace

TEST_F(ORVExecGraphBuilderTest, TheListingShowsEachStepOnceDepthFirstUnderItsRecordedParent) {
  struct {
    int _NodeCount;
    const char* _Edges;
    const char* _Listing;
  } const cases[] = {
      {3, "ab bc", "> 1:  \"a\"\n> 2:  \"b\"\n> 3:  \"c\"\n"},
      // A cycle shown as one line; the self-link adds nothing.
      {4, "ab bc cb cd dd", "> 1:  \"a\"\n> 2:  \"b\" \"c\"\n> 3:  \"d\"\n"},
      // c has two parents: shown once, under the one that gives its rank.
      {3, "ab bc ac", "> 1:  \"a\"\n> 2:  \"b\"\n> 3:  \"c\"\n"},
  };
  for (const auto& listingCase : cases) {
    ExecGraph graph(listingCase._NodeCount, Edges(listingCase._Edges));
    ORVMessageDisplayToString display;
    BuildAndList(graph, display);
    EXPECT_EQ(Utf8(display.GetMessage()), listingCase._Listing);
  }
}

// Deep inputs on a 1 MiB stack: a 40-layer ladder (2^40 paths), a chain and a single
// cycle of 100 000 nodes, a chain whose every node links back to the first, and a wide cycle.
TEST_F(ORVExecGraphBuilderTest, DeepInputsBuildAndListOnASmallStack) {
  constexpr int kLength = 100000;
  std::pair<int, std::string> ladder, chain, cycle, backToFirst, wide;
  int ladderRank = 0, wideLinks = 0;
  ASSERT_TRUE(RunWithStack(1 << 20, [&] {
    ExecGraphEdges edges;
    for (int layer = 0; layer + 1 < 40; ++layer)
      for (int from = 0; from < 2; ++from)
        for (int to = 0; to < 2; ++to)
          edges.emplace_back(2 * layer + from, 2 * layer + 2 + to);
    ExecGraph ladderGraph(80, edges);
    ladder = BuildAndList(ladderGraph);
    ladderRank = std::max(ladderGraph.Rank(78), ladderGraph.Rank(79));
    edges.clear();
    for (int node = 0; node + 1 < kLength; ++node)
      edges.emplace_back(node, node + 1);
    ExecGraph chainGraph(kLength, edges);
    chain = BuildAndList(chainGraph);
    edges.emplace_back(kLength - 1, 0);
    ExecGraph cycleGraph(kLength, edges);
    cycle = BuildAndList(cycleGraph);
    edges.pop_back();
    for (int node = 1; node < kLength; ++node)
      edges.emplace_back(node, 0);
    ExecGraph backGraph(kLength, edges);
    backToFirst = BuildAndList(backGraph);
    // A cycle with a thousand children: more links of one shared step than the table
    // of known links first holds.
    edges = {{0, 1}, {1, 0}};
    for (int node = 2; node < 1002; ++node)
      edges.emplace_back(node % 2, node);
    ExecGraph wideGraph(1002, edges);
    wide = BuildAndList(wideGraph);
    wideLinks = wideGraph._StepLinks.Size();
  }));
  EXPECT_EQ(wide.first, 1001);
  EXPECT_EQ(wideLinks, 1001);
  EXPECT_EQ(ladder.first, 80);
  EXPECT_EQ(ladderRank, 40);
  EXPECT_EQ(chain.first, kLength);
  EXPECT_EQ(chain.second, "> 100000:  \"n99999\"");
  EXPECT_EQ(cycle.first, 1);
  EXPECT_EQ(std::count(cycle.second.begin(), cycle.second.end(), '"'), 2 * kLength);
  EXPECT_EQ(backToFirst.first, 1);
}

TEST_F(ORVExecGraphBuilderTest, MisuseEndsWithTheFatalTextsInTheirOrder) {
  ExpectFatalReport(
      [] {
        ExecGraph graph(2, {{a, b}});
        graph.Build();
        ORVSortedVector empty(*ORVExecGraphStepLinkCmpParentStep::GetGlobal(),
                              ORVDoNothingAtDelete);
        ORVExecGraphBuilder::Build(graph._Nodes, graph._Links, empty);
      },
      "Build() can't be called twice", kBuilderSource);
  // The step links are checked first: a second build into the filled vector says so.
  ExpectFatalReport(
      [] {
        ExecGraph graph(2, {{a, b}});
        graph.Build();
        graph.Build();
      },
      "StepLinkSVParentStep must be empty", kBuilderSource);
  ExpectFatalReport(
      [] {
        ExecGraph graph(3, {{a, b}, {b, c}});
        graph._Links.SetIsSorted(0, 0);
        graph.Build();
      },
      "NodeLinkSVParentNode must be sorted by ORVExecGraphNodeLinkCmpParentNode", kBuilderSource);
  ExpectFatalReport(
      [] {
        ExecGraph graph(2, {{a, b}});
        ORVSortedVector byAddress(ORVDoNothingAtDelete);
        ORVExecGraphBuilder::Build(graph._Nodes, graph._Links, byAddress);
      },
      "The comparator of StepLinkSVParentStep = PEVBaseUnknownCmpAddr refuses the comparator "
      "ORVExecGraphStepLinkCmpParentStep",
      kBuilderSource);
}
