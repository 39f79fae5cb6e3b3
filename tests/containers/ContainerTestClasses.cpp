#include "ContainerTestClasses.h"

ORV_META_OBJECT_DEFINE(ORVTestShapeCmpName, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpNameDerived, ORVTestShapeCmpName)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpLength, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpLengthCompatible, ORVTestShapeCmpLength)
ORV_META_OBJECT_DEFINE(ORVTestRandomCmp, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeHashNumber, ORVHashCoder)
ORV_META_OBJECT_DEFINE(ORVTestCursor, ORVCursor)
ORV_META_OBJECT_DEFINE(ORVTestRecordingLink, ORVContainersLink)

void AppendAll(ORVSeqCollection& ioSequence, ElementList iElements) {
  for (PEVBaseUnknown* element : iElements)
    ioSequence.Append(element);
}

void AddAll(ORVContainer& ioContainer, ElementList iElements) {
  for (PEVBaseUnknown* element : iElements)
    ioContainer.Add(element, 0);
}

std::vector<PEVBaseUnknown*> ElementsOf(const ORVContainer& iContainer, bool iForward) {
  std::vector<PEVBaseUnknown*> elements;
  ORVIterator* iterator = iContainer.MakeIterator(nullptr);
  if (!iForward) iterator->ToEnd();
  for (int i = 0; i < iContainer.Size(); ++i)
    elements.insert(iForward ? elements.end() : elements.begin(),
                    iForward ? iterator->Next() : iterator->Previous());
  EXPECT_EQ(iForward ? iterator->Next() : iterator->Previous(), nullptr);
  iterator->Release();
  return elements;
}

std::vector<std::string> Names(const ORVContainer& iContainer) {
  std::vector<std::string> names;
  for (PEVBaseUnknown* element : ElementsOf(iContainer))
    names.push_back(NameOf(element));
  return names;
}

ORVTestRecordingLink* ORVContainerTestBase::Record(
    std::initializer_list<ORVContainer*> iContainers) {
  auto* link = new ORVTestRecordingLink();
  _Links.emplace_back().Set(ORVRfHndlrAdopt, link);
  for (ORVContainer* container : iContainers)
    container->SetHLink(_Links.back());
  return link;
}

ORVVector& ORVContainerTestBase::VectorOf(const std::vector<PEVBaseUnknown*>& iElements) {
  ORVVector& vector = _Vectors.emplace_back(ORVDoNothingAtDelete);
  for (PEVBaseUnknown* element : iElements)
    vector.Append(element);
  return vector;
}
