// ORVUtilities.h - small text operations, platform wrappers and the running of commands.
//
// Words, lengths, numeric formats, unicode comparisons, text-to-integer conversion, the
// one-line program form of free text and back, identifier texts, instance creation and
// interface queries that always leave an error record on failure, the installation of
// terminal displays and external commands; and the algorithms over containers:
// appending and removing whole containers, duplicates, the merge of two sorted sets, a
// common element, the joining of texts. A backslash field separator, an unsorted set and
// an element that cannot be removed when all must be are fatal internal errors;
// user-facing failures are result codes with ORVError records. The container algorithms
// change containers with notify 1, so that linked containers follow. No instances.
#pragma once

#include "ORVExport.h"
#include "ORVString.h"
#include "PEVTypes.h"
#include "PEVUnicodeString.h"

class ORVComparator;
class ORVContainer;
class ORVConvertor;
class ORVOneWayIterator;
class ORVSortedVector;
class ORVVector;

class ORV_EXPORT ORVUtilities {
public:
  ORVUtilities() = delete;

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hexadecimal.
  static ORVString ConvertGUIDToString(const _GUID& iGUID);
  // Word number iIndex (from 1) of iText, words being runs of characters other than
  // iSeparator; empty when there are fewer words, for iIndex below 1 and for a null text.
  static ORVString GetWord(const char* iText, int iIndex, char iSeparator);
  // 0 for a null text; strlen for a negative iMax; else the length up to iMax, reading
  // no character beyond iMax.
  static int GetNbChars(const char* iText, int iMax);
  // The number of characters of iNumber printed with "%d".
  static int GetIntAsStrSize(int iNumber);
  // A printf format numbering items up to iCount: "%", iFill unless blank, the width, "d".
  static ORVString GetListItemIdxFormat(int iCount, char iFill);
  // -1, 0 or 1 by the code units.
  static int CompareUnicodeStrings(const PEVUnicodeString& iLeft, const PEVUnicodeString& iRight);
  // 0 when equal apart from case; else the order of the upper-case copies.
  static int CompareUnicodeStringsNoCase(const PEVUnicodeString& iLeft,
                                         const PEVUnicodeString& iRight);
  // 1 when the whole text is a decimal int. oValue holds what was read even on failure
  // (0 for an empty text, INT_MAX or INT_MIN beyond the int range).
  static unsigned int ConvertStringToInt(const ORVString& iText, int& oValue);
  // The text as one field of a iSeparator-delimited line: the separator becomes "\_", a
  // newline "\n" and a backslash "\\"; the empty text is "\0". An empty separator
  // matches nothing.
  static ORVString FormatFreeTextForProgram(const ORVString& iText, const ORVString& iSeparator);
  // The inverse of FormatFreeTextForProgram.
  static ORVString TranslateFormattedForProgramFreeText(const ORVString& iFormatted,
                                                        const ORVString& iSeparator);

  // The platform's instance creation. A failure keeps the platform's error when the last
  // error of its code is one; otherwise it gets an ORVError (ORVBC 0500, 0501 or 0503,
  // 0502) with the platform's code.
  static long PEVCreateClassInstance(const _GUID& iClassId, IUnknown* iOuter,
                                     unsigned long iContext, const _GUID& iInterfaceId,
                                     void** oResult);
  static long PEVCreateClassInstance(const char* iClassName, IUnknown* iOuter,
                                     unsigned long iContext, const _GUID& iInterfaceId,
                                     void** oResult);
  // iObject's QueryInterface; succeeds only with a result pointer. A failure is recorded
  // as above, with ORVBC 0504, 0505, 0502.
  static long QueryInterface(PEVBaseUnknown& iObject, const _GUID& iInterfaceId, void** oResult);

  // Installs terminal message and error displays as the global ones, registered with the
  // global object cleaner (which must exist).
  static void MakeAndSetAsGlobalDisplayToTerm();
  // Runs iCommand with the shell and shows each line of its standard output on the
  // global message display. The command's exit code; 128 + the signal number for a
  // command killed by a signal; -1 when it cannot be started or waited for.
  static int ExecuteExternalCommand(const ORVString& iCommand);

  // Container algorithms. The elements of a source are taken, nulls included, before
  // the first change, so a container may be given as its own source.

  // Adds every element of iSource to ioDestination (Add, notify 1), in iSource's order:
  // by index for a vector, in iteration order otherwise.
  static void AppendContainers(ORVContainer& ioDestination, const ORVContainer& iSource);
  // The same, with an AddRef on each non-null element before it is added.
  static void AppendContainersWithAddRef(ORVContainer& ioDestination, const ORVContainer& iSource);
  // Removes from ioContainer (Remove, notify 1) each element of iToRemove. When
  // iMustRemoveAll is not 0 and one of them was not found, fatal "All the elements of
  // Container2 aren't removed from Container1" after the removals.
  static void RemoveElements(ORVContainer& ioContainer, const ORVContainer& iToRemove,
                             unsigned int iMustRemoveAll);
  // The same, then a Release on each non-null element whose removal found something.
  static void RemoveElementsWithRelease(ORVContainer& ioContainer, const ORVContainer& iToRemove,
                                        unsigned int iMustRemoveAll);
  // 1 when no two elements of iVector are equal by iComparator, else 0. iUnused is not used.
  static unsigned int CheckNotMultiDefinedElementInVector(const ORVVector& iVector,
                                                          const ORVComparator& iComparator,
                                                          PEVBaseUnknown* iUnused);
  // Adds to oDistinct the first element of each run of equal elements of iObjSet, and the
  // others to oDuplicates (when not null), in set order. iObjSet must be sorted by
  // iComparator (SearchUsesSort), else fatal "ObjSet must be sorted by the comparator".
  static void GetDistinctObjects(const ORVSortedVector& iObjSet, const ORVComparator& iComparator,
                                 ORVContainer& oDistinct, ORVContainer* oDuplicates);
  // The merge of two sets sorted by iComparator (else fatal "ObjSet1 ..." or "ObjSet2 must
  // be sorted by the comparator"): elements only in the first, only in the second, in both
  // (the first set's) and the sorted union go to the given containers (a null one is
  // skipped). With iDistinct, each run of equal elements of a set counts once.
  static void DiffSortedVectors(const ORVSortedVector& iObjSet1, const ORVSortedVector& iObjSet2,
                                const ORVComparator& iComparator, unsigned int iDistinct,
                                ORVContainer* oOnlyInSet1, ORVContainer* oOnlyInSet2,
                                ORVContainer* oInBothSets, ORVContainer* oAll);
  // 1 when an element of the smaller set (the first for equal sizes) is found in the
  // other by LookupOne, with iComparatorForSet2 to search iSet2 and iComparatorForSet1 to
  // search iSet1; else 0.
  static unsigned int SetsSharesAtLeastOneElement(const ORVContainer& iSet1,
                                                  const ORVContainer& iSet2,
                                                  const ORVComparator& iComparatorForSet2,
                                                  const ORVComparator& iComparatorForSet1);
  // Joins the texts of the objects of iIterator (converted by iConvertor when given; a
  // null converted object is fatal "pConverted is NULL") into oResult: iSeparator between
  // items, each non-empty text between iPrefix and iSuffix, iEmptyText for an empty one
  // (an empty ORVString, a DbNull ORVExtChars), or nothing at all with iSkipEmpty. An
  // object is an ORVString or an ORVExtChars (else the conversion check's fatal error).
  static void ConcatStrings(ORVString& oResult, ORVOneWayIterator& iIterator,
                            ORVConvertor* iConvertor, unsigned int iSkipEmpty,
                            const char* iSeparator, const char* iPrefix, const char* iSuffix,
                            const char* iEmptyText);
  static ORVString ConcatStrings(ORVOneWayIterator& iIterator, ORVConvertor* iConvertor,
                                 unsigned int iSkipEmpty, const char* iSeparator,
                                 const char* iPrefix, const char* iSuffix, const char* iEmptyText);
  // The same over the elements of iContainer in iteration order, without convertor; a
  // null element is an empty item.
  static ORVString ConcatStrings(const ORVContainer& iContainer, unsigned int iSkipEmpty,
                                 const char* iSeparator, const char* iPrefix, const char* iSuffix,
                                 const char* iEmptyText);
};
