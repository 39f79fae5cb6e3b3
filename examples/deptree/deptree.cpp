// deptree - draws a directory tree or the dependency tree of a plan, as a tool of the
// suite is written.
//
//   deptree -d <directory> | -f <file> [-l <depth>] [-n <text>] [-h|-help|-?]
//
// With -d the tree is the directory and what it holds, entries by name, links not
// followed. With -f the file holds lines "target: dependency dependency ..." (empty lines
// and lines starting with '#' are skipped, as for execplan); each target that nothing
// needs is the top of a tree whose children are its dependencies, and a target met again
// below itself is drawn once more but not followed. -l keeps the levels down to a depth
// (0 is the top); -n keeps the names that hold a text and the names on the way to them.
// Exit status 0 when the tree is drawn, 2 on an error (a mistake on the command line, a
// directory or file that cannot be read, a line without a colon); the help exits with 0.
// Texts come from the tool's catalog DEPTREE or from the library's catalogs.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ExampleTool.h"
#include "ORVChildExtractor.h"
#include "ORVCmdLnAnalyzer.h"
#include "ORVCmdLnHelpMngr.h"
#include "ORVCmdLnOptOneArg.h"
#include "ORVError.h"
#include "ORVErrorMngr.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVMessageDisplay.h"
#include "ORVOneWayIterator.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVTreeAsPathIterator.h"
#include "ORVTreeAsStringTreeBuilder.h"
#include "ORVTreeAsTreeIterator.h"
#include "ORVTreeAsTreeIteratorElement.h"
#include "ORVTreeAsTreeIteratorElementMaker.h"
#include "ORVTreeIteratorElementConvToCaseName.h"
#include "ORVUtilities.h"
#include "ORVVector.h"
#include "PlanFile.h"

namespace {

// The tool's catalog and its keys (catalogs/en/DEPTREE.msg).
constexpr char kCatalog[] = "DEPTREE";
constexpr char kShortUsageKey[] = "0001";
constexpr char kDirectoryUsageKey[] = "0002";
constexpr char kFileUsageKey[] = "0003";
constexpr char kDepthUsageKey[] = "0004";
constexpr char kExplainedUsageKey[] = "0005";
constexpr char kNameUsageKey[] = "0006";
constexpr char kLineKey[] = "0010";
constexpr char kRepeatedLineKey[] = "0011";
constexpr char kRequestKey[] = "0013";
constexpr char kNoColonKey[] = "0014";
constexpr char kLineFormKey[] = "0015";
constexpr char kUnreadableDirectoryKey[] = "0016";
constexpr char kOneSourceKey[] = "0017";
constexpr char kBadDepthKey[] = "0018";

enum ExitStatus { kShown = 0, kError = 2 };

// A new builder of the tool's message iKey with iParameters.
template <typename... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr Message(const char* iKey, const Parameters&... iParameters) {
  return ToolMessage(kCatalog, iKey, iParameters...);
}

// Shows a critical error whose request names what was to be drawn.
int Fail(ORVErrorMngr& ioErrors, const char* iWhat,
         const ORVParamNLSMsgBldrCtlgRfHndlr& iDiagnostic,
         const ORVParamNLSMsgBldrRfHndlr& iAdvice) {
  ORVParamNLSMsgBldrCtlgRfHndlr request = Message(kRequestKey);
  request->AddNewParameter(iWhat);
  auto* error = new ORVError(__FILE__, __LINE__, request, iDiagnostic, iAdvice,
                             PEVErrorTypeCritical, PEV_E_FAIL);
  ioErrors.DisplayAndForgetError(*error);
  error->Release();
  return kError;
}

// A node of the drawn tree: a directory entry, or one appearance of a target (a target
// needed by several others appears under each of them).
class Node : public PEVBaseUnknown {
public:
  Node(std::string iName, const Node* iParent)
      : _Name(std::move(iName)), _pParent(iParent), _Depth(iParent ? iParent->_Depth + 1 : 0) {}

  std::string _Name;
  const Node* _pParent;
  int _Depth;
  std::string _Path;           // a directory entry's path; empty when it is no directory
  int _Target = -1;            // a plan's target
  unsigned int _Repeated = 0;  // a target met again below itself: not followed
  unsigned int _Loaded = 0;
  std::vector<Node*> _Children;
};

// The nodes of the trees, their children read when first asked for.
class Forest {
public:
  virtual ~Forest() = default;

  // The children to draw: the tops for a null parent, none below the depth limit, only
  // the chosen ones when a name filter chose some.
  std::vector<Node*> ChildrenOf(const PEVBaseUnknown* iParent) {
    auto* parent = static_cast<Node*>(const_cast<PEVBaseUnknown*>(iParent));
    if (parent && _DepthLimit >= 0 && parent->_Depth >= _DepthLimit) return {};
    if (parent && !parent->_Loaded) {
      parent->_Loaded = 1;
      Load(*parent);
    }
    std::vector<Node*> children = parent ? parent->_Children : _Tops;
    if (_pChosen)
      children.erase(std::remove_if(children.begin(), children.end(),
                                    [this](Node* iNode) { return !_pChosen->count(iNode); }),
                     children.end());
    return children;
  }

  Node* NewNode(std::string iName, const Node* iParent) {
    _Nodes.emplace_back(std::move(iName), iParent);
    return &_Nodes.back();
  }

  std::vector<Node*> _Tops;
  int _DepthLimit = -1;
  const std::set<const PEVBaseUnknown*>* _pChosen = nullptr;

protected:
  virtual void Load(Node& ioNode) = 0;

private:
  std::deque<Node> _Nodes;
};

// Entries by name; a directory that cannot be read below the top has no children.
class DirectoryForest : public Forest {
public:
  // 0, or the errno of reading the top directory.
  int Start(const std::string& iDirectory) {
    Node* top = NewNode(iDirectory, nullptr);
    top->_Path = iDirectory;
    _Tops.push_back(top);
    DIR* directory = opendir(iDirectory.c_str());
    if (!directory) return errno;
    closedir(directory);
    return 0;
  }

protected:
  void Load(Node& ioNode) override {
    if (ioNode._Path.empty()) return;
    DIR* directory = opendir(ioNode._Path.c_str());
    if (!directory) return;
    std::vector<std::string> names;
    while (dirent* entry = readdir(directory))
      if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
        names.emplace_back(entry->d_name);
    closedir(directory);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      Node* child = NewNode(name, &ioNode);
      std::string path = ioNode._Path + "/" + name;
      struct stat status;
      if (lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) child->_Path = path;
      ioNode._Children.push_back(child);
    }
  }
};

// The targets of a plan file and their dependencies, in the order of the file.
class PlanForest : public Forest {
public:
  // 0, or the exit status of a failure, shown.
  int Read(const ORVString& iFile, ORVErrorMngr& ioErrors) {
    ORVParamNLSMsgBldrCtlgRfHndlr context = Message(kRequestKey);
    context->AddNewParameter(iFile);
    std::vector<PlanLine> lines;
    int badLine = 0;
    long code = ReadPlanFile(iFile, context, lines, badLine);
    if (code != 0) return FailOnRead(ioErrors, code, iFile);
    if (badLine) {
      ORVParamNLSMsgBldrCtlgRfHndlr diagnostic = Message(kNoColonKey);
      diagnostic->AddNewParameter(badLine);
      return Fail(ioErrors, iFile.GetChars(), diagnostic, Message(kLineFormKey));
    }
    for (const PlanLine& line : lines) {
      int index = Target(line._Target);
      for (const std::string& dependency : line._Dependencies) {
        int needed = Target(dependency);
        _Needs[(std::size_t)index].push_back(needed);
        _Needed.insert(needed);
      }
    }
    MakeTops();
    return 0;
  }

protected:
  void Load(Node& ioNode) override {
    if (ioNode._Repeated) return;
    for (int needed : _Needs[(std::size_t)ioNode._Target]) {
      Node* child = NewNode(_Names[(std::size_t)needed], &ioNode);
      child->_Target = needed;
      for (const Node* above = &ioNode; above && !child->_Repeated; above = above->_pParent)
        child->_Repeated = above->_Target == needed;
      ioNode._Children.push_back(child);
    }
  }

private:
  static int FailOnRead(ORVErrorMngr& ioErrors, long iCode, const ORVString& iFile) {
    ORVParamNLSMsgBldrCtlgRfHndlr request = Message(kRequestKey);
    request->AddNewParameter(iFile);
    ORVError::ReplaceLastErrorRequest(iCode, request);
    ioErrors.DisplayAndKeepError(iCode, 1);
    return kError;
  }

  int Target(const std::string& iName) {
    auto found = _Index.find(iName);
    if (found != _Index.end()) return found->second;
    _Names.push_back(iName);
    _Needs.emplace_back();
    return _Index[iName] = (int)_Names.size() - 1;
  }

  // The targets nothing needs; when every target is on a cycle, the first one.
  void MakeTops() {
    for (int index = 0; index < (int)_Names.size(); ++index)
      if (!_Needed.count(index)) AddTop(index);
    if (_Tops.empty() && !_Names.empty()) AddTop(0);
  }
  void AddTop(int iTarget) {
    Node* top = NewNode(_Names[(std::size_t)iTarget], nullptr);
    top->_Target = iTarget;
    _Tops.push_back(top);
  }

  std::vector<std::string> _Names;
  std::map<std::string, int> _Index;
  std::vector<std::vector<int>> _Needs;
  std::set<int> _Needed;
};

// The classes the tree walks need: children from the forest, one element per level,
// the names of the nodes.
class ChildrenInOrder : public ORVOneWayIterator {
public:
  explicit ChildrenInOrder(std::vector<Node*> iChildren) : _Children(std::move(iChildren)) {}
  PEVBaseUnknown* Next() override {
    return _Position < _Children.size() ? _Children[_Position++] : nullptr;
  }

private:
  std::vector<Node*> _Children;
  std::size_t _Position = 0;
};

class ForestChildExtractor : public ORVChildExtractor {
public:
  explicit ForestChildExtractor(Forest& iForest) : _pForest(&iForest) {}
  ORVOneWayIterator* ExtractChildren(const PEVBaseUnknown* iParent) override {
    std::vector<Node*> children = _pForest->ChildrenOf(iParent);
    return children.empty() ? nullptr : new ChildrenInOrder(std::move(children));
  }

private:
  Forest* _pForest;
};

class NodeElement : public ORVTreeAsTreeIteratorElement {
public:
  using ORVTreeAsTreeIteratorElement::ORVTreeAsTreeIteratorElement;
  void SetCurrentObject(const PEVBaseUnknown* iObject) override { _pCurrent = iObject; }
  const PEVBaseUnknown* GetCurrentObject() const override { return _pCurrent; }
  void SetNextObject(const PEVBaseUnknown* iObject) override { _pNext = iObject; }
  const PEVBaseUnknown* GetNextObject() const override { return _pNext; }
  unsigned int HasNextObject() const override { return _pNext != nullptr; }

private:
  const PEVBaseUnknown* _pCurrent = nullptr;
  const PEVBaseUnknown* _pNext = nullptr;
};

class NodeElementMaker : public ORVTreeAsTreeIteratorElementMaker {
public:
  ORVTreeIteratorElement* MakeElement(const ORVTreeIterator& iIterator, int iLevel) override {
    return new NodeElement(iIterator, iLevel);
  }
};

class NodeName : public ORVTreeIteratorElementConvToCaseName {
public:
  void SetElement(const ORVTreeIteratorElement& iElement) override {
    _pNode = static_cast<const Node*>(iElement.GetCurrentObject());
  }
  PEVUnicodeString GetName() const override { return _pNode->_Name.c_str(); }

private:
  const Node* _pNode = nullptr;
};

// The names that hold iText, as a path-iterator filter.
class NameHolds : public ORVTreeAsPathIteratorFilter {
public:
  explicit NameHolds(std::string iText) : _Text(std::move(iText)) {}
  unsigned int ReturnCurrent(const ORVTreeAsPathIteratorElement& iElement) const override {
    return static_cast<const Node*>(iElement.GetCurrentObject())->_Name.find(_Text) !=
           std::string::npos;
  }

private:
  std::string _Text;
};

template <class T, class Handler>
Handler Hold(T* iObject) {
  Handler handler;
  handler.Set(ORVRfHndlrAdopt, iObject);
  return handler;
}

// The nodes whose name holds iText and every node on the way to them.
void Choose(Forest& ioForest, const std::string& iText, std::set<const PEVBaseUnknown*>& oChosen) {
  ORVTreeAsPathIterator matches(
      Hold<ORVChildExtractor, ORVChildExtractorRfHndlr>(new ForestChildExtractor(ioForest)),
      Hold<ORVTreeAsPathIteratorElementMaker, ORVTreeAsPathIteratorElementMakerRfHndlr>(
          new NodeElementMaker),
      Hold<ORVTreeAsPathIteratorFilter, ORVTreeAsPathIteratorFilterRfHndlr>(new NameHolds(iText)),
      nullptr);
  while (ORVTreeAsPathIteratorElement* match = matches.Next()) {
    const ORVVector& path = matches.GetElementSet();
    for (int level = 0; level <= match->GetIteratorElementSetIdx(); ++level)
      oChosen.insert(static_cast<const ORVTreeIteratorElement*>(path[level])->GetCurrentObject());
  }
}

void Draw(Forest& ioForest) {
  ORVTreeAsTreeIterator walk(
      Hold<ORVChildExtractor, ORVChildExtractorRfHndlr>(new ForestChildExtractor(ioForest)),
      Hold<ORVTreeAsTreeIteratorElementMaker, ORVTreeAsTreeIteratorElementMakerRfHndlr>(
          new NodeElementMaker),
      nullptr);
  ORVTreeAsStringTreeBuilder drawer(
      Hold<ORVTreeIteratorElementConvToCaseName, ORVTreeIteratorElementConvToCaseNameRfHndlr>(
          new NodeName));
  PEVUnicodeString prefix;
  PEVUnicodeString line;
  while (ORVTreeAsTreeIteratorElement* element = walk.Next()) {
    drawer.GetStringsForTree(*element, prefix, line);
    const auto* node = static_cast<const Node*>(element->GetCurrentObject());
    ORVParamNLSMsgBldrCtlgRfHndlr shown = Message(node->_Repeated ? kRepeatedLineKey : kLineKey);
    shown->AddNewParameter(line);
    ORVMessageDisplay::GetGlobal()->Display(shown->Build(), 1);
  }
}

int Run(int iArgc, char** iArgv, ORVErrorMngr& ioErrors) {
  ORVParamNLSMsgBldrCtlgRfHndlr shortUsage = Message(kShortUsageKey);
  ORVCmdLnAnalyzer analyzer("deptree", shortUsage);
  ORVString directoryName;
  ORVString fileName;
  ORVString depthText;
  ORVString nameText;
  ORVCmdLnOptOneArg directoryOption(analyzer, "-d", ORVCmdLnOptOptional,
                                    Message(kDirectoryUsageKey), directoryName, 1);
  ORVCmdLnOptOneArg fileOption(analyzer, "-f", ORVCmdLnOptOptional, Message(kFileUsageKey),
                               fileName, 1);
  ORVCmdLnOptOneArg depthOption(analyzer, "-l", ORVCmdLnOptOptional, Message(kDepthUsageKey),
                                depthText, 1);
  ORVCmdLnOptOneArg nameOption(analyzer, "-n", ORVCmdLnOptOptional, Message(kNameUsageKey),
                               nameText, 1);
  ORVCmdLnHelpMngr help(analyzer, shortUsage.Get(), Message(kExplainedUsageKey));

  int status = 0;
  if (!AnalyzeToolCommandLine(analyzer, iArgc, iArgv, ioErrors, kShown, kError, status))
    return status;
  unsigned int byDirectory = directoryOption.IsDefined();
  const char* what = byDirectory ? directoryName.GetChars() : fileName.GetChars();
  if (byDirectory == fileOption.IsDefined())
    return Fail(ioErrors, "deptree", Message(kOneSourceKey), shortUsage);
  int depthLimit = -1;
  if (depthOption.IsDefined()) {
    char* end = nullptr;
    errno = 0;
    long depth = strtol(depthText.GetChars(), &end, 10);
    if (!isdigit((unsigned char)depthText.GetChars()[0]) || *end || errno || depth > 1000000) {
      ORVParamNLSMsgBldrCtlgRfHndlr diagnostic = Message(kBadDepthKey);
      diagnostic->AddNewParameter(depthText);
      return Fail(ioErrors, what, diagnostic, shortUsage);
    }
    depthLimit = (int)depth;
  }

  DirectoryForest directories;
  PlanForest plan;
  Forest& forest = byDirectory ? static_cast<Forest&>(directories) : plan;
  if (byDirectory) {
    int error = directories.Start(what);
    if (error != 0) {
      ORVParamNLSMsgBldrCtlgRfHndlr diagnostic = Message(kUnreadableDirectoryKey);
      diagnostic->AddNewParameter(strerror(error));
      return Fail(ioErrors, what, diagnostic, shortUsage);
    }
  } else {
    int status = plan.Read(fileName, ioErrors);
    if (status != 0) return status;
  }
  forest._DepthLimit = depthLimit;
  std::set<const PEVBaseUnknown*> chosen;
  if (nameOption.IsDefined()) {
    Choose(forest, nameText.GetChars(), chosen);
    forest._pChosen = &chosen;
  }
  Draw(forest);
  return kShown;
}

}  // namespace

int main(int argc, char** argv) {
  ORVGlobalObjectCleaner cleaner;
  ORVUtilities::MakeAndSetAsGlobalDisplayToTerm();
  ORVErrorMngr errors;
  return Run(argc, argv, errors);
}
