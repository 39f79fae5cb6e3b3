// ORVExecGraphBuilder::Build beside a reference written here: iterative Tarjan strongly
// connected components, then longest-path ranks over the condensation (Kahn's order),
// on the same node links, in the same run. The graph has one million nodes and five
// million links: random links forward in a hidden order, plus planted cycles, some
// nested in others. Before the cases, both results are compared and the peak memory
// each side adds to the graph it works on is printed per node.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <unordered_map>
#include <vector>

#include "BenchmarkRatio.h"
#include "ORVExecGraphBuilder.h"
#include "ORVExecGraphNode.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVExecGraphNodeLinkCmpParentNode.h"
#include "ORVExecGraphStepLinkCmpParentStep.h"
#include "ORVSortedVector.h"

namespace {

const int kNodes = 1000000;
const int kLinks = 5000000;

// A node that can be made new again between two builds.
class BenchNode : public ORVExecGraphNode {
public:
  void Renew() { Init(); }
};

struct Graph {
  ORVVector _Nodes{ORVReleaseElementsAtDelete, kNodes};
  ORVSortedVector _Links{*ORVExecGraphNodeLinkCmpParentNode::GetGlobal(),
                         ORVReleaseElementsAtDelete, kLinks};

  void Renew() {
    for (int index = 0; index < kNodes; ++index)
      static_cast<BenchNode*>(_Nodes[index])->Renew();
  }
};

// Nodes in a hidden random order; links from each node to later ones, and planted
// cycles: runs of the order chained forward and closed by a link back, a smaller run
// inside every other one closed again.
Graph& TheGraph() {
  static Graph* graph = [] {
    auto* made = new Graph();
    std::mt19937_64 random(8);
    for (int index = 0; index < kNodes; ++index)
      made->_Nodes.Append(new BenchNode());
    std::vector<int> order(kNodes);
    for (int index = 0; index < kNodes; ++index)
      order[index] = index;
    std::shuffle(order.begin(), order.end(), random);
    auto node = [&](int iPosition) {
      return static_cast<ORVExecGraphNode*>(made->_Nodes[order[iPosition]]);
    };
    auto link = [&](int iFrom, int iTo) {
      made->_Links.Append(new ORVExecGraphNodeLink(node(iFrom), *node(iTo)));
    };
    int planted = 0;
    for (int start = 0; start + 2000 < kNodes; start += 3000) {
      int length = 2 + (int)(random() % 1500);
      for (int position = start; position + 1 < start + length; ++position)
        link(position, position + 1);
      link(start + length - 1, start);
      planted += length;
      if ((start / 3000) % 2 == 0 && length > 8) {
        link(start + length / 2, start + 2);  // nested
        ++planted;
      }
    }
    while (made->_Links.Size() < kLinks) {
      int from = (int)(random() % (kNodes - 1));
      int span = 1 + (int)(random() % std::min(kNodes - 1 - from, 1 << 16));
      link(from, from + span);
    }
    made->_Links.Sort();
    fprintf(stderr, "ExecGraphBuild graph: %d nodes, %d links, %d in planted cycles\n", kNodes,
            made->_Links.Size(), planted);
    return made;
  }();
  return *graph;
}

// The reference: the same links read from the same vector.
struct ReferenceResult {
  std::vector<int> _Component;
  std::vector<int> _Rank;  // by component
  std::size_t _CondensedLinks;
  int _Roots;  // components without parent
};

ReferenceResult BuildReference(const Graph& iGraph) {
  int count = iGraph._Nodes.Size();
  std::unordered_map<const PEVBaseUnknown*, int> indexOf;
  indexOf.reserve((std::size_t)count * 2);
  for (int index = 0; index < count; ++index)
    indexOf.emplace(iGraph._Nodes[index], index);
  int linkCount = iGraph._Links.Size();
  PEVBaseUnknown** links = iGraph._Links.Contents();
  std::vector<int> first(count + 1, 0);
  std::vector<int> target(linkCount);
  std::vector<int> from(linkCount);
  for (int index = 0; index < linkCount; ++index) {
    auto* link = static_cast<ORVExecGraphNodeLink*>(links[index]);
    from[index] = indexOf[link->GetParentNode()];
    target[index] = indexOf[link->GetNode()];
    ++first[from[index] + 1];
  }
  for (int index = 0; index < count; ++index)
    first[index + 1] += first[index];
  std::vector<int> fill(first.begin(), first.end() - 1);
  std::vector<int> adjacency(linkCount);
  for (int index = 0; index < linkCount; ++index)
    adjacency[fill[from[index]]++] = target[index];

  ReferenceResult result;
  result._Component.assign(count, -1);
  std::vector<int> number(count, -1), low(count, 0), next(count, 0), stack, call;
  int counter = 0, components = 0;
  for (int root = 0; root < count; ++root) {
    if (number[root] >= 0) continue;
    call.push_back(root);
    number[root] = low[root] = counter++;
    next[root] = first[root];
    stack.push_back(root);
    while (!call.empty()) {
      int node = call.back();
      if (next[node] < first[node + 1]) {
        int child = adjacency[next[node]++];
        if (number[child] < 0) {
          number[child] = low[child] = counter++;
          next[child] = first[child];
          stack.push_back(child);
          call.push_back(child);
        } else if (result._Component[child] < 0) {
          low[node] = std::min(low[node], number[child]);
        }
        continue;
      }
      call.pop_back();
      if (!call.empty()) low[call.back()] = std::min(low[call.back()], low[node]);
      if (low[node] == number[node]) {
        int member;
        do {
          member = stack.back();
          stack.pop_back();
          result._Component[member] = components;
        } while (member != node);
        ++components;
      }
    }
  }
  std::vector<uint64_t> condensed;
  condensed.reserve(linkCount);
  for (int index = 0; index < linkCount; ++index) {
    int parent = result._Component[from[index]], child = result._Component[target[index]];
    if (parent != child) condensed.push_back((uint64_t)parent << 32 | (uint32_t)child);
  }
  std::sort(condensed.begin(), condensed.end());
  condensed.erase(std::unique(condensed.begin(), condensed.end()), condensed.end());
  result._CondensedLinks = condensed.size();
  std::vector<int> start(components + 1, 0), pending(components, 0);
  for (uint64_t edge : condensed)
    ++start[(edge >> 32) + 1], ++pending[(uint32_t)edge];
  for (int index = 0; index < components; ++index)
    start[index + 1] += start[index];
  result._Rank.assign(components, 1);
  std::vector<int> ready;
  for (int component = 0; component < components; ++component)
    if (pending[component] == 0) ready.push_back(component);
  result._Roots = (int)ready.size();
  for (std::size_t index = 0; index < ready.size(); ++index) {
    int component = ready[index];
    for (int edge = start[component]; edge < start[component + 1]; ++edge) {
      int child = (int)(uint32_t)condensed[edge];
      result._Rank[child] = std::max(result._Rank[child], result._Rank[component] + 1);
      if (--pending[child] == 0) ready.push_back(child);
    }
  }
  return result;
}

void BuildOurs(Graph& ioGraph, ORVSortedVector& oStepLinks) {
  ORVExecGraphBuilder::Build(ioGraph._Nodes, ioGraph._Links, oStepLinks);
}

// A field of /proc/self/status in kilobytes ("VmRSS:", "VmHWM:"), or -1.
long StatusKilobytes(const char* iField) {
  FILE* status = fopen("/proc/self/status", "r");
  if (!status) return -1;
  long kilobytes = -1;
  char line[256];
  std::size_t length = strlen(iField);
  while (kilobytes < 0 && fgets(line, sizeof line, status))
    if (strncmp(line, iField, length) == 0) kilobytes = strtol(line + length, nullptr, 10);
  fclose(status);
  return kilobytes;
}

// The peak resident memory iWork adds, in bytes per node, measured in this process: the
// free heap goes back to the system and the peak mark is reset first, so that neither the
// graph nor what earlier work left behind counts.
double PeakBytesPerNode(const std::function<void()>& iWork) {
  malloc_trim(0);
  FILE* clearRefs = fopen("/proc/self/clear_refs", "w");
  if (!clearRefs) return -1;
  bool reset = fputs("5", clearRefs) >= 0;
  if (fclose(clearRefs) != 0 || !reset) return -1;
  long before = StatusKilobytes("VmRSS:");
  iWork();
  long peak = StatusKilobytes("VmHWM:");
  if (before < 0 || peak < 0) return -1;
  return (double)(peak - before) * 1024.0 / kNodes;
}

// Our steps against the reference's components, node by node, and the ranks: both sides
// must find the same partition and the same longest paths before their times mean anything.
bool SameResult(const Graph& iGraph, const ReferenceResult& iReference) {
  std::unordered_map<const ORVExecGraphStep*, int> componentOf;
  std::vector<const ORVExecGraphStep*> stepOf(iReference._Rank.size(), nullptr);
  for (int index = 0; index < kNodes; ++index) {
    const ORVExecGraphStep* step =
        static_cast<ORVExecGraphNode*>(iGraph._Nodes[index])->GetHStep().Get();
    int component = iReference._Component[index];
    auto [known, added] = componentOf.emplace(step, component);
    if (!added && known->second != component) return false;
    if (stepOf[component] && stepOf[component] != step) return false;
    stepOf[component] = step;
    if (step->GetRank() != iReference._Rank[component]) return false;
  }
  return true;
}

void ReportMemoryAndCheckOnce() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  Graph& graph = TheGraph();
  ORVSortedVector stepLinks(*ORVExecGraphStepLinkCmpParentStep::GetGlobal(), ORVDoNothingAtDelete);
  double ours = PeakBytesPerNode([&] { BuildOurs(graph, stepLinks); });
  ReferenceResult result;
  double reference = PeakBytesPerNode([&] { result = BuildReference(graph); });
  fprintf(stderr, "ExecGraphBuild peak memory added: ours %.0f B/node, reference %.0f B/node\n",
          ours, reference);
  bool same =
      SameResult(graph, result) && stepLinks.Size() == (int)result._CondensedLinks + result._Roots;
  fprintf(stderr, "ExecGraphBuild check: %d steps, %d step links, %s the reference\n",
          (int)result._Rank.size(), stepLinks.Size(), same ? "as" : "DIFFERENT FROM");
  stepLinks.ReleaseElementsAndClear();
  if (!same) abort();
}

void ExecGraphBuildOurs(benchmark::State& ioState) {
  ReportMemoryAndCheckOnce();
  Graph& graph = TheGraph();
  ORVSortedVector stepLinks(*ORVExecGraphStepLinkCmpParentStep::GetGlobal(), ORVDoNothingAtDelete);
  for (auto _ : ioState) {
    ioState.PauseTiming();
    stepLinks.ReleaseElementsAndClear();
    graph.Renew();
    ioState.ResumeTiming();
    BuildOurs(graph, stepLinks);
    benchmark::DoNotOptimize(stepLinks.Size());
  }
  ioState.counters["step_links"] = stepLinks.Size();
  stepLinks.ReleaseElementsAndClear();
}

void ExecGraphBuildReference(benchmark::State& ioState) {
  Graph& graph = TheGraph();
  std::size_t links = 0;
  for (auto _ : ioState) {
    ReferenceResult result = BuildReference(graph);
    links = result._CondensedLinks + result._Roots;
    benchmark::DoNotOptimize(result._Rank.data());
  }
  ioState.counters["step_links"] = (double)links;
}

}  // namespace

BENCHMARK(ExecGraphBuildOurs)
    ->Name("ExecGraphBuild/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(ExecGraphBuildReference)
    ->Name("ExecGraphBuild/reference")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
ORV_BENCHMARK_TARGET(ExecGraphBuild, 2.0);
