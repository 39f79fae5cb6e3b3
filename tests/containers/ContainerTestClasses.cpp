#include "ContainerTestClasses.h"

#include <cstdlib>

ORV_META_OBJECT_DEFINE(ORVTestShapeCmpName, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpNameDerived, ORVTestShapeCmpName)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpLength, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeCmpLengthCompatible, ORVTestShapeCmpLength)
ORV_META_OBJECT_DEFINE(ORVTestRandomCmp, ORVComparator)
ORV_META_OBJECT_DEFINE(ORVTestShapeHashNumber, ORVHashCoder)
ORV_META_OBJECT_DEFINE(ORVTestCursor, ORVCursor)
ORV_META_OBJECT_DEFINE(ORVTestRecordingLink, ORVContainersLink)

int ORVTestShapeCmpName::CompareObjects(const PEVBaseUnknown* iFirst,
                                        const PEVBaseUnknown* iSecond) const {
  ++_Comparisons;
  return NameOf(iFirst).compare(NameOf(iSecond));
}

int ORVTestShapeCmpLength::CompareObjects(const PEVBaseUnknown* iFirst,
                                          const PEVBaseUnknown* iSecond) const {
  auto first = ORVCheckedCast<ORVTestShape>(iFirst)->GetName().size();
  auto second = ORVCheckedCast<ORVTestShape>(iSecond)->GetName().size();
  return first < second ? -1 : first > second ? 1 : 0;
}

unsigned int ORVTestShapeCmpLengthCompatible::CanBeUsedInSetSortedBySecond(
    const ORVComparator& iSorting) const {
  return iSorting.IsAKindOf("ORVTestShapeCmpName");
}

int ORVTestRandomCmp::CompareObjects(const PEVBaseUnknown*, const PEVBaseUnknown*) const {
  return (int)(_Generator() % 3) - 1;
}

unsigned int ORVTestShapeHashNumber::Code(const PEVBaseUnknown* iObject) const {
  ++_Calls;
  if (!iObject) return 0;
  return (unsigned int)strtoul(ORVCheckedCast<ORVTestShape>(iObject)->GetName().c_str(), nullptr,
                               10);
}

void ORVTestRecordingLink::RemoveContainer(ORVContainer* iContainer) {
  _Notifications.push_back({"RemoveContainer", iContainer, -1});
  ORVContainersLink::RemoveContainer(iContainer);
}

void ORVTestRecordingLink::AddObject(PEVBaseUnknown* iObject, ORVContainer* iFrom) {
  _Notifications.push_back({"AddObject " + NameOf(iObject), iFrom, iFrom->Size()});
  ORVContainersLink::AddObject(iObject, iFrom);
}

void ORVTestRecordingLink::RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom) {
  _Notifications.push_back({"RemoveObject " + NameOf(iObject), iFrom, iFrom->Size()});
  ORVContainersLink::RemoveObject(iObject, iFrom);
}

void ORVTestRecordingLink::ReplaceObject(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                                         ORVContainer* iFrom) {
  _Notifications.push_back(
      {"ReplaceObject " + NameOf(iOld) + " " + NameOf(iNew), iFrom, iFrom->Size()});
  ORVContainersLink::ReplaceObject(iOld, iNew, iFrom);
}

void ORVTestRecordingLink::Clear(ORVContainer* iFrom) {
  _Notifications.push_back({"Clear", iFrom, iFrom->Size()});
  ORVContainersLink::Clear(iFrom);
}

std::vector<std::string> ORVTestRecordingLink::Texts() const {
  std::vector<std::string> texts;
  for (const Notification& notification : _Notifications)
    texts.push_back(notification._Text);
  return texts;
}

std::string NameOf(const PEVBaseUnknown* iObject) {
  if (!iObject) return "null";
  return ORVCheckedCast<ORVTestShape>(iObject)->GetName();
}

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
  for (int i = 0; i < iContainer.Size(); ++i) {
    PEVBaseUnknown* element = iForward ? iterator->Next() : iterator->Previous();
    elements.insert(iForward ? elements.end() : elements.begin(), element);
  }
  EXPECT_EQ(iForward ? iterator->Next() : iterator->Previous(), nullptr);
  iterator->Release();
  return elements;
}

static std::vector<std::string> NamesOf(const std::vector<PEVBaseUnknown*>& iElements) {
  std::vector<std::string> names;
  for (PEVBaseUnknown* element : iElements)
    names.push_back(NameOf(element));
  return names;
}

std::vector<std::string> Names(const ORVContainer& iContainer) {
  return NamesOf(ElementsOf(iContainer, true));
}

std::string WrongCursorText(const std::string& iExpected) {
  return "ORVConversionCheck::Check: object is not a \"" + iExpected + "\" but a \"ORVTestCursor\"";
}

ORVTestRecordingLink* ORVContainerTestBase::Record(
    std::initializer_list<ORVContainer*> iContainers) {
  auto* link = new ORVTestRecordingLink();
  _Links.emplace_back().Set(ORVRfHndlrAdopt, link);
  for (ORVContainer* container : iContainers)
    container->SetHLink(_Links.back());
  return link;
}

ORVTestShape* ORVContainerTestBase::Shape(const std::string& iName) {
  _Shapes.emplace_back(iName);
  return &_Shapes.back();
}

ORVVector& ORVContainerTestBase::VectorOf(const std::vector<PEVBaseUnknown*>& iElements) {
  ORVVector& vector = _Vectors.emplace_back(ORVDoNothingAtDelete);
  for (PEVBaseUnknown* element : iElements)
    vector.Append(element);
  return vector;
}
