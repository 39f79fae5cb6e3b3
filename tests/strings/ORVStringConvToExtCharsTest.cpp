// Tests of the convertors of texts: an ORVString seen as an ORVExtChars without copy,
// the lower- and upper-case copies, nothing converted for null, their use by volatile
// iterators and chained, and the conversion checks.
#include "ORVStringConvToExtChars.h"

#include "StringsTestSupport.h"

namespace {

// The characters of a converted value, "<null>" for nothing and "<DbNull>" for DbNull.
std::string Converted(const ORVConvertor& iConvertor) {
  const PEVBaseUnknown* converted = iConvertor.GetConverted();
  if (!converted) return "<null>";
  const auto* chars = ORVCheckedCast<ORVExtChars>(converted);
  return chars->IsDbNull() ? "<DbNull>" : chars->GetChars();
}

}  // namespace

TEST(ORVStringConvToExtChars, PointsAtTheStringsCharactersAndTheCaseConvertorsCopyThem) {
  ORVStringConvToExtChars convertor;
  ORVStringExtCharsConvToLowerExtChars lower;
  ORVStringExtCharsConvToUpperExtChars upper;
  ORVString text("word"), empty(""), mixed("MiXed 1");
  ORVExtAnyChars chars("AbC"), dbNull;
  ORVExtAnyString shared("dEf");
  const auto Set = [](ORVConvertor& ioConvertor, const PEVBaseUnknown* iSource) {
    ioConvertor.Set(iSource);
    return Converted(ioConvertor);
  };
  // Each source is left as it was: the shared storage is copied for the conversion.
  const auto Both = [&](const PEVBaseUnknown* iSource) {
    return Set(lower, iSource) + " " + Set(upper, iSource);
  };
  ExpectRows({{Converted(convertor) + " " + Converted(lower), "<null> <null>"},  // none yet
              {Set(convertor, &empty), "<DbNull>"},
              {Set(convertor, nullptr), "<null>"},
              {Both(&mixed), "mixed 1 MIXED 1"},
              {Both(&chars), "abc ABC"},
              {Both(&shared), "def DEF"},
              {ValueOf(mixed) + chars.GetChars() + shared.GetChars(), "MiXed 1AbCdEf"},
              {Both(&dbNull), "<DbNull> <DbNull>"},
              {Both(nullptr), "<null> <null>"}});
  convertor.Set(&text);
  EXPECT_STREQ(convertor.GetConverted()->IsA(), "ORVExtAnyChars");
  EXPECT_EQ(ORVCheckedCast<ORVExtChars>(convertor.GetConverted())->GetChars(), text.GetChars());
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
  const std::string check = "ORVConversionCheck::Check: object is not a ";
  ExpectFatals("src/ORVMacro.cpp", {{[&] { ORVStringConvToExtChars().Set(&chars); },
                                     check + "\"ORVString\" but a \"ORVExtAnyChars\""},
                                    {[&] { ORVStringExtCharsConvToUpperExtChars().Set(&shape); },
                                     check + "\"ORVExtChars\" but a \"ORVTestShape\""}});
}
