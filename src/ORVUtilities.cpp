#include "ORVUtilities.h"

#include <sys/wait.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

#include "ORVCatalogKeys.h"
#include "ORVComparator.h"
#include "ORVContainer.h"
#include "ORVConvertor.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVExtChars.h"
#include "ORVFatal.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVIterator.h"
#include "ORVMessageDisplayToISO8859Term.h"
#include "ORVOFStream.h"
#include "ORVSortedVector.h"
#include "PEVClassFactory.h"

namespace {

// ExecuteExternalCommand reads the output in pieces of at most this size, NUL included.
constexpr int kLineBufferSize = 1024;

// A separator holding a backslash or an underscore would appear again in the escapes.
void CheckFieldSeparator(const ORVString& iSeparator) {
  const char* separator = iSeparator.GetChars();
  for (int i = 0; i < iSeparator.GetLength(); ++i)
    if (separator[i] == '\\' || separator[i] == '_')
      ORV_FATAL("The field separator is " << separator);
}

// True when iText at iPosition starts with the whole of a non-empty iSeparator.
bool SeparatorAt(const ORVString& iText, int iPosition, const ORVString& iSeparator) {
  int length = iSeparator.GetLength();
  if (length == 0 || length > iText.GetLength() - iPosition) return false;
  return memcmp(iText.GetChars() + iPosition, iSeparator.GetChars(), (std::size_t)length) == 0;
}

// Appends one character, a NUL included (Concat stops at a NUL).
void AppendCharacter(ORVString& ioText, char iCharacter) {
  if (iCharacter == '\0')
    ioText.Resize(ioText.GetLength() + 1, '\0', 0);
  else
    ioText.Concat(&iCharacter, 1);
}

// The failure left by the platform for iCode when it recorded one; otherwise a new
// critical error with iCode and the given messages. A last error made by the library
// is older than the call (the platform makes no ORVError): it would tell of another
// failure that happened to have the same code, such as the general failure code.
long FailureWithRecord(long iCode, const ORVNLSMsgBldrRfHndlr& iRequest,
                       const ORVNLSMsgBldrRfHndlr& iDiagnostic) {
  PEVError* lastError = PEVError::PEVGetLastError(iCode, nullptr);
  if (lastError) {
    bool fromPlatform = !lastError->IsAKindOf(ORVError::ClassName());
    lastError->Release();
    if (fromPlatform) return iCode;
  }
  ORVError* error = new ORVError(__FILE__, __LINE__, iRequest, iDiagnostic,
                                 ORVMakeCatalogMessage<ORVBC_0502>(), PEVErrorTypeCritical, iCode);
  return PEVError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
}

// The exit status of a command from its wait status: the exit code, 128 + the signal
// number of a command killed by a signal, -1 when the wait failed.
int ExitStatus(int iWaitStatus) {
  if (iWaitStatus == -1) return -1;
  if (WIFEXITED(iWaitStatus)) return WEXITSTATUS(iWaitStatus);
  if (WIFSIGNALED(iWaitStatus)) return 128 + WTERMSIG(iWaitStatus);
  return -1;
}

}  // namespace

ORVString ORVUtilities::ConvertGUIDToString(const _GUID& iGUID) {
  char text[39];
  snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           (unsigned int)iGUID.Data1, (unsigned int)iGUID.Data2, (unsigned int)iGUID.Data3,
           (unsigned int)iGUID.Data4[0], (unsigned int)iGUID.Data4[1], (unsigned int)iGUID.Data4[2],
           (unsigned int)iGUID.Data4[3], (unsigned int)iGUID.Data4[4], (unsigned int)iGUID.Data4[5],
           (unsigned int)iGUID.Data4[6], (unsigned int)iGUID.Data4[7]);
  return ORVString(text);
}

ORVString ORVUtilities::GetWord(const char* iText, int iIndex, char iSeparator) {
  ORVString word;
  if (!iText || iIndex < 1) return word;
  const char* position = iText;
  for (int number = 1; *position; ++number) {
    while (*position && *position == iSeparator)
      ++position;
    if (!*position) break;
    const char* start = position;
    while (*position && *position != iSeparator)
      ++position;
    if (number == iIndex) {
      word.Copy(start, (int)(position - start));
      break;
    }
  }
  return word;
}

int ORVUtilities::GetNbChars(const char* iText, int iMax) {
  if (!iText) return 0;
  if (iMax < 0) return ORV_CHECKED_SIZE(strlen(iText), "ORVUtilities::GetNbChars");
  return (int)strnlen(iText, (std::size_t)iMax);
}

int ORVUtilities::GetIntAsStrSize(int iNumber) {
  return snprintf(nullptr, 0, "%d", iNumber);
}

ORVString ORVUtilities::GetListItemIdxFormat(int iCount, char iFill) {
  ORVString format("%");
  if (iFill != ' ') format.Concat(&iFill, 1);
  format += GetIntAsStrSize(iCount);
  format += "d";
  return format;
}

int ORVUtilities::CompareUnicodeStrings(const PEVUnicodeString& iLeft,
                                        const PEVUnicodeString& iRight) {
  if (iLeft < iRight) return -1;
  if (iLeft > iRight) return 1;
  return 0;
}

int ORVUtilities::CompareUnicodeStringsNoCase(const PEVUnicodeString& iLeft,
                                              const PEVUnicodeString& iRight) {
  int sameness = iLeft.Compare(iRight);
  if (sameness == 1 || sameness == 2) return 0;
  PEVUnicodeString left(iLeft);
  PEVUnicodeString right(iRight);
  return CompareUnicodeStrings(left.ToUpper(), right.ToUpper());
}

unsigned int ORVUtilities::ConvertStringToInt(const ORVString& iText, int& oValue) {
  oValue = 0;
  if (iText.GetLength() == 0) return 0;
  const char* text = iText.GetChars();
  char* end = nullptr;
  errno = 0;
  long value = strtol(text, &end, 10);
  // A value beyond int fails as the range error of a 32-bit long would.
  bool inRange = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  oValue = (int)value;
  return inRange && end == text + iText.GetLength() ? 1 : 0;
}

ORVString ORVUtilities::FormatFreeTextForProgram(const ORVString& iText,
                                                 const ORVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  if (iText.GetLength() == 0) return ORVString("\\0");
  ORVString formatted;
  const char* text = iText.GetChars();
  int position = 0;
  while (position < iText.GetLength()) {
    if (SeparatorAt(iText, position, iSeparator)) {
      formatted.Concat("\\_", 2);
      position += iSeparator.GetLength();
      continue;
    }
    char character = text[position++];
    if (character == '\n')
      formatted.Concat("\\n", 2);
    else if (character == '\\')
      formatted.Concat("\\\\", 2);
    else
      AppendCharacter(formatted, character);
  }
  return formatted;
}

ORVString ORVUtilities::TranslateFormattedForProgramFreeText(const ORVString& iFormatted,
                                                             const ORVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  ORVString text;
  if (iFormatted.GetLength() == 0 || iFormatted == ORVString("\\0")) return text;
  const char* formatted = iFormatted.GetChars();
  int length = iFormatted.GetLength();
  bool backslashPending = false;
  for (int position = 0; position < length; ++position) {
    char character = formatted[position];
    if (!backslashPending) {
      if (character == '\\')
        backslashPending = true;
      else
        AppendCharacter(text, character);
      continue;
    }
    backslashPending = false;
    if (character == '\\')
      text.Concat("\\", 1);
    else if (character == 'n')
      text.Concat("\n", 1);
    else if (character == '_')
      text += iSeparator;
    else {
      text.Concat("\\", 1);
      AppendCharacter(text, character);
    }
  }
  if (backslashPending) text.Concat("\\", 1);
  return text;
}

long ORVUtilities::PEVCreateClassInstance(const _GUID& iClassId, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassId, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0500>(),
      ORVMakeCatalogMessage<ORVBC_0501>(ConvertGUIDToString(iClassId), (int)iContext));
}

long ORVUtilities::PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                          unsigned long iContext, const _GUID& iInterfaceId,
                                          void** oResult) {
  long code = ::PEVCreateClassInstance(iClassName, iOuter, iContext, iInterfaceId, oResult);
  if (code == 0) return code;
  return FailureWithRecord(code, ORVMakeCatalogMessage<ORVBC_0500>(),
                           ORVMakeCatalogMessage<ORVBC_0503>(iClassName, (int)iContext));
}

long ORVUtilities::QueryInterface(PEVBaseUnknown& iObject, const _GUID& iInterfaceId,
                                  void** oResult) {
  long code = iObject.QueryInterface(iInterfaceId, oResult);
  if (code == 0 && oResult) return code;
  return FailureWithRecord(
      code, ORVMakeCatalogMessage<ORVBC_0504>(),
      ORVMakeCatalogMessage<ORVBC_0505>(iObject.GetMetaObject()->GetClassName(),
                                        ConvertGUIDToString(iInterfaceId)));
}

void ORVUtilities::MakeAndSetAsGlobalDisplayToTerm() {
  ORVMessageDisplay* messageDisplay = new ORVMessageDisplayToISO8859Term();
  ORVErrorDisplay* errorDisplay = new ORVErrorDisplayToISO8859Term();
  ORVGlobalObjectCleaner::Add(messageDisplay);
  ORVGlobalObjectCleaner::Add(errorDisplay);
  ORVMessageDisplay::SetGlobal(*messageDisplay);
  ORVErrorDisplay::SetGlobal(*errorDisplay);
}

int ORVUtilities::ExecuteExternalCommand(const ORVString& iCommand) {
  ORVStdout.Flush();
  FILE* output = popen(iCommand.GetChars(), "r");
  if (!output) return -1;
  // Lines are read whole, so that a NUL byte in one cannot make its end look like a cut;
  // a long line still goes out in pieces of the buffer's size.
  const std::size_t piece = (std::size_t)kLineBufferSize - 1;
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t read;
  while ((read = getline(&line, &capacity, output)) >= 0) {
    std::size_t length = (std::size_t)read;
    if (length > 0 && line[length - 1] == '\n') --length;
    std::size_t start = 0;
    do {
      std::size_t count = length - start < piece ? length - start : piece;
      std::string text(line + start, count);
      ORVMessageDisplay::GetGlobal()->Display(PEVUnicodeString(text.c_str()), 1);
      ORVStdout.Flush();
      start += count;
    } while (start < length);
  }
  free(line);
  return ExitStatus(pclose(output));
}

// Container algorithms.

namespace {

using ElementList = std::vector<PEVBaseUnknown*>;

// The elements of iContainer in its order, nulls included: by index for a vector,
// otherwise Size() steps of an iterator, so that a null element is not taken for the end.
// Taken before any change, so that the container may change while they are used.
ElementList ElementsOf(const ORVContainer& iContainer) {
  int count = iContainer.Size();
  ElementList elements;
  elements.reserve((std::size_t)(count > 0 ? count : 0));
  if (iContainer.GetMetaObject()->IsAKindOf(ORVVector::MetaObject())) {
    const auto& vector = static_cast<const ORVVector&>(iContainer);
    for (int i = 0; i < count; ++i)
      elements.push_back(vector[i]);
    return elements;
  }
  ORVIterator* iterator = iContainer.MakeIterator(nullptr);
  for (int i = 0; i < count; ++i)
    elements.push_back(iterator->Next());
  iterator->Release();
  return elements;
}

void Append(ORVContainer& ioDestination, const ORVContainer& iSource, bool iAddRef) {
  for (PEVBaseUnknown* element : ElementsOf(iSource)) {
    if (iAddRef && element) element->AddRef();
    ioDestination.Add(element, ORVNotify);
  }
}

// Removes the elements of iToRemove from ioContainer; the elements that were found, in
// order. oAllRemoved tells whether every removal found something.
ElementList Remove(ORVContainer& ioContainer, const ORVContainer& iToRemove, bool& oAllRemoved) {
  ElementList removed;
  oAllRemoved = true;
  for (PEVBaseUnknown* element : ElementsOf(iToRemove)) {
    if (ioContainer.Remove(element, ORVNotify))
      removed.push_back(element);
    else
      oAllRemoved = false;
  }
  return removed;
}

// Walks a sorted vector for the merge; with iDistinct a step skips the elements equal to
// the one left.
class SortedWalk {
public:
  SortedWalk(const ORVSortedVector& iSet, const ORVComparator& iComparator, unsigned int iDistinct)
      : _Set(iSet), _Comparator(iComparator), _Distinct(iDistinct), _Count(iSet.Size()) {}

  bool AtEnd() const { return _Index >= _Count; }
  PEVBaseUnknown* Current() const { return _Set[_Index]; }
  void Step() {
    PEVBaseUnknown* left = Current();
    ++_Index;
    if (!_Distinct) return;
    while (!AtEnd() && _Comparator.CompareObjects(left, Current()) == 0)
      ++_Index;
  }

private:
  const ORVSortedVector& _Set;
  const ORVComparator& _Comparator;
  unsigned int _Distinct;
  int _Count;
  int _Index = 0;
};

void AddIfGiven(ORVContainer* ioContainer, PEVBaseUnknown* iElement) {
  if (ioContainer) ioContainer->Add(iElement, ORVNotify);
}

// Appends one item of ConcatStrings: iItem's text (none for null), or the text for empty
// items; ioFirst is cleared once an item was appended.
void AppendTextItem(ORVString& ioResult, const PEVBaseUnknown* iItem, bool& ioFirst,
                    unsigned int iSkipEmpty, const char* iSeparator, const char* iPrefix,
                    const char* iSuffix, const char* iEmptyText) {
  const ORVString* text = nullptr;
  const char* chars = nullptr;
  if (iItem && iItem->GetMetaObject()->IsAKindOf(ORVString::MetaObject())) {
    text = static_cast<const ORVString*>(iItem);
    if (text->GetLength() == 0) text = nullptr;
  } else if (const auto* extChars = ORVCheckedCast<ORVExtChars>(iItem)) {
    // A DbNull value is an empty item: its GetChars would end the process.
    if (!extChars->IsDbNull()) chars = extChars->GetChars();
    if (chars && !*chars) chars = nullptr;
  }
  bool isEmpty = !text && !chars;
  if (isEmpty && iSkipEmpty) return;
  if (!ioFirst) ioResult += iSeparator;
  ioFirst = false;
  if (isEmpty) {
    ioResult += iEmptyText;
    return;
  }
  ioResult += iPrefix;
  if (text)
    ioResult += *text;
  else
    ioResult += chars;
  ioResult += iSuffix;
}

}  // namespace

void ORVUtilities::AppendContainers(ORVContainer& ioDestination, const ORVContainer& iSource) {
  Append(ioDestination, iSource, false);
}

void ORVUtilities::AppendContainersWithAddRef(ORVContainer& ioDestination,
                                              const ORVContainer& iSource) {
  Append(ioDestination, iSource, true);
}

void ORVUtilities::RemoveElements(ORVContainer& ioContainer, const ORVContainer& iToRemove,
                                  unsigned int iMustRemoveAll) {
  bool allRemoved;
  Remove(ioContainer, iToRemove, allRemoved);
  if (!allRemoved && iMustRemoveAll)
    ORV_FATAL("All the elements of Container2 aren't removed from Container1");
}

void ORVUtilities::RemoveElementsWithRelease(ORVContainer& ioContainer,
                                             const ORVContainer& iToRemove,
                                             unsigned int iMustRemoveAll) {
  bool allRemoved;
  // Released once all removals are made: a removal may still need an element (its hash
  // code) that an earlier release destroyed.
  for (PEVBaseUnknown* element : Remove(ioContainer, iToRemove, allRemoved))
    if (element) element->Release();
  if (!allRemoved && iMustRemoveAll)
    ORV_FATAL("All the elements of Container2 aren't removed from Container1");
}

unsigned int ORVUtilities::CheckNotMultiDefinedElementInVector(const ORVVector& iVector,
                                                               const ORVComparator& iComparator,
                                                               PEVBaseUnknown*) {
  int count = iVector.Size();
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j)
      if (iComparator.CompareObjects(iVector[i], iVector[j]) == 0) return 0;
  return 1;
}

void ORVUtilities::GetDistinctObjects(const ORVSortedVector& iObjSet,
                                      const ORVComparator& iComparator, ORVContainer& oDistinct,
                                      ORVContainer* oDuplicates) {
  if (!iObjSet.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet must be sorted by the comparator");
  ElementList elements = ElementsOf(iObjSet);
  if (elements.empty()) return;
  oDistinct.Add(elements[0], ORVNotify);
  for (std::size_t i = 1; i < elements.size(); ++i) {
    if (iComparator.CompareObjects(elements[i - 1], elements[i]) != 0)
      oDistinct.Add(elements[i], ORVNotify);
    else
      AddIfGiven(oDuplicates, elements[i]);
  }
}

void ORVUtilities::DiffSortedVectors(const ORVSortedVector& iObjSet1,
                                     const ORVSortedVector& iObjSet2,
                                     const ORVComparator& iComparator, unsigned int iDistinct,
                                     ORVContainer* oOnlyInSet1, ORVContainer* oOnlyInSet2,
                                     ORVContainer* oInBothSets, ORVContainer* oAll) {
  if (!iObjSet1.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet1 must be sorted by the comparator");
  if (!iObjSet2.SearchUsesSort(iComparator)) ORV_FATAL("ObjSet2 must be sorted by the comparator");
  SortedWalk first(iObjSet1, iComparator, iDistinct);
  SortedWalk second(iObjSet2, iComparator, iDistinct);
  while (!first.AtEnd() || !second.AtEnd()) {
    int order = 0;
    if (first.AtEnd())
      order = 1;
    else if (second.AtEnd())
      order = -1;
    else
      order = iComparator.CompareObjects(first.Current(), second.Current());
    if (order < 0) {
      AddIfGiven(oOnlyInSet1, first.Current());
      AddIfGiven(oAll, first.Current());
      first.Step();
    } else if (order > 0) {
      AddIfGiven(oOnlyInSet2, second.Current());
      AddIfGiven(oAll, second.Current());
      second.Step();
    } else {
      AddIfGiven(oInBothSets, first.Current());
      AddIfGiven(oAll, first.Current());
      first.Step();
      second.Step();
    }
  }
}

unsigned int ORVUtilities::SetsSharesAtLeastOneElement(const ORVContainer& iSet1,
                                                       const ORVContainer& iSet2,
                                                       const ORVComparator& iComparatorForSet2,
                                                       const ORVComparator& iComparatorForSet1) {
  bool walkFirst = iSet1.Size() <= iSet2.Size();
  const ORVContainer& walked = walkFirst ? iSet1 : iSet2;
  const ORVContainer& searched = walkFirst ? iSet2 : iSet1;
  const ORVComparator& comparator = walkFirst ? iComparatorForSet2 : iComparatorForSet1;
  for (PEVBaseUnknown* element : ElementsOf(walked))
    if (searched.LookupOne(element, comparator)) return 1;
  return 0;
}

void ORVUtilities::ConcatStrings(ORVString& oResult, ORVOneWayIterator& iIterator,
                                 ORVConvertor* iConvertor, unsigned int iSkipEmpty,
                                 const char* iSeparator, const char* iPrefix, const char* iSuffix,
                                 const char* iEmptyText) {
  oResult.Copy(nullptr, 0);
  bool first = true;
  while (PEVBaseUnknown* object = iIterator.Next()) {
    const PEVBaseUnknown* item = object;
    if (iConvertor) {
      iConvertor->Set(object);
      item = iConvertor->GetConverted();
      if (!item) ORV_FATAL("pConverted is NULL");
    }
    AppendTextItem(oResult, item, first, iSkipEmpty, iSeparator, iPrefix, iSuffix, iEmptyText);
  }
}

ORVString ORVUtilities::ConcatStrings(ORVOneWayIterator& iIterator, ORVConvertor* iConvertor,
                                      unsigned int iSkipEmpty, const char* iSeparator,
                                      const char* iPrefix, const char* iSuffix,
                                      const char* iEmptyText) {
  ORVString result;
  ConcatStrings(result, iIterator, iConvertor, iSkipEmpty, iSeparator, iPrefix, iSuffix,
                iEmptyText);
  return result;
}

ORVString ORVUtilities::ConcatStrings(const ORVContainer& iContainer, unsigned int iSkipEmpty,
                                      const char* iSeparator, const char* iPrefix,
                                      const char* iSuffix, const char* iEmptyText) {
  ORVString result;
  result.Copy(nullptr, 0);
  bool first = true;
  for (PEVBaseUnknown* element : ElementsOf(iContainer))
    AppendTextItem(result, element, first, iSkipEmpty, iSeparator, iPrefix, iSuffix, iEmptyText);
  return result;
}
