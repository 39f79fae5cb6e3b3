// The string comparators and hash coders against arbitrary texts. The input is cut at
// '|' into three texts; the first byte chooses for each whether it is an ORVString (NULs
// included), an ORVExtChars over a buffer of exactly its size, or a DbNull ORVExtChars.
// Both orders must be strict weak orderings over the three (antisymmetric, transitive,
// equivalence transitive), texts found equal must get equal codes from the matching
// coder, a case-sensitive equality must hold without case too, and a named value
// (ORVCharData, ORVUpperCharData) must compare and hash as the text it was given.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "ORVCharData.h"
#include "ORVExtAnyChars.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVStringExtCharsCmp.h"
#include "ORVStringExtCharsCmpNoCase.h"
#include "ORVStringExtCharsHash.h"
#include "ORVStringExtCharsHashNoCase.h"
#include "ORVUpperCharData.h"
#include "PEVError.h"

namespace {

void Check(bool iHolds) {
  if (!iHolds) __builtin_trap();
}

int Sign(int iValue) {
  return (iValue > 0) - (iValue < 0);
}

struct Text {
  std::vector<char> chars;  // for an ORVExtChars: exactly the text and its NUL
  std::unique_ptr<ORVString> string;
  std::unique_ptr<ORVExtAnyChars> extChars;
  bool dbNull = false;
  const PEVBaseUnknown* Object() const {
    return string ? static_cast<const PEVBaseUnknown*>(string.get()) : extChars.get();
  }
};

void MakeText(const char* iBytes, size_t iSize, int iKind, Text& oText) {
  if (iKind == 0) {
    oText.string = std::make_unique<ORVString>();
    for (size_t index = 0; index < iSize; ++index) {
      if (iBytes[index] == '\0')
        oText.string->Resize(oText.string->GetLength() + 1, '\0', 0);
      else
        oText.string->Concat(iBytes + index, 1);
    }
    return;
  }
  if (iKind == 1) {
    oText.chars.assign(iBytes, iBytes + strnlen(iBytes, iSize));
    oText.chars.push_back('\0');
    oText.extChars = std::make_unique<ORVExtAnyChars>(oText.chars.data());
    oText.dbNull = oText.extChars->IsDbNull() != 0;
    return;
  }
  oText.extChars = std::make_unique<ORVExtAnyChars>();
  oText.dbNull = true;
}

void CheckOrder(const ORVComparator& iOrder, const ORVHashCoder& iCoder, const Text* iTexts) {
  int compared[3][3];
  for (int left = 0; left < 3; ++left)
    for (int right = 0; right < 3; ++right)
      compared[left][right] =
          Sign(iOrder.CompareObjects(iTexts[left].Object(), iTexts[right].Object()));
  for (int left = 0; left < 3; ++left) {
    Check(compared[left][left] == 0);
    for (int right = 0; right < 3; ++right) {
      Check(compared[left][right] == -compared[right][left]);
      // A DbNull value has no code: asking for one is the caller's fault.
      if (compared[left][right] == 0 && !iTexts[left].dbNull && !iTexts[right].dbNull)
        Check(iCoder.Code(iTexts[left].Object()) == iCoder.Code(iTexts[right].Object()));
      for (int third = 0; third < 3; ++third) {
        // Below is transitive, and so is equivalence.
        if (compared[left][right] < 0 && compared[right][third] < 0)
          Check(compared[left][third] < 0);
        if (compared[left][right] == 0 && compared[right][third] == 0)
          Check(compared[left][third] == 0);
        if (compared[left][right] == 0) Check(compared[left][third] == compared[right][third]);
      }
    }
  }
}

void CheckNamedValues(const Text& iText) {
  if (!iText.extChars || iText.dbNull) return;
  const char* chars = iText.chars.data();
  ORVString given(chars);
  ORVCharData value("Value", chars, 1);
  Check(ORVStringExtCharsCmp::GetGlobal()->CompareObjects(&value.GetValue(), &given) == 0);
  Check(ORVStringExtCharsHash::GetGlobal()->Code(&value.GetValue()) ==
        ORVStringExtCharsHash::GetGlobal()->Code(&given));
  ORVUpperCharData upper("Upper", 0);
  upper.SetValue(chars);
  Check(upper.GetValue().GetLength() == given.GetLength());
  Check(ORVStringExtCharsCmpNoCase::GetGlobal()->CompareObjects(&upper.GetValue(), &given) == 0);
  Check(ORVStringExtCharsHashNoCase::GetGlobal()->Code(&upper.GetValue()) ==
        ORVStringExtCharsHashNoCase::GetGlobal()->Code(&given));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The shared comparators and coders register with it; it lives as long as the process.
  new ORVGlobalObjectCleaner;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  const char* bytes = reinterpret_cast<const char*>(iData) + 1;
  size_t size = iSize - 1;
  Text texts[3];
  size_t start = 0;
  for (int index = 0; index < 3; ++index) {
    size_t end = start;
    while (end < size && (bytes[end] != '|' || index == 2))
      ++end;
    int kind = (iData[0] >> (2 * index)) & 3;
    MakeText(bytes + start, end - start, kind == 3 ? 0 : kind, texts[index]);
    start = std::min(end + 1, size);
  }
  CheckOrder(*ORVStringExtCharsCmp::GetGlobal(), *ORVStringExtCharsHash::GetGlobal(), texts);
  CheckOrder(*ORVStringExtCharsCmpNoCase::GetGlobal(), *ORVStringExtCharsHashNoCase::GetGlobal(),
             texts);
  for (int left = 0; left < 3; ++left)
    for (int right = 0; right < 3; ++right)
      if (ORVStringExtCharsCmp::GetGlobal()->CompareObjects(texts[left].Object(),
                                                            texts[right].Object()) == 0)
        Check(ORVStringExtCharsCmpNoCase::GetGlobal()->CompareObjects(texts[left].Object(),
                                                                      texts[right].Object()) == 0);
  for (const Text& text : texts)
    CheckNamedValues(text);
  PEVError::PEVCleanLastError();
  return 0;
}
