// StringsTestSupport.h - the headers and helpers shared by the tests of strings, character
// data, external data types and the text utilities.
#pragma once

#include <climits>
#include <random>

#include "ChildProcess.h"
#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVErrorDisplayToISO8859Term.h"
#include "ORVExtAnyBoolean.h"
#include "ORVExtAnyConstPointer.h"
#include "ORVExtAnyDate.h"
#include "ORVExtAnyInteger.h"
#include "ORVExtAnyVarPointer.h"
#include "ORVExtDbNullBoolean.h"
#include "ORVExtDbNullDate.h"
#include "ORVExtDbNullInteger.h"
#include "ORVExtIntegerCmp.h"
#include "ORVFixedCharBuffer.h"
#include "ORVMessageDisplayToString.h"
#include "ORVOFStream.h"
#include "ORVStringExtCharsCmpNoCase.h"
#include "ORVStringExtCharsConvToLowerExtChars.h"
#include "ORVStringExtCharsConvToUpperExtChars.h"
#include "ORVStringExtCharsHash.h"
#include "ORVStringExtCharsHashNoCase.h"
#include "ORVUpperCharData.h"
#include "PEVClassFactory.h"
#include "SuiteHelpers.h"
#include "TestClasses.h"
#include "TestStrings.h"

// The suite's texts with NULs inside are written as "..."s.
using namespace std::string_literals;

// The values of the strings, NULs included, each followed by "|".
template <class... Strings>
std::string Values(const Strings&... iStrings) {
  return ((ValueOf(iStrings) + "|") + ...);
}

// Each computed text against the one expected, in the order of the rows.
using Row = std::pair<std::string, std::string>;
inline void ExpectRows(std::initializer_list<Row> iRows) {
  for (const Row& row : iRows)
    EXPECT_EQ(row.first, row.second) << "row " << &row - iRows.begin();
}

// Each body, run in a death test with a cleaner, ends the process with its fatal report,
// made in iFile.
using FatalRow = std::pair<std::function<void()>, std::string>;
inline void ExpectFatals(const std::string& iFile, std::initializer_list<FatalRow> iRows) {
  for (const auto& [body, text] : iRows)
    ExpectFatal(body, text, iFile);
}
