// Randomized test of the text-file line iterator: 120000 random contents (line ends,
// carriage returns, NULs, bytes above 127, lines around the growth points of the buffer)
// read with random maximum lengths, fixed or growable, lines counted or not. The lines
// read must be the lines of the content (split on newlines, a carriage return before a
// newline stripped, shown up to a NUL), and in fixed mode exactly the overlong lines must
// be reported, with their number or their start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ErrorRecord.h"
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

class Generator {
public:
  explicit Generator(unsigned int iSeed) : _Random(iSeed) {}

  int Below(int iLimit) { return (int)(_Random() % (unsigned int)iLimit); }

  char Character() {
    int draw = Below(100);
    if (draw < 18) return '\n';
    if (draw < 26) return '\r';
    if (draw < 29) return '\0';
    if (draw < 31) return '\xe9';
    return (char)('a' + Below(26));
  }

  std::string ShortContent() {
    std::string content;
    int length = Below(48);
    for (int i = 0; i < length; ++i)
      content += Character();
    return content;
  }

  // Lines whose lengths lie around the points where the growable buffer fills.
  std::string LongContent() {
    std::string content;
    int lines = 1 + Below(3);
    for (int i = 0; i < lines; ++i) {
      int base = Below(2) ? kGrowableStart : 2 * kGrowableStart;
      int length = base - 3 + Below(7);
      std::string line((std::size_t)length, (char)('a' + Below(26)));
      for (int j = Below(3); j > 0; --j)
        line[(std::size_t)Below(length)] = Character();
      content += line;
      if (i + 1 < lines || Below(2)) content += Below(3) ? "\n" : "\r\n";
    }
    return content;
  }

private:
  std::mt19937 _Random;
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
  int failures = 0;
  for (int input = 0; input < kInputs && failures < 5; ++input) {
    bool isLong = generator.Below(50) == 0;
    std::string content = isLong ? generator.LongContent() : generator.ShortContent();
    int maxLength = generator.Below(10) < 3 ? -1 : generator.Below(13);
    if (isLong && maxLength >= 0 && generator.Below(2))
      maxLength = kGrowableStart - 2 + generator.Below(5);
    int lineNumber = generator.Below(3) == 0 ? -1 : generator.Below(100);
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
    std::vector<std::string> expected = ExpectedLines(content, lineNumber, maxLength);
    int expectedNumber = lineNumber < 0 ? lineNumber : lineNumber + (int)SplitLines(content).size();
    int expectedLength = maxLength < 0 ? ExpectedGrowableLength(content) : maxLength;
    if (lines != expected || finalNumber != expectedNumber || finalLength != expectedLength) {
      ++failures;
      ADD_FAILURE() << "input " << input << " (" << content.size() << " bytes) with maximum length "
                    << maxLength << " and line number " << lineNumber << ": "
                    << testing::PrintToString(content) << "\nread " << testing::PrintToString(lines)
                    << "\nexpected " << testing::PrintToString(expected) << "\nline number "
                    << finalNumber << " expected " << expectedNumber << ", maximum length "
                    << finalLength << " expected " << expectedLength;
    }
  }
}
