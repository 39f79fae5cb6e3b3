// Tests of the convertors of texts: an ORVString seen as an ORVExtChars without copy,
// the lower- and upper-case copies, nothing converted for null, their use by volatile
// iterators and chained, and the conversion checks.
#include "ORVStringConvToExtChars.h"

#include <gtest/gtest.h>

#include "ORVCoupledConvertor.h"
#include "ORVExtAnyString.h"
#include "ORVStringExtCharsConvToLowerExtChars.h"
#include "ORVStringExtCharsConvToUpperExtChars.h"
#include "ORVVector.h"
#include "ORVVolatileOneWayIteratorForContainer.h"
#include "StringsTestSupport.h"
#include "TestClasses.h"

namespace {

// The characters of a converted value, "<null>" for nothing and "<DbNull>" for DbNull.
std::string Converted(const ORVConvertor& iConvertor) {
  const PEVBaseUnknown* converted = iConvertor.GetConverted();
  if (!converted) return "<null>";
  const auto* chars = ORVCheckedCast<ORVExtChars>(converted);
  return chars->IsDbNull() ? "<DbNull>" : chars->GetChars();
}

}  // namespace

TEST(ORVStringConvToExtChars, PointsAtTheStringsCharacters) {
  ORVStringConvToExtChars convertor;
  EXPECT_EQ(convertor.GetConverted(), nullptr);  // nothing converted yet
  ORVString text("word");
  convertor.Set(&text);
  const PEVBaseUnknown* converted = convertor.GetConverted();
  ASSERT_NE(converted, nullptr);
  EXPECT_STREQ(converted->IsA(), "ORVExtAnyChars");
  EXPECT_EQ(static_cast<const ORVExtChars*>(converted)->GetChars(), text.GetChars());
  ORVString empty("");
  convertor.Set(&empty);
  EXPECT_EQ(Converted(convertor), "<DbNull>");
  convertor.Set(nullptr);
  EXPECT_EQ(Converted(convertor), "<null>");
}

TEST(ORVStringExtCharsCaseConvertors, CopyAndConvertEitherKind) {
  ORVStringExtCharsConvToLowerExtChars lower;
  ORVStringExtCharsConvToUpperExtChars upper;
  EXPECT_EQ(Converted(lower), "<null>");
  ORVString mixed("MiXed 1");
  lower.Set(&mixed);
  upper.Set(&mixed);
  EXPECT_EQ(Converted(lower), "mixed 1");
  EXPECT_EQ(Converted(upper), "MIXED 1");
  EXPECT_EQ(ValueOf(mixed), "MiXed 1");  // the source is untouched
  ORVExtAnyChars chars("AbC");
  lower.Set(&chars);
  EXPECT_EQ(Converted(lower), "abc");
  EXPECT_STREQ(chars.GetChars(), "AbC");
  ORVExtAnyString shared("dEf");
  upper.Set(&shared);
  EXPECT_EQ(Converted(upper), "DEF");
  EXPECT_STREQ(shared.GetChars(), "dEf");  // shared storage, copied on conversion
  ORVExtAnyChars dbNull;
  upper.Set(&dbNull);
  EXPECT_EQ(Converted(upper), "<DbNull>");
  upper.Set(nullptr);
  EXPECT_EQ(Converted(upper), "<null>");
}

TEST(ORVStringExtCharsCaseConvertors, ConvertTheElementsOfAVolatileIteration) {
  ORVGlobalObjectCleaner cleaner;
  ORVString first("One"), second("TWO");
  ORVVector texts(ORVDoNothingAtDelete);
  texts.Append(&first);
  texts.Append(&second);
  ORVStringConvToExtChars toChars;
  ORVStringExtCharsConvToLowerExtChars lower;
  ORVCoupledConvertor chained(toChars, lower);
  ORVVolatileOneWayIteratorForContainer iterator(texts, &chained);
  std::string seen;
  while (const PEVBaseUnknown* line = iterator.Next())
    seen += std::string(ORVCheckedCast<ORVExtChars>(line)->GetChars()) + ";";
  EXPECT_EQ(seen, "one;two;");
}

TEST(ORVStringConvToExtCharsDeathTest, OtherClassesFailTheConversionCheck) {
  const char kMacroFile[] = "src/ORVMacro.cpp";
  ExpectFatal(
      [] {
        ORVExtAnyChars chars("x");
        ORVStringConvToExtChars().Set(&chars);
      },
      "ORVConversionCheck::Check: object is not a \"ORVString\" but a \"ORVExtAnyChars\"",
      kMacroFile);
  ExpectFatal(
      [] {
        ORVTestShape shape("s");
        ORVStringExtCharsConvToUpperExtChars().Set(&shape);
      },
      "ORVConversionCheck::Check: object is not a \"ORVExtChars\" but a \"ORVTestShape\"",
      kMacroFile);
}
