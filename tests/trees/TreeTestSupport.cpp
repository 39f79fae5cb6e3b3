#include "TreeTestSupport.h"

#include <cstddef>

#include "ORVTreeIterator.h"

ORV_META_OBJECT_DEFINE(TestNode, PEVBaseUnknown)
ORV_META_OBJECT_DEFINE(TestChildIterator, ORVOneWayIterator)
ORV_META_OBJECT_DEFINE(TestChildExtractor, ORVChildExtractor)
ORV_META_OBJECT_DEFINE(TestElement, ORVTreeAsTreeIteratorElement)
ORV_META_OBJECT_DEFINE(TestElementMaker, ORVTreeAsTreeIteratorElementMaker)
ORV_META_OBJECT_DEFINE(TestNameConv, ORVTreeIteratorElementConvToCaseName)

int TestChildIterator::_Live = 0;
int TestElement::_Live = 0;

std::string NameOf(const PEVBaseUnknown* iObject) {
  return iObject ? static_cast<const TestNode*>(iObject)->_Name : "null";
}

PEVUnicodeString TestNameConv::GetName() const {
  return NameOf(_pElement->GetCurrentObject()).c_str();
}

// Reads the shape with a stack of parents; names are runs of other characters.
TestTree::TestTree(const std::string& iShape) {
  std::vector<TestNode*> parents = {Node("-")};
  TestNode* last = nullptr;
  std::size_t position = 0;
  while (position < iShape.size()) {
    char c = iShape[position];
    if (c == '(') {
      parents.push_back(last);
      ++position;
    } else if (c == ')') {
      parents.pop_back();
      ++position;
    } else if (c == ' ') {
      ++position;
    } else {
      std::size_t end = iShape.find_first_of("() ", position);
      if (end == std::string::npos) end = iShape.size();
      last = Node(iShape.substr(position, end - position));
      last->_Name = iShape.substr(position, end - position);
      _Children[parents.back()].push_back(last);
      position = end;
    }
  }
}

ORVChildExtractorRfHndlr TestTree::Extractor() {
  ORVChildExtractorRfHndlr extractor;
  extractor.Set(ORVRfHndlrAdopt, new TestChildExtractor([this](const PEVBaseUnknown* iParent) {
                  const PEVBaseUnknown* parent = iParent ? iParent : Node("-");
                  auto found = _Children.find(parent);
                  return new TestChildIterator(
                      found == _Children.end() ? std::vector<PEVBaseUnknown*>() : found->second);
                }));
  return extractor;
}

TestChain::TestChain(int iCount) {
  _Nodes.reserve((std::size_t)iCount);
  for (int index = 0; index < iCount; ++index)
    _Nodes.emplace_back("n" + std::to_string(index));
}

ORVChildExtractorRfHndlr TestChain::Extractor() {
  ORVChildExtractorRfHndlr extractor;
  extractor.Set(ORVRfHndlrAdopt,
                new TestChildExtractor([this](const PEVBaseUnknown* iParent) -> ORVOneWayIterator* {
                  if (!iParent) return nullptr;
                  std::size_t next =
                      (std::size_t)(static_cast<const TestNode*>(iParent) - _Nodes.data()) + 1;
                  if (next >= _Nodes.size()) return nullptr;
                  return new TestChildIterator({&_Nodes[next]});
                }));
  return extractor;
}

ORVTreeAsTreeIteratorElementMakerRfHndlr MakeTestMaker(int iNullAtLevel) {
  ORVTreeAsTreeIteratorElementMakerRfHndlr maker;
  maker.Set(ORVRfHndlrAdopt, new TestElementMaker(iNullAtLevel));
  return maker;
}

ORVTreeIteratorElementConvToCaseNameRfHndlr MakeTestNameConv() {
  ORVTreeIteratorElementConvToCaseNameRfHndlr converter;
  converter.Set(ORVRfHndlrAdopt, new TestNameConv);
  return converter;
}
