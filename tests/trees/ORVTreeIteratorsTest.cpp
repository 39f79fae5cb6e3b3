// Tests of the tree walks ORVTreeAsPathIterator and ORVTreeAsTreeIterator and of the string
// builders over them: walk order, levels and filters, the next-sibling knowledge of every
// level, the end of the walk, what destruction releases, the drawn tree and the paths, the
// fatal maker, and a million-level tree on a small stack. The client classes a walk needs
// (child extractor, elements, their maker, a name converter) count their live instances.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ORVOneWayIterator.h"
#include "ORVTreeAsPathIterator.h"
#include "ORVTreeAsPathIteratorFilterWithCurrentSet.h"
#include "ORVTreeAsStringPathBuilder.h"
#include "ORVTreeAsStringTreeBuilder.h"
#include "ORVTreeAsTreeIterator.h"
#include "RunWithStack.h"
#include "SuiteHelpers.h"

namespace {

template <class Handler, class Object>
Handler Adopt(Object* iObject) {
  Handler handler;
  handler.Set(ORVRfHndlrAdopt, iObject);
  return handler;
}

struct TestNode : PEVBaseUnknown {
  std::string _Name;
};
std::string NameOf(const PEVBaseUnknown* iObject) {
  return iObject ? static_cast<const TestNode*>(iObject)->_Name : "null";
}

// A one-way iterator over a copy of a list of children.
struct TestChildIterator : ORVOneWayIterator {
  explicit TestChildIterator(std::vector<PEVBaseUnknown*> iNodes) : _Nodes(iNodes) { ++_Live; }
  ~TestChildIterator() override { --_Live; }
  PEVBaseUnknown* Next() override { return _At < _Nodes.size() ? _Nodes[_At++] : nullptr; }
  std::vector<PEVBaseUnknown*> _Nodes;
  std::size_t _At = 0;
  static inline int _Live = 0;
};

using Children = std::function<ORVOneWayIterator*(const PEVBaseUnknown*)>;
struct TestChildExtractor : ORVChildExtractor {
  explicit TestChildExtractor(Children iChildren) : _Children(iChildren) {}
  ORVOneWayIterator* ExtractChildren(const PEVBaseUnknown* iParent) override {
    return _Children(iParent);
  }
  Children _Children;
};

struct TestElement : ORVTreeAsTreeIteratorElement {
  TestElement(const ORVTreeIterator& iIt, int iAt) : ORVTreeAsTreeIteratorElement(iIt, iAt) {
    ++_Live;
  }
  ~TestElement() override { --_Live; }
  void SetCurrentObject(const PEVBaseUnknown* iObject) override { _pCurrent = iObject; }
  const PEVBaseUnknown* GetCurrentObject() const override { return _pCurrent; }
  void SetNextObject(const PEVBaseUnknown* iObject) override { _pNext = iObject; }
  const PEVBaseUnknown* GetNextObject() const override { return _pNext; }
  unsigned int HasNextObject() const override { return _pNext != nullptr; }
  const PEVBaseUnknown *_pCurrent = nullptr, *_pNext = nullptr;
  static inline int _Live = 0;
};

// Makes TestElement objects; none (null) for the level iNullAtLevel.
struct TestElementMaker : ORVTreeAsTreeIteratorElementMaker {
  explicit TestElementMaker(int iNullAtLevel) : _NullAtLevel(iNullAtLevel) {}
  ORVTreeIteratorElement* MakeElement(const ORVTreeIterator& iIterator, int iLevel) override {
    return iLevel == _NullAtLevel ? nullptr : new TestElement(iIterator, iLevel);
  }
  int _NullAtLevel;
};
ORVTreeAsTreeIteratorElementMakerRfHndlr Maker(int iNullAtLevel = -1) {
  return Adopt<ORVTreeAsTreeIteratorElementMakerRfHndlr>(new TestElementMaker(iNullAtLevel));
}

// The name of the element's current node.
struct TestNameConv : ORVTreeIteratorElementConvToCaseName {
  void SetElement(const ORVTreeIteratorElement& iElement) override { _pElement = &iElement; }
  PEVUnicodeString GetName() const override {
    return NameOf(_pElement->GetCurrentObject()).c_str();
  }
  const ORVTreeIteratorElement* _pElement = nullptr;
};
ORVTreeIteratorElementConvToCaseNameRfHndlr NameConv() {
  return Adopt<ORVTreeIteratorElementConvToCaseNameRfHndlr>(new TestNameConv);
}

// Nodes named by one letter with their children in order, written "R(A(G) B)": R has
// children A and B, A has G. Node "-" stands for the null parent (the top of a forest).
struct TestTree {
  explicit TestTree(const std::string& iShape) {
    std::vector<TestNode*> parents = {Node("-")};
    TestNode* last = nullptr;
    for (char name : iShape) {
      if (name == '(') parents.push_back(last);
      if (name == ')') parents.pop_back();
      if (strchr("() ", name)) continue;
      (last = Node(std::string(1, name).c_str()))->_Name = std::string(1, name);
      _Children[parents.back()].push_back(last);
    }
  }
  TestNode* Node(const char* iName) { return iName ? &_Nodes[iName] : nullptr; }
  // An iterator for every node, empty for a leaf.
  ORVChildExtractorRfHndlr Extractor() {
    return Adopt<ORVChildExtractorRfHndlr>(new TestChildExtractor([this](const PEVBaseUnknown* iP) {
      return new TestChildIterator(_Children[iP ? iP : Node("-")]);
    }));
  }
  std::map<std::string, TestNode> _Nodes;
  std::map<const PEVBaseUnknown*, std::vector<PEVBaseUnknown*>> _Children;
};

class ORVTreeIteratorsTest : public testing::Test {
protected:
  void TearDown() override {
    EXPECT_EQ(TestChildIterator::_Live, 0);
    EXPECT_EQ(TestElement::_Live, 0);
  }
  ORVGlobalObjectCleaner _Cleaner;
};

// The path walk as "name level " of every element it returns; then three more calls past
// its end, which must not restart it.
std::string PathWalk(ORVTreeAsPathIterator&& ioIterator) {
  std::string walk;
  while (ORVTreeAsPathIteratorElement* element = ioIterator.Next()) {
    int level = element->GetIteratorElementSetIdx();
    walk += NameOf(element->GetCurrentObject()) + std::to_string(level) + " ";
    if (element != ioIterator.GetCurrentElement() || level != ioIterator.GetCurrentElementIdx())
      walk += "? ";
  }
  for (int more = 0; more < 3; ++more)
    if (ioIterator.Next() || ioIterator.GetCurrentElement() ||
        ioIterator.GetCurrentElementIdx() != -1)
      walk += "restarted ";
  return walk;
}

// The tree walk as, for each step, the current node of every level from the top down to
// the returned one, "+" after a node that has a next sibling; steps separated by "/".
std::string TreeWalk(ORVTreeAsTreeIterator&& ioIterator) {
  std::string walk;
  while (ORVTreeAsTreeIteratorElement* element = ioIterator.Next()) {
    walk += walk.empty() ? "" : "/";
    for (int level = 0; level <= element->GetIteratorElementSetIdx(); ++level) {
      auto* above = static_cast<ORVTreeAsTreeIteratorElement*>(ioIterator.GetElementSet()[level]);
      walk += NameOf(above->GetCurrentObject()) + (above->HasNextObject() ? "+" : "");
    }
  }
  for (int more = 0; more < 3; ++more)
    if (ioIterator.Next() || ioIterator.GetCurrentElementIdx() != -1) walk += " restarted";
  return walk;
}

// Root null: the forest under the null parent. Kept: the names of a set filter for the
// path walk; a rejected node's children are still walked. The last child of every level
// has no next sibling, whatever its parent has.
TEST_F(ORVTreeIteratorsTest, BothWalksGoInPreOrderThePathWalkKeepingWhatTheFilterSays) {
  const struct {
    const char *_Shape, *_Root, *_Kept, *_Path, *_Tree;
  } cases[] = {
      {"R(A(G H(K)) B(C))", "R", nullptr, "R0 A1 G2 H2 K3 B1 C2 ", "R/RA+/RA+G+/RA+H/RA+HK/RB/RBC"},
      {"X(Z) Y", nullptr, nullptr, "X0 Z1 Y0 ", "X+/X+Z/Y"},
      {"", nullptr, nullptr, "", ""},
      {"R(A(G(K L)) B(C) D)", "R", "L C D", "L3 C2 D1 ", "R/RA+/RA+G/RA+GK+/RA+GL/RB+/RB+C/RD"},
  };
  for (const auto& walkCase : cases) {
    SCOPED_TRACE(walkCase._Shape);
    TestTree tree(walkCase._Shape);
    ORVTreeAsPathIteratorFilterRfHndlr filter;
    if (walkCase._Kept) {
      auto kept = Adopt<ORVVectorRfHndlr>(new ORVVector(ORVDoNothingAtDelete));
      std::istringstream names(walkCase._Kept);
      for (std::string name; names >> name;)
        kept->Append(tree.Node(name.c_str()));
      filter = Adopt<ORVTreeAsPathIteratorFilterRfHndlr>(
          new ORVTreeAsPathIteratorFilterWithCurrentSet(kept));
    }
    TestNode* root = tree.Node(walkCase._Root);
    EXPECT_EQ(PathWalk({tree.Extractor(), Maker(), filter, root}), walkCase._Path);
    EXPECT_EQ(TreeWalk({tree.Extractor(), Maker(), root}), walkCase._Tree);
  }
}

// Each line as the default and an own-marks drawer give it, then its prefix for the
// children, then the path joined with " :: " and with no separator. One element per
// level, reused at its depth. Destroyed part-way, a walk releases the child iterators it
// holds and its elements; an element kept elsewhere lives on, no longer points at the
// iterator, and builds empty texts.
TEST_F(ORVTreeIteratorsTest, BuildersDrawTheWalkLineByLineAndNothingForAnElementThatOutlivedIt) {
  TestTree tree("R(A(G H) B(C))");
  ORVTreeAsStringTreeBuilder plain(NameConv()), marked(NameConv(), ".", "|", "__", "+", "> ");
  ORVTreeAsStringPathBuilder spaced(NameConv(), " :: "), joined(NameConv(), "");
  ORVTreeAsTreeIterator iterator(tree.Extractor(), Maker(), tree.Node("R"));
  std::vector<std::string> lines;
  PEVUnicodeString prefix = "stale", line = "stale", path = "stale", glued = "stale";
  while (ORVTreeAsTreeIteratorElement* element = iterator.Next()) {
    plain.GetStringsForTree(*element, prefix, line);
    lines.push_back(Utf8(line) + "|" + Utf8(prefix) + "|");
    marked.GetStringsForTree(*element, prefix, line);
    spaced.GetRelativePath(*element, path);
    joined.GetRelativePath(*element, glued);
    lines.back() += Utf8(line) + "|" + Utf8(prefix) + "|" + Utf8(path) + "|" + Utf8(glued) + "|";
  }
  EXPECT_EQ(lines, std::vector<std::string>({
                       "- R||> R||R|R|",
                       "   +- A|   !|__+> A|__||R :: A|RA|",
                       "   !   +- G|   !   !|__|__+> G|__|__||R :: A :: G|RAG|",
                       "   !   +- H|   !   !|__|__+> H|__|__||R :: A :: H|RAH|",
                       "   +- B|   !|__+> B|__||R :: B|RB|",
                       "       +- C|       !|__.__+> C|__.__||R :: B :: C|RBC|",
                   }));
  PEVBaseUnknownRfHndlr kept;
  {
    ORVTreeAsPathIterator walk(tree.Extractor(), Maker(), {}, tree.Node("R"));
    walk.Next();
    walk.Next();
    ORVTreeAsPathIteratorElement* g = walk.Next();
    ASSERT_EQ(walk.Next(), g);
    ASSERT_EQ(NameOf(g->GetCurrentObject()), "H");
    kept.Set(ORVRfHndlrAddRef, g);
    EXPECT_EQ(TestChildIterator::_Live, 2);
    EXPECT_EQ(TestElement::_Live, 3 + 3);  // with the finished tree walk's three
  }
  ASSERT_EQ(TestElement::_Live, 3 + 1);  // the child iterators are gone, as TearDown checks
  const auto* h = static_cast<const TestElement*>(kept.Get());
  EXPECT_EQ(h->GetTreeIterator(), nullptr);
  EXPECT_EQ(NameOf(h->GetCurrentObject()), "H");
  plain.GetStringsForTree(*h, prefix, line);
  spaced.GetRelativePath(*h, path);
  EXPECT_EQ(Utf8(prefix) + Utf8(line) + Utf8(path), "");
  kept.Set(ORVRfHndlrAdopt, nullptr);
}

// A chain of a million nodes, each the only child of the one before: the walk and the
// texts of the deepest node take memory in proportion to the depth, never a call frame
// per level.
TEST_F(ORVTreeIteratorsTest, AMillionLevelTreeIsWalkedAndDrawnOnASmallStack) {
  const int depth = 1000000;
  std::vector<TestNode> chain(depth);
  for (int index = 0; index < depth; ++index)
    chain[(std::size_t)index]._Name = "n" + std::to_string(index);
  auto extractor = Adopt<ORVChildExtractorRfHndlr>(
      new TestChildExtractor([&](const PEVBaseUnknown* iParent) -> ORVOneWayIterator* {
        if (!iParent) return nullptr;
        auto next = (std::size_t)(static_cast<const TestNode*>(iParent) - chain.data()) + 1;
        return next < chain.size() ? new TestChildIterator({&chain[next]}) : nullptr;
      }));
  int count = 0;
  std::string line, path;
  ASSERT_TRUE(RunWithStack(1 << 20, [&] {
    ORVTreeAsTreeIterator iterator(extractor, Maker(), &chain[0]);
    ORVTreeAsStringTreeBuilder drawer(NameConv());
    ORVTreeAsStringPathBuilder pather(NameConv(), "/");
    while (ORVTreeAsTreeIteratorElement* element = iterator.Next()) {
      if (++count < depth) continue;
      PEVUnicodeString prefix, drawn, joined;
      drawer.GetStringsForTree(*element, prefix, drawn);
      pather.GetRelativePath(*element, joined);
      line = Utf8(drawn);
      path = Utf8(joined);
    }
  }));
  EXPECT_EQ(count, depth);
  EXPECT_EQ(line.size(), 4u * (depth - 2) + 3 + 1 + 2 + 7);
  EXPECT_EQ(line.substr(line.size() - 17), "       +- n999999");
  EXPECT_EQ(path.substr(0, 6) + "..." + path.substr(path.size() - 15), "n0/n1/...n999998/n999999");
}

// At a child's level or at the root's, in either walk.
TEST_F(ORVTreeIteratorsTest, AMakerThatMakesNoElementIsFatal) {
  TestTree tree("R(A(G))");
  const ORVTreeAsPathIteratorFilterRfHndlr none;
  TestNode* root = tree.Node("R");
  ExpectFatalReport(
      [&] { PathWalk(ORVTreeAsPathIterator(tree.Extractor(), Maker(2), none, root)); },
      "MakeElement() returned NULL for level 2", "src/ORVTreeIteratorLevels.h");
  ExpectFatalReport([&] { TreeWalk(ORVTreeAsTreeIterator(tree.Extractor(), Maker(0), root)); },
                    "MakeElement() returned NULL for level 0", "src/ORVTreeIteratorLevels.h");
}

}  // namespace
