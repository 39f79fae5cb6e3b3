// TreeTestSupport.h - trees of named nodes and the client classes a tree walk needs:
// a child extractor, elements, their maker, a name converter. Iterators and elements
// count the live ones, so that tests see what the walk releases.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ORVChildExtractor.h"
#include "ORVOneWayIterator.h"
#include "ORVTreeAsTreeIteratorElement.h"
#include "ORVTreeAsTreeIteratorElementMaker.h"
#include "ORVTreeIteratorElementConvToCaseName.h"

class TestNode : public PEVBaseUnknown {
  ORV_META_OBJECT(TestNode)

public:
  explicit TestNode(std::string iName = "") : _Name(std::move(iName)) {}
  std::string _Name;
};

// A one-way iterator over a copy of a list of children.
class TestChildIterator : public ORVOneWayIterator {
  ORV_META_OBJECT(TestChildIterator)

public:
  explicit TestChildIterator(std::vector<PEVBaseUnknown*> iChildren)
      : _Children(std::move(iChildren)) {
    ++_Live;
  }
  ~TestChildIterator() override { --_Live; }
  PEVBaseUnknown* Next() override {
    return _Position < _Children.size() ? _Children[_Position++] : nullptr;
  }
  static int _Live;

private:
  std::vector<PEVBaseUnknown*> _Children;
  std::size_t _Position = 0;
};

// Hands out what iChildren answers for a parent.
class TestChildExtractor : public ORVChildExtractor {
  ORV_META_OBJECT(TestChildExtractor)

public:
  explicit TestChildExtractor(std::function<ORVOneWayIterator*(const PEVBaseUnknown*)> iChildren)
      : _Children(std::move(iChildren)) {}
  ORVOneWayIterator* ExtractChildren(const PEVBaseUnknown* iParent) override {
    return _Children(iParent);
  }

private:
  std::function<ORVOneWayIterator*(const PEVBaseUnknown*)> _Children;
};

class TestElement : public ORVTreeAsTreeIteratorElement {
  ORV_META_OBJECT(TestElement)

public:
  TestElement(const ORVTreeIterator& iIterator, int iLevel)
      : ORVTreeAsTreeIteratorElement(iIterator, iLevel) {
    ++_Live;
  }
  ~TestElement() override { --_Live; }
  void SetCurrentObject(const PEVBaseUnknown* iObject) override { _pCurrent = iObject; }
  const PEVBaseUnknown* GetCurrentObject() const override { return _pCurrent; }
  void SetNextObject(const PEVBaseUnknown* iObject) override { _pNext = iObject; }
  const PEVBaseUnknown* GetNextObject() const override { return _pNext; }
  unsigned int HasNextObject() const override { return _pNext != nullptr; }
  static int _Live;

private:
  const PEVBaseUnknown* _pCurrent = nullptr;
  const PEVBaseUnknown* _pNext = nullptr;
};

// Makes TestElement objects; none (null) for the level iNullAtLevel.
class TestElementMaker : public ORVTreeAsTreeIteratorElementMaker {
  ORV_META_OBJECT(TestElementMaker)

public:
  explicit TestElementMaker(int iNullAtLevel = -1) : _NullAtLevel(iNullAtLevel) {}
  ORVTreeIteratorElement* MakeElement(const ORVTreeIterator& iIterator, int iLevel) override {
    if (iLevel == _NullAtLevel) return nullptr;
    return new TestElement(iIterator, iLevel);
  }

private:
  int _NullAtLevel;
};

// The name of the element's current node.
class TestNameConv : public ORVTreeIteratorElementConvToCaseName {
  ORV_META_OBJECT(TestNameConv)

public:
  void SetElement(const ORVTreeIteratorElement& iElement) override { _pElement = &iElement; }
  PEVUnicodeString GetName() const override;

private:
  const ORVTreeIteratorElement* _pElement = nullptr;
};

// Nodes by name with their children in order; node "-" stands for the null parent (the
// top of a forest). Written "R(A(G) B)": R has children A and B, A has G.
class TestTree {
public:
  explicit TestTree(const std::string& iShape);
  TestNode* Node(const std::string& iName) { return &_Nodes[iName]; }
  // The extractor over this tree: an iterator for every node, empty for a leaf.
  ORVChildExtractorRfHndlr Extractor();

private:
  std::map<std::string, TestNode> _Nodes;
  std::map<const PEVBaseUnknown*, std::vector<PEVBaseUnknown*>> _Children;
};

// A chain of iCount nodes, each the only child of the one before, named by position.
class TestChain {
public:
  explicit TestChain(int iCount);
  TestNode* Top() { return &_Nodes[0]; }
  ORVChildExtractorRfHndlr Extractor();

private:
  std::vector<TestNode> _Nodes;
};

ORVTreeAsTreeIteratorElementMakerRfHndlr MakeTestMaker(int iNullAtLevel = -1);
ORVTreeIteratorElementConvToCaseNameRfHndlr MakeTestNameConv();
// The node's name; "null" for none.
std::string NameOf(const PEVBaseUnknown* iObject);
