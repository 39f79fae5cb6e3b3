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
  ORVExtAnyChars chars("AbC"), dbNull;
  ORVExtAnyString shared("dEf");
  // Each source is left as it was: the shared storage is copied for the conversion.
  auto both = [&](const PEVBaseUnknown* iSource) {
    lower.Set(iSource);
    upper.Set(iSource);
    return Converted(lower) + " " + Converted(upper);
  };
  EXPECT_EQ(both(&mixed) + "|" + both(&chars) + "|" + both(&shared),
            "mixed 1 MIXED 1|abc ABC|def DEF");
  EXPECT_EQ(ValueOf(mixed) + chars.GetChars() + shared.GetChars(), "MiXed 1AbCdEf");
  EXPECT_EQ(both(&dbNull), "<DbNull> <DbNull>");
  EXPECT_EQ(both(nullptr), "<null> <null>");
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
  ORVExtAnyChars chars("x");
  ORVTestShape shape("s");
  ExpectFatal([&] { ORVStringConvToExtChars().Set(&chars); },
              "ORVConversionCheck::Check: object is not a \"ORVString\" but a \"ORVExtAnyChars\"",
              "src/ORVMacro.cpp");
  ExpectFatal([&] { ORVStringExtCharsConvToUpperExtChars().Set(&shape); },
              "ORVConversionCheck::Check: object is not a \"ORVExtChars\" but a \"ORVTestShape\"",
              "src/ORVMacro.cpp");
}
