// Randomized test of the text-file line iterator, drawn by the model harness: 120000 random
// contents (line ends, carriage returns, NULs, bytes above 127, lines around the growth points of
// the buffer) read with random maximum lengths, fixed or growable, lines counted or not. The lines
// read must be the lines of the content (split on newlines, a carriage return before a
// newline stripped, shown up to a NUL), and in fixed mode exactly the overlong lines must
// be reported, with their number or their start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ErrorRecord.h"
#include "ModelHarness.h"
#include "ORVError.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVVolatileOneWayIteratorForTextFile.h"
#include "PEVUnicodeString.h"
#include "TemporaryDirectory.h"
#include "TextFileTestSupport.h"

namespace {

const int kInputs = 120000;
const int kGrowableStart = 2040;

struct Line {
  std::string _Raw;  // without its newline
  bool _Terminated;
};

std::vector<Line> SplitLines(const std::string& iContent) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < iContent.size()) {
    std::size_t end = iContent.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back({iContent.substr(start), false});
      break;
    }
    lines.push_back({iContent.substr(start, end - start), true});
    start = end + 1;
  }
  return lines;
}

// What ReadAllLines must give for iContent.
std::vector<std::string> ExpectedLines(const std::string& iContent, int iLineNumber,
                                       int iMaxLength) {
  std::vector<std::string> expected;
  int number = iLineNumber;
  for (const Line& line : SplitLines(iContent)) {
    if (number >= 0) ++number;
    std::string text = line._Raw;
    if (line._Terminated && !text.empty() && text.back() == '\r') text.pop_back();
    if (iMaxLength >= 0 && (int)text.size() > iMaxLength) {
      std::string diagnostic;
      if (number >= 0) {
        diagnostic = "ORVBC 0216: " + std::to_string(number) + " | " + std::to_string(iMaxLength);
      } else {
        std::string start = line._Raw.substr(0, (std::size_t)std::min(iMaxLength, 10));
        start = start.substr(0, start.find('\0')) + "...";
        diagnostic = "ORVBC 0217: " +
                     std::string(PEVUnicodeString(start.c_str()).ConvertToChar().GetChars()) +
                     " | " + std::to_string(iMaxLength);
      }
      expected.push_back("<" + diagnostic + ">");
      continue;
    }
    text = text.substr(0, text.find('\0'));
    expected.push_back(text.empty() ? "<DbNull>" : text);
  }
  return expected;
}

// The maximum length after reading iContent in growable mode: doubled while a line's
// characters (its carriage return included) fill the buffer.
int ExpectedGrowableLength(const std::string& iContent) {
  int length = kGrowableStart;
  for (const Line& line : SplitLines(iContent))
    while ((int)line._Raw.size() >= length)
      length *= 2;
  return length;
}

// Random contents drawn by the model harness's driver.
class Generator : public ModelDriver {
public:
  using ModelDriver::ModelDriver;

  char Character() {
    int draw = Random(100);
    if (draw < 18) return '\n';
    if (draw < 26) return '\r';
    if (draw < 29) return '\0';
    if (draw < 31) return '\xe9';
    return (char)('a' + Random(26));
  }

  std::string ShortContent() {
    std::string content;
    int length = Random(48);
    for (int i = 0; i < length; ++i)
      content += Character();
    return content;
  }

  // Lines whose lengths lie around the points where the growable buffer fills.
  std::string LongContent() {
    std::string content;
    int lines = 1 + Random(3);
    for (int i = 0; i < lines; ++i) {
      int base = Random(2) ? kGrowableStart : 2 * kGrowableStart;
      int length = base - 3 + Random(7);
      std::string line((std::size_t)length, (char)('a' + Random(26)));
      for (int j = Random(3); j > 0; --j)
        line[(std::size_t)Random(length)] = Character();
      content += line;
      if (i + 1 < lines || Random(2)) content += Random(3) ? "\n" : "\r\n";
    }
    return content;
  }
};

// A stream over iContent: a memory stream, or a real file for some inputs.
FILE* OpenContent(const std::string& iContent, bool iRealFile, const std::string& iPath) {
  if (!iRealFile && !iContent.empty())
    return fmemopen(const_cast<char*>(iContent.data()), iContent.size(), "r");
  WriteWholeFile(iPath, iContent);
  return fopen(iPath.c_str(), "r");
}

}  // namespace

TEST(ORVTextFileIteratorRandom, ReadsTheLinesOfRandomContents) {
  ORVGlobalObjectCleaner cleaner;
  TemporaryDirectory directory;
  std::string path = directory.Path("content");
  Generator generator(20240601);
  for (int input = 0; input < kInputs; ++input) {
    bool isLong = generator.Random(50) == 0;
    std::string content = isLong ? generator.LongContent() : generator.ShortContent();
    int maxLength = generator.Random(10) < 3 ? -1 : generator.Random(13);
    if (isLong && maxLength >= 0 && generator.Random(2))
      maxLength = kGrowableStart - 2 + generator.Random(5);
    int lineNumber = generator.Random(3) == 0 ? -1 : generator.Random(100);
    FILE* file = OpenContent(content, input % 1000 == 0, path);
    ASSERT_NE(file, nullptr);
    std::vector<std::string> lines;
    int finalLength = 0;
    int finalNumber = 0;
    {
      ORVVolatileOneWayIteratorForTextFile iterator("content", file, lineNumber, maxLength,
                                                    MakeReadingContext("content"));
      lines = ReadAllLines(iterator, 1000);
      finalLength = iterator.GetMaxLength();
      finalNumber = iterator.GetLineNumber();
    }
    fclose(file);
    PEVError::PEVCleanLastError();
    SCOPED_TRACE("input " + std::to_string(input) + " with maximum length " +
                 std::to_string(maxLength) + " and line number " + std::to_string(lineNumber) +
                 ": " + testing::PrintToString(content));
    ASSERT_EQ(lines, ExpectedLines(content, lineNumber, maxLength));
    ASSERT_EQ(finalNumber,
              lineNumber < 0 ? lineNumber : lineNumber + (int)SplitLines(content).size());
    ASSERT_EQ(finalLength, maxLength < 0 ? ExpectedGrowableLength(content) : maxLength);
  }
}
