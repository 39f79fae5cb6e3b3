// execplan - orders work items after their dependencies, as a tool of the suite is written.
//
//   execplan -f <file> [-g] [-h|-help|-?]
//
// The file holds lines "target: dependency dependency ..."; empty lines and lines
// starting with '#' are skipped. The plan shows one line per step, by rank (rank 1 needs
// nothing): targets that depend on each other through a cycle share one step. With -g
// the graph of the steps follows. Exit status 0 when the plan is shown, 2 on an error (a
// mistake on the command line, a file that cannot be read, a line without a colon). The
// help exits with 0. Every text comes from the tool's catalog EXECPLAN or from the
// library's catalogs; errors go through an ORVErrorMngr to the terminal error display.
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ExampleTool.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptNoArg.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVError.h"
#include "ORVErrorMngr.h"
#include "ORVExecGraphBuilder.h"
#include "ORVExecGraphNodeCmpStep.h"
#include "ORVExecGraphNodeLink.h"
#include "ORVExecGraphNodeLinkCmpParentNode.h"
#include "ORVExecGraphNodeWithId.h"
#include "ORVExecGraphNodeWithIdCmpIdVal.h"
#include "ORVExecGraphNodeWithIdHashIdVal.h"
#include "ORVExecGraphStepLinkCmpParentStep.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVHashTable.h"
#include "ORVMessageDisplay.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVSortedVector.h"
#include "ORVString.h"
#include "ORVUtilities.h"
#include "ORVUtilitiesForDebug.h"
#include "PlanFile.h"

namespace {

// The tool's catalog and its keys (catalogs/en/EXECPLAN.msg).
constexpr char kCatalog[] = "EXECPLAN";
constexpr char kShortUsageKey[] = "0001";
constexpr char kFileUsageKey[] = "0002";
constexpr char kGraphUsageKey[] = "0003";
constexpr char kExplainedUsageKey[] = "0005";
constexpr char kStepKey[] = "0010";
constexpr char kCycleStepKey[] = "0011";
constexpr char kGraphTitleKey[] = "0012";
constexpr char kReadRequestKey[] = "0013";
constexpr char kNoColonKey[] = "0014";
constexpr char kLineFormKey[] = "0015";

enum ExitStatus { kShown = 0, kError = 2 };

// A new builder of the tool's message iKey with iParameters.
template <typename... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr Message(const char* iKey, const Parameters&... iParameters) {
  return ToolMessage(kCatalog, iKey, iParameters...);
}

void Show(const ORVParamNLSMsgBldrCtlgRfHndlr& iMessage) {
  ORVMessageDisplay::GetGlobal()->Display(iMessage->Build(), 1);
}

// The targets and their dependencies as the builder takes them: a dependency is the
// parent of the target that needs it. Nodes are found by name.
class Plan {
public:
  ORVExecGraphNode* Node(const std::string& iName) {
    ORVString name(iName.c_str());
    auto* node = static_cast<ORVExecGraphNode*>(_ByName.LookupOne(&name));
    if (node) return node;
    node = new ORVExecGraphNodeWithId(name);
    _Nodes.Append(node);
    _ByName.Add(node, ORVNotify);
    return node;
  }
  void Depend(const std::string& iTarget, const std::string& iDependency) {
    ORVExecGraphNode* target = Node(iTarget);
    _Links.Append(new ORVExecGraphNodeLink(Node(iDependency), *target));
  }

  ORVVector _Nodes{ORVReleaseElementsAtDelete};
  ORVSortedVector _Links{*ORVExecGraphNodeLinkCmpParentNode::GetGlobal(),
                         ORVReleaseElementsAtDelete};
  ORVHashTable _ByName{*ORVExecGraphNodeWithIdHashIdVal::GetGlobal(),
                       *ORVExecGraphNodeWithIdCmpIdVal::GetGlobal(), ORVDoNothingAtDelete, 256};
};

// A line without a colon: the request names the file, the diagnostic the line.
int FailOnLine(ORVErrorMngr& ioErrors, const ORVString& iFile, int iLine) {
  ORVParamNLSMsgBldrCtlgRfHndlr request = Message(kReadRequestKey);
  request->AddNewParameter(iFile);
  ORVParamNLSMsgBldrCtlgRfHndlr diagnostic = Message(kNoColonKey);
  diagnostic->AddNewParameter(iLine);
  auto* error = new ORVError(__FILE__, __LINE__, request, diagnostic, Message(kLineFormKey),
                             PEVErrorTypeCritical, PEV_E_FAIL);
  ioErrors.DisplayAndForgetError(*error);
  error->Release();
  return kError;
}

int Fail(ORVErrorMngr& ioErrors, long iCode, const ORVString& iFile) {
  ORVParamNLSMsgBldrCtlgRfHndlr request = Message(kReadRequestKey);
  request->AddNewParameter(iFile);
  ORVError::ReplaceLastErrorRequest(iCode, request);
  ioErrors.DisplayAndKeepError(iCode, 1);
  return kError;
}

// Reads the lines of iFile into ioPlan; 0 or the exit status of a failure.
int Read(const ORVString& iFile, Plan& ioPlan, ORVErrorMngr& ioErrors) {
  ORVParamNLSMsgBldrCtlgRfHndlr context = Message(kReadRequestKey);
  context->AddNewParameter(iFile);
  std::vector<PlanLine> lines;
  int badLine = 0;
  long code = ReadPlanFile(iFile, context, lines, badLine);
  if (code != 0) return Fail(ioErrors, code, iFile);
  if (badLine) return FailOnLine(ioErrors, iFile, badLine);
  for (const PlanLine& line : lines) {
    ioPlan.Node(line._Target);
    for (const std::string& dependency : line._Dependencies)
      ioPlan.Depend(line._Target, dependency);
  }
  return 0;
}

// One line per step, by rank, then in the order the file names their first target.
void ShowPlan(const Plan& iPlan) {
  std::vector<const ORVExecGraphStep*> steps;
  std::map<const ORVExecGraphStep*, std::vector<const ORVExecGraphNodeWithId*>> nodesOf;
  for (int index = 0; index < iPlan._Nodes.Size(); ++index) {
    const auto* node = static_cast<const ORVExecGraphNodeWithId*>(iPlan._Nodes[index]);
    const ORVExecGraphStep* step = node->GetHStep().Get();
    if (nodesOf[step].empty()) steps.push_back(step);
    nodesOf[step].push_back(node);
  }
  std::multimap<int, const ORVExecGraphStep*> byRank;
  for (const ORVExecGraphStep* step : steps)
    byRank.emplace(step->GetRank(), step);
  for (const auto& [rank, step] : byRank) {
    PEVUnicodeString names;
    for (const ORVExecGraphNodeWithId* node : nodesOf[step])
      ORVCmdLnOpt::ConcatArgumentForMsg(names, node->GetIdentifier().GetChars());
    std::size_t count = nodesOf[step].size();
    ORVParamNLSMsgBldrCtlgRfHndlr line = Message(count > 1 ? kCycleStepKey : kStepKey);
    line->AddNewParameter(rank);
    line->AddNewParameter(names);
    if (count > 1) line->AddNewParameter((int)count);
    Show(line);
  }
}

void ShowGraph(const Plan& iPlan, const ORVSortedVector& iStepLinks) {
  ORVSortedVector nodesByStep(*ORVExecGraphNodeCmpStep::GetGlobal(), ORVDoNothingAtDelete);
  for (int index = 0; index < iPlan._Nodes.Size(); ++index)
    nodesByStep.Append(iPlan._Nodes[index]);
  nodesByStep.Sort();
  Show(Message(kGraphTitleKey));
  ORVUtilitiesForDebug::DisplayExecGraph(nullptr, iStepLinks, nodesByStep,
                                         *ORVMessageDisplay::GetGlobal());
}

int Run(int iArgc, char** iArgv, ORVErrorMngr& ioErrors) {
  ORVParamNLSMsgBldrCtlgRfHndlr shortUsage = Message(kShortUsageKey);
  ORVCmdLnAnalyzer analyzer("execplan", shortUsage);
  ORVString fileName;
  ORVCmdLnOptOneArg fileOption(analyzer, "-f", ORVCmdLnOptMandatory, Message(kFileUsageKey),
                               fileName, 1);
  ORVCmdLnOptNoArg graphOption(analyzer, "-g", ORVCmdLnOptOptional, Message(kGraphUsageKey));
  ORVCmdLnHelpMngr help(analyzer, shortUsage.Get(), Message(kExplainedUsageKey));

  int status = 0;
  if (!AnalyzeToolCommandLine(analyzer, iArgc, iArgv, ioErrors, kShown, kError, status))
    return status;

  Plan plan;
  status = Read(fileName, plan, ioErrors);
  if (status != 0) return status;
  plan._Links.Sort();
  ORVSortedVector stepLinks(*ORVExecGraphStepLinkCmpParentStep::GetGlobal(),
                            ORVReleaseElementsAtDelete);
  ORVExecGraphBuilder::Build(plan._Nodes, plan._Links, stepLinks);
  ShowPlan(plan);
  if (graphOption.IsDefined()) ShowGraph(plan, stepLinks);
  return kShown;
}

}  // namespace

int main(int argc, char** argv) {
  ORVGlobalObjectCleaner cleaner;
  ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
  ORVErrorMngr errors;
  return Run(argc, argv, errors);
}
