// ORVStringExtCharsText.h - the characters of an ORVString or an ORVExtChars, for the
// string comparators, hash coders and the joining of texts.
//
// The fatal reports name the file and line of the caller (the macros below).
#pragma once

#include <cstdint>
#include <cstring>

#include "ORVExtChars.h"
#include "ORVFatal.h"
#include "ORVString.h"

enum class ORVTextKind { String, ExtChars, Other };

// The kind of a non-null object: an ORVString, an ORVExtChars (or a class derived from
// either), or neither. A plain ORVString is recognised without walking the class tree.
inline ORVTextKind ORVGetTextKind(const PEVBaseUnknown* iObject) {
  PEVMetaClass* meta = iObject->GetMetaObject();
  PEVMetaClass* stringMeta = ORVString::MetaObject();
  if (meta == stringMeta) return ORVTextKind::String;
  if (meta->IsAKindOf(ORVExtChars::MetaObject())) return ORVTextKind::ExtChars;
  if (meta->IsAKindOf(stringMeta)) return ORVTextKind::String;
  return ORVTextKind::Other;
}

// The characters and length an object of a known kind is compared with: an ORVString's
// whole value, a non-DbNull ORVExtChars' text up to its NUL, nothing for a DbNull one.
inline void ORVGetComparedText(const PEVBaseUnknown* iObject, ORVTextKind iKind,
                               const char*& oChars, std::size_t& oLength) {
  if (iKind == ORVTextKind::String) {
    const auto* text = static_cast<const ORVString*>(iObject);
    oChars = text->GetChars();
    oLength = (std::size_t)text->GetLength();
    return;
  }
  const auto* extChars = static_cast<const ORVExtChars*>(iObject);
  if (extChars->IsDbNull()) {
    oChars = "";
    oLength = 0;
    return;
  }
  oChars = extChars->GetChars();
  oLength = strlen(oChars);
}

// The characters and length an object of a known kind is hashed with: those the
// comparators' C comparison reads (an ORVString up to its first NUL, so that texts
// compared equal get equal codes), and a DbNull ORVExtChars is read through GetChars,
// which ends the process.
inline void ORVGetHashedText(const PEVBaseUnknown* iObject, ORVTextKind iKind, const char*& oChars,
                             std::size_t& oLength) {
  if (iKind == ORVTextKind::String) {
    oChars = static_cast<const ORVString*>(iObject)->GetChars();
    oLength = strlen(oChars);
    return;
  }
  oChars = static_cast<const ORVExtChars*>(iObject)->GetChars();
  oLength = strlen(oChars);
}

// The kind of iObject, fatal ("<iWhich> is neither an ORVString nor an ORVExtChars but a
// <class>") for any other class. iObject is not null.
inline ORVTextKind ORVCheckTextKind(const PEVBaseUnknown* iObject, const char* iWhich,
                                    const char* iFile, int iLine) {
  ORVTextKind kind = ORVGetTextKind(iObject);
  if (kind != ORVTextKind::Other) return kind;
  ORVOFStream& stream = ORVFatalReportBegin();
  stream << iWhich << " is neither an ORVString nor an ORVExtChars but a " << iObject->IsA();
  ORVFatalReportEnd(stream, iFile, iLine);
}

// The order of the string comparators: Compare (strcmp or strcasecmp) of the two texts
// when both are non-empty; otherwise the empty one first, two empty ones equal. A
// DbNull ORVExtChars is empty. Null objects and other classes are fatal.
template <int (*Compare)(const char*, const char*)>
int ORVCompareTexts(const PEVBaseUnknown* iObj1, const PEVBaseUnknown* iObj2, const char* iFile,
                    int iLine) {
  if (!iObj1 || !iObj2) {
    ORVOFStream& stream = ORVFatalReportBegin();
    stream << "pObj1 == NULL OR pObj2 == NULL";
    ORVFatalReportEnd(stream, iFile, iLine);
  }
  const char* chars1;
  const char* chars2;
  std::size_t length1, length2;
  ORVGetComparedText(iObj1, ORVCheckTextKind(iObj1, "pObj1", iFile, iLine), chars1, length1);
  ORVGetComparedText(iObj2, ORVCheckTextKind(iObj2, "pObj2", iFile, iLine), chars2, length2);
  if (length1 && length2) return Compare(chars1, chars2);
  if (!length1 && !length2) return 0;
  return length1 ? 1 : -1;
}

// The hash of the string hash coders: h starts as the length and takes, for each
// character c, h * 17 + Fold(c), in 32-bit arithmetic. Fold gives the character as a
// signed byte, or its lower-case form as one. A null object, another class, and a DbNull
// ORVExtChars are fatal.
template <int (*Fold)(unsigned char)>
unsigned int ORVHashText(const PEVBaseUnknown* iObject, const char* iFile, int iLine) {
  if (!iObject) {
    ORVOFStream& stream = ORVFatalReportBegin();
    stream << "pObject == NULL";
    ORVFatalReportEnd(stream, iFile, iLine);
  }
  const char* chars;
  std::size_t length;
  ORVGetHashedText(iObject, ORVCheckTextKind(iObject, "pObject", iFile, iLine), chars, length);
  auto hash = (uint32_t)length;
  for (std::size_t i = 0; i < length; ++i)
    hash = hash * UINT32_C(17) + (uint32_t)Fold((unsigned char)chars[i]);
  return hash;
}
