// Tests of the columnar line builder: columns by alignment, values wider than their
// column, and widths counted in characters.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ORVListLineBldr.h"
#include "ORVListLineFieldBldr.h"

namespace {

using Alignment = ORVListLineFieldBldr::ORVAlignmentEnum;

using Column = std::tuple<int, int, const char*>;  // alignment, length, value

std::string Build(const char* iSeparator, const std::vector<Column>& iColumns) {
  std::vector<ORVListLineFieldBldr> fields;
  fields.reserve(iColumns.size());
  ORVListLineBldr line{ORVString(iSeparator)};
  for (const auto& [alignment, length, value] : iColumns) {
    fields.emplace_back(static_cast<Alignment>(alignment), length);
    fields.back().SetValue(PEVUnicodeString(value));
    line.Add(fields.back());  // the reserved vector does not move its fields
  }
  PEVUnicodeString built("stale");
  line.Build(built);
  return built.ConvertToChar().GetChars();
}

TEST(ORVListLineBldr, ColumnsStartWhereTheirWidthsCountedInCharactersSay) {
  const std::tuple<const char*, std::vector<Column>, const char*> cases[] = {
      {" | ", {{0, 5, "ab"}, {1, 4, "7"}}, "ab |       7"},
      {" | ", {}, ""},
      {"", {{2, 6, "ab"}}, "  ab"},
      {"", {{7, 5, "ab"}, {0, 2, "x"}}, " ab  x"},
      {"|", {{0, 2, "wide"}, {0, 3, "y"}, {1, 3, "z"}}, "wide|y|  z"},
      {"·", {{0, 3, "é"}, {1, 3, "ü"}}, "é·    ü"},
      {"", {{1, 3, "\xF0\x9F\x99\x82"}}, "  \xF0\x9F\x99\x82"},  // outside the basic plane
  };
  for (const auto& [separator, columns, built] : cases)
    EXPECT_EQ(Build(separator, columns), built) << separator << columns.size();
}

}  // namespace
