// ContainerTestClasses.h - comparators, a hash coder, a cursor and a containers link for
// the container tests.
//
// Elements are the ORVTestShape family (tests/support); comparators order shapes by
// name and count their comparisons, the hash coder codes them by the number in their
// name; the recording link writes down each notification.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "ORVContainer.h"
#include "ORVContainersLink.h"
#include "ORVCursor.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVHashCoder.h"
#include "ORVIterator.h"
#include "ORVVector.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"

// The name of a shape, "null" for null.
inline std::string NameOf(const PEVBaseUnknown* iObject) {
  return iObject ? ORVCheckedCast<ORVTestShape>(iObject)->GetName() : "null";
}

// Orders shapes by name (null as "null"); counts every comparison.
class ORVTestShapeCmpName : public ORVComparator {
  ORV_META_OBJECT(ORVTestShapeCmpName)

public:
  int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const override {
    ++_Comparisons;
    return NameOf(iFirst).compare(NameOf(iSecond));
  }

  mutable int _Comparisons = 0;
};

// Same order; a class derived from the name comparator.
class ORVTestShapeCmpNameDerived : public ORVTestShapeCmpName {
  ORV_META_OBJECT(ORVTestShapeCmpNameDerived)
};

// Orders shapes by name length; unrelated to the name comparators.
class ORVTestShapeCmpLength : public ORVComparator {
  ORV_META_OBJECT(ORVTestShapeCmpLength)

public:
  int CompareObjects(const PEVBaseUnknown* iFirst, const PEVBaseUnknown* iSecond) const override {
    std::size_t first = NameOf(iFirst).size(), second = NameOf(iSecond).size();
    return first < second ? -1 : first > second ? 1 : 0;
  }
};

// Like ORVTestShapeCmpLength, but declares that it can search sets sorted by name.
class ORVTestShapeCmpLengthCompatible : public ORVTestShapeCmpLength {
  ORV_META_OBJECT(ORVTestShapeCmpLengthCompatible)

public:
  unsigned int CanBeUsedInSetSortedBySecond(const ORVComparator& iSorting) const override {
    return iSorting.IsAKindOf("ORVTestShapeCmpName");
  }
};

// Answers at random: no order at all; "less" to its first iLessFirst questions, which
// makes a sort's partitions as uneven as can be.
class ORVTestRandomCmp : public ORVComparator {
  ORV_META_OBJECT(ORVTestRandomCmp)

public:
  explicit ORVTestRandomCmp(unsigned int iSeed, int iLessFirst = 0)
      : _Generator(iSeed), _LessFirst(iLessFirst) {}
  int CompareObjects(const PEVBaseUnknown*, const PEVBaseUnknown*) const override {
    return _LessFirst-- > 0 ? -1 : (int)(_Generator() % 3) - 1;
  }

private:
  mutable std::mt19937 _Generator;
  mutable int _LessFirst;
};

// Codes a shape by the number its name starts with ("17" and "17b" share code 17; a
// name without digits and null get 0); counts its calls. Agrees with the name comparator.
class ORVTestShapeHashNumber : public ORVHashCoder {
  ORV_META_OBJECT(ORVTestShapeHashNumber)

public:
  unsigned int Code(const PEVBaseUnknown* iObject) const override {
    ++_Calls;
    return iObject ? (unsigned int)strtoul(NameOf(iObject).c_str(), nullptr, 10) : 0;
  }

  mutable int _Calls = 0;
};

// A cursor of no container.
class ORVTestCursor : public ORVCursor {
  ORV_META_OBJECT(ORVTestCursor)
};

// Writes each notification as "<operation> <names>" with the size of the container it came
// from, then does the link's work: the containers of its set are kept in step.
class ORVTestRecordingLink : public ORVContainersLink {
  ORV_META_OBJECT(ORVTestRecordingLink)

public:
  struct Notification {
    std::string _Text;
    int _SizeOfFrom;  // when told; -1 for RemoveContainer (the container is going)
  };

  void RemoveContainer(ORVContainer* iContainer) override {
    _Notifications.push_back({"RemoveContainer", -1});
    ORVContainersLink::RemoveContainer(iContainer);
  }
  void AddObject(PEVBaseUnknown* iObject, ORVContainer* iFrom) override {
    Note("AddObject " + NameOf(iObject), iFrom);
    ORVContainersLink::AddObject(iObject, iFrom);
  }
  void RemoveObject(const PEVBaseUnknown* iObject, ORVContainer* iFrom) override {
    Note("RemoveObject " + NameOf(iObject), iFrom);
    ORVContainersLink::RemoveObject(iObject, iFrom);
  }
  void ReplaceObject(const PEVBaseUnknown* iOld, PEVBaseUnknown* iNew,
                     ORVContainer* iFrom) override {
    Note("ReplaceObject " + NameOf(iOld) + " " + NameOf(iNew), iFrom);
    ORVContainersLink::ReplaceObject(iOld, iNew, iFrom);
  }
  void Clear(ORVContainer* iFrom) override {
    Note("Clear", iFrom);
    ORVContainersLink::Clear(iFrom);
  }

  // The texts of the notifications, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Notification& notification : _Notifications)
      texts.push_back(notification._Text);
    return texts;
  }

  std::vector<Notification> _Notifications;

private:
  void Note(const std::string& iText, ORVContainer* iFrom) {
    _Notifications.push_back({iText, iFrom->Size()});
  }
};

using ElementList = std::initializer_list<PEVBaseUnknown*>;

// Appends iElements in order; adds them without notification.
inline void AppendAll(ORVSeqCollection& ioSequence, ElementList iElements) {
  for (PEVBaseUnknown* element : iElements)
    ioSequence.Append(element);
}
inline void AddAll(ORVContainer& ioContainer, ElementList iElements) {
  for (PEVBaseUnknown* element : iElements)
    ioContainer.Add(element, ORVDoNotNotify);
}

// The elements in iteration order, walking Size() steps forward (or back from the end,
// given in forward order); the walk must end there.
inline std::vector<PEVBaseUnknown*> ElementsOf(const ORVContainer& iContainer,
                                               bool iForward = true) {
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
// Their names.
inline std::vector<std::string> Names(const ORVContainer& iContainer) {
  std::vector<std::string> names;
  for (PEVBaseUnknown* element : ElementsOf(iContainer))
    names.push_back(NameOf(element));
  return names;
}

// Fixture of the container tests: a cleaner for the global comparators and the
// fatal display, and a few named shapes.
class ORVContainerTestBase : public testing::Test {
protected:
  // A new recording link set on each of iContainers, held until the end of the test.
  ORVTestRecordingLink* Record(std::initializer_list<ORVContainer*> iContainers) {
    auto* link = new ORVTestRecordingLink();
    _Links.emplace_back().Set(ORVRfHndlrAdopt, link);
    for (ORVContainer* container : iContainers)
      container->SetHLink(_Links.back());
    return link;
  }
  // A shape named iName that lives as long as the test.
  ORVTestShape* Shape(const std::string& iName) { return &_Shapes.emplace_back(iName); }
  // A vector of iElements (without disposal) that lives as long as the test.
  ORVVector& VectorOf(const std::vector<PEVBaseUnknown*>& iElements) {
    ORVVector& vector = _Vectors.emplace_back(ORVDoNothingAtDelete);
    for (PEVBaseUnknown* element : iElements)
      vector.Append(element);
    return vector;
  }

  ORVGlobalObjectCleaner _Cleaner;
  ORVTestShape _A{"a"};
  ORVTestShape _B{"b"};
  ORVTestShape _C{"c"};
  ORVTestShape _D{"d"};
  std::vector<ORVContainersLinkRfHndlr> _Links;
  std::deque<ORVTestShape> _Shapes;  // deques: the shapes and vectors must not move
  std::deque<ORVVector> _Vectors;
};
