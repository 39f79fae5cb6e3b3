// Tests of the columnar line builder: columns by alignment, values wider than their
// column, and widths counted in characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ORVListLineBldr.h"
#include "ORVListLineFieldBldr.h"

namespace {

using Alignment = ORVListLineFieldBldr::ORVAlignmentEnum;

struct Column {
  int _Alignment;
  int _Length;
  const char* _Value;
};

std::string Build(const char* iSeparator, const std::vector<Column>& iColumns) {
  std::vector<ORVListLineFieldBldr> fields;
  fields.reserve(iColumns.size());
  ORVListLineBldr line{ORVString(iSeparator)};
  for (const Column& column : iColumns) {
    fields.emplace_back(static_cast<Alignment>(column._Alignment), column._Length);
    fields.back().SetValue(PEVUnicodeString(column._Value));
  }
  for (ORVListLineFieldBldr& field : fields)
    line.Add(field);
  PEVUnicodeString built("stale");
  line.Build(built);
  return built.ConvertToChar().GetChars();
}

TEST(ORVListLineBldr, ColumnsStartWhereTheirWidthsCountedInCharactersSay) {
  struct Case {
    const char* _Separator;
    std::vector<Column> _Columns;
    const char* _Line;
  };
  const Case cases[] = {
      {" | ", {{0, 5, "ab"}, {1, 4, "7"}}, "ab |       7"},
      {" | ", {}, ""},
      {" | ", {{1, 4, "7"}}, "   7"},
      {"", {{2, 6, "ab"}}, "  ab"},
      {"", {{7, 5, "ab"}, {0, 2, "x"}}, " ab  x"},
      {"|", {{0, 2, "wide"}, {0, 3, "y"}, {1, 3, "z"}}, "wide|y|  z"},
      {"·", {{0, 3, "é"}, {1, 3, "ü"}}, "é·    ü"},
      {"", {{1, 3, "\xF0\x9F\x99\x82"}}, "  \xF0\x9F\x99\x82"},  // outside the basic plane
  };
  for (const Case& c : cases)
    EXPECT_EQ(Build(c._Separator, c._Columns), c._Line) << c._Separator << c._Columns.size();
  EXPECT_EQ(ORVListLineFieldBldr::CharacterCount(PEVUnicodeString("a\xF0\x9F\x99\x82z")), 3);
}

}  // namespace
