// Tests of ORVTreeAsStringTreeBuilder and ORVTreeAsStringPathBuilder: the drawn tree
// and the paths of a three-level tree, default and own marks, a million-level line.
#include "ORVTreeAsStringTreeBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "ORVTreeAsPathIterator.h"
#include "ORVTreeAsStringPathBuilder.h"
#include "ORVTreeAsTreeIterator.h"
#include "RunWithStack.h"
#include "SuiteHelpers.h"
#include "TreeTestSupport.h"

namespace {

class ORVTreeAsStringBuildersTest : public testing::Test {
protected:
  ORVGlobalObjectCleaner _Cleaner;
  TestTree _Tree{"R(A(G H) B(C))"};
};

TEST_F(ORVTreeAsStringBuildersTest, DrawsTheTreeLineByLine) {
  const struct {
    ORVTreeAsStringTreeBuilder _Builder;
    const char* _Lines;
    const char* _Prefixes;
  } cases[] = {
      {ORVTreeAsStringTreeBuilder(MakeTestNameConv()),
       "- R\n"
       "   +- A\n"
       "   !   +- G\n"
       "   !   +- H\n"
       "   +- B\n"
       "       +- C\n",
       "|   !|   !   !|   !   !|   !|       !|"},
      {ORVTreeAsStringTreeBuilder(MakeTestNameConv(), ".", "|", "__", "+", "> "),
       "> R\n__+> A\n__|__+> G\n__|__+> H\n__+> B\n__.__+> C\n", "|__||__|__||__|__||__||__.__||"},
  };
  for (const auto& drawCase : cases) {
    ORVTreeAsTreeIterator iterator(_Tree.Extractor(), MakeTestMaker(), _Tree.Node("R"));
    std::string lines;
    std::string prefixes;
    PEVUnicodeString prefix = "stale";
    PEVUnicodeString line = "stale";
    while (ORVTreeAsTreeIteratorElement* element = iterator.Next()) {
      drawCase._Builder.GetStringsForTree(*element, prefix, line);
      lines += Utf8(line) + "\n";
      prefixes += Utf8(prefix) + "|";
    }
    EXPECT_EQ(lines, drawCase._Lines);
    EXPECT_EQ(prefixes, drawCase._Prefixes);
  }
}

TEST_F(ORVTreeAsStringBuildersTest, JoinsTheNamesFromTheTopWithTheSeparator) {
  const struct {
    const char* _Separator;
    const char* _Paths;
  } cases[] = {
      {"/", "R|R/A|R/A/G|R/A/H|R/B|R/B/C|"},
      {"", "R|RA|RAG|RAH|RB|RBC|"},
      {" :: ", "R|R :: A|R :: A :: G|R :: A :: H|R :: B|R :: B :: C|"},
  };
  for (const auto& pathCase : cases) {
    ORVTreeAsStringPathBuilder builder(MakeTestNameConv(), pathCase._Separator);
    ORVTreeAsPathIterator iterator(_Tree.Extractor(), MakeTestMaker(), {}, _Tree.Node("R"));
    std::string paths;
    PEVUnicodeString path = "stale";
    while (ORVTreeAsPathIteratorElement* element = iterator.Next()) {
      builder.GetRelativePath(*element, path);
      paths += Utf8(path) + "|";
    }
    EXPECT_EQ(paths, pathCase._Paths) << pathCase._Separator;
  }
}

// The walk and the texts of the deepest node take memory in proportion to the depth,
// never a call frame per level.
TEST_F(ORVTreeAsStringBuildersTest, AMillionLevelTreeIsWalkedAndDrawnOnASmallStack) {
  const int depth = 1000000;
  TestChain chain(depth);
  int count = 0;
  std::string line;
  std::string path;
  ASSERT_TRUE(RunWithStack(1 << 20, [&] {
    ORVTreeAsTreeIterator iterator(chain.Extractor(), MakeTestMaker(), chain.Top());
    ORVTreeAsStringTreeBuilder drawer(MakeTestNameConv());
    ORVTreeAsStringPathBuilder pather(MakeTestNameConv(), "/");
    while (ORVTreeAsTreeIteratorElement* element = iterator.Next()) {
      if (++count < depth) continue;
      PEVUnicodeString prefix, drawn, joined;
      drawer.GetStringsForTree(*element, prefix, drawn);
      pather.GetRelativePath(*element, joined);
      line = Utf8(drawn);
      path = Utf8(joined);
    }
  }));
  EXPECT_EQ(count, depth);
  EXPECT_EQ(line.size(), 4u * (depth - 2) + 3 + 1 + 2 + 7);
  EXPECT_EQ(line.substr(line.size() - 17), "       +- n999999");
  EXPECT_EQ(path.substr(0, 6), "n0/n1/");
  EXPECT_EQ(path.substr(path.size() - 15), "n999998/n999999");
  EXPECT_EQ(TestElement::_Live, 0);
  EXPECT_EQ(TestChildIterator::_Live, 0);
}

}  // namespace
