// Tests of the text-file line iterator: random contents read against a model of their lines,
// then the edge cases in one table (NULs, very long lines, a missing final newline, read
// failures), the texts of the errors, the line counter at the top of int, a file removed while
// read, and the fatal Next().
#include "ORVVolatileOneWayIteratorForTextFile.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVExtChars.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVNLSMsgBldrFromString.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"

namespace {

const char kFile[] = "src/ORVVolatileOneWayIteratorForTextFile.cpp";
const int kGrowableStart = 2040;

// What each call of Next(line) gave until the end: the line's text, "<DbNull>" for an
// empty line (a DbNull value), "<" + the diagnostic of the error (DescribeMessage) + ">"
// for a failure; the end is not listed. Stops after iMaxCalls calls (a guard against a
// reader that never ends), adding "<more>".
std::vector<std::string> ReadAllLines(ORVVolatileOneWayIteratorForTextFile& ioIterator,
                                      int iMaxCalls) {
  std::vector<std::string> lines;
  for (int call = 0; call < iMaxCalls; ++call) {
    const PEVBaseUnknown* line = reinterpret_cast<const PEVBaseUnknown*>(&lines);
    if (long code = ioIterator.Next(line)) {
      PEVError* last = PEVError::PEVGetLastError(code, nullptr);
      lines.push_back("<" +
                      (last ? DescribeMessage(ORVCheckedCast<ORVError>(last)->GetHDiagnosticBldr())
                            : "no error record") +
                      ">" + (line ? " with a line" : ""));
      if (last) last->Release();
      continue;
    }
    if (!line) return lines;
    const auto* chars = ORVCheckedCast<ORVExtChars>(line);
    lines.push_back(chars->IsDbNull() ? "<DbNull>" : chars->GetChars());
  }
  lines.push_back("<more>");
  return lines;
}

// A context builder naming iFileName, for the requests of the errors.
ORVNLSMsgBldrRfHndlr Context(const std::string& iFileName) {
  ORVNLSMsgBldrRfHndlr context;
  context.Set(ORVRfHndlrAdopt,
              new ORVNLSMsgBldrFromString(("Reading " + iFileName).c_str(), "TEST", "READ"));
  return context;
}

// The model of the lines of iContent: what ReadAllLines must give, the number of lines, and
// the growable maximum length after them (doubled while a line's characters, its carriage
// return included, fill the buffer).
struct Model {
  std::vector<std::string> _Lines;
  int _Count = 0, _Growable = kGrowableStart;
};

Model ModelOf(const std::string& iContent, int iLineNumber, int iMaxLength) {
  Model model;
  for (std::size_t start = 0; start < iContent.size();) {
    std::size_t end = std::min(iContent.find('\n', start), iContent.size());
    std::string raw = iContent.substr(start, end - start), text = raw;
    if (end < iContent.size() && !text.empty() && text.back() == '\r') text.pop_back();
    start = end + 1;
    ++model._Count;
    while ((int)raw.size() >= model._Growable)
      model._Growable *= 2;
    if (iMaxLength < 0 || (int)text.size() <= iMaxLength) {
      text = text.substr(0, text.find('\0'));  // a NUL ends the visible line, not the line
      model._Lines.push_back(text.empty() ? "<DbNull>" : text);
    } else if (iLineNumber >= 0) {
      model._Lines.push_back("<ORVBC 0216: " + std::to_string(iLineNumber + model._Count) + " | " +
                             std::to_string(iMaxLength) + ">");
    } else {  // uncounted: the start, at most ten characters of the buffer
      std::string shown = raw.substr(0, (std::size_t)std::min(iMaxLength, 10));
      shown = shown.substr(0, shown.find('\0')) + "...";
      model._Lines.push_back("<ORVBC 0217: " + Utf8(PEVUnicodeString(shown.c_str())) + " | " +
                             std::to_string(iMaxLength) + ">");
    }
  }
  return model;
}

class ORVTextFileIteratorTest : public TemporaryDirectoryTest {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
  // An iterator over iPath, or over a file holding iContent, that lives as long as the test.
  ORVVolatileOneWayIteratorForTextFile* Make(const std::string& iContent, int iLineNumber,
                                             int iMaxLength, std::string iPath = "") {
    if (iPath.empty()) WriteWholeFile(iPath = File(), iContent);
    FILE* file = _Opened.emplace_back(fopen(iPath.c_str(), "r"), fclose).get();
    EXPECT_NE(file, nullptr);
    return &_Iterators.emplace_back(iPath.c_str(), file, iLineNumber, iMaxLength, Context(iPath));
  }
  std::string File() const { return Path("the-file.txt"); }

  ORVGlobalObjectCleaner _Cleaner;
  std::vector<std::unique_ptr<FILE, int (*)(FILE*)>> _Opened;
  std::deque<ORVVolatileOneWayIteratorForTextFile> _Iterators;
};
using ORVTextFileIteratorDeathTest = ORVTextFileIteratorTest;

}  // namespace

// 120000 random contents (line ends, carriage returns, NULs, bytes above 127, lines around the
// growth points of the buffer), from memory or from a file, read with random maximum lengths,
// fixed or growable, lines counted or not: exactly the overlong lines are reported. A failure
// traces the input's number, maximum length, first line number and content.
TEST_F(ORVTextFileIteratorTest, ReadsTheLinesOfRandomContents) {
  std::mt19937 generator(20240601);
  auto random = [&](int iBound) { return (int)(generator() % (unsigned int)iBound); };
  // 18 % newlines, 8 % carriage returns, 3 % NULs, 2 % bytes above 127, then letters.
  const std::string odd =
      std::string(18, '\n') + std::string(8, '\r') + std::string(3, '\0') + "\xe9\xe9";
  auto character = [&] {
    int draw = random(100);
    return draw < 31 ? odd[(std::size_t)draw] : (char)('a' + random(26));
  };
  auto longContent = [&] {  // lines around the points where the growable buffer fills
    std::string content;
    for (int i = 0, lines = 1 + random(3); i < lines; ++i) {
      int base = random(2) ? kGrowableStart : 2 * kGrowableStart;
      int length = base - 3 + random(7);
      std::string line((std::size_t)length, (char)('a' + random(26)));
      for (int j = random(3); j > 0; --j)
        line[(std::size_t)random(length)] = character();
      content += line;
      if (i + 1 < lines || random(2)) content += random(3) ? "\n" : "\r\n";
    }
    return content;
  };
  for (int input = 0; input < 120000; ++input) {
    std::string content;
    bool isLong = random(50) == 0;
    if (isLong) content = longContent();
    for (int i = isLong ? 0 : random(48); i > 0; --i)
      content += character();
    int maxLength = random(10) < 3 ? -1 : random(13);
    if (isLong && maxLength >= 0 && random(2)) maxLength = kGrowableStart - 2 + random(5);
    int lineNumber = random(3) == 0 ? -1 : random(100);
    bool inFile = input % 1000 == 0 || content.empty();  // fmemopen refuses an empty buffer
    if (inFile) WriteWholeFile(File(), content);
    std::unique_ptr<FILE, int (*)(FILE*)> file(
        inFile ? fopen(File().c_str(), "r") : fmemopen(&content[0], content.size(), "r"), fclose);
    ASSERT_NE(file, nullptr);
    ORVVolatileOneWayIteratorForTextFile iterator("content", file.get(), lineNumber, maxLength,
                                                  Context("content"));
    SCOPED_TRACE(testing::PrintToString(std::make_tuple(input, maxLength, lineNumber, content)));
    Model model = ModelOf(content, lineNumber, maxLength);
    ASSERT_EQ(ReadAllLines(iterator, 1000), model._Lines);
    ASSERT_EQ(iterator.GetLineNumber(), lineNumber < 0 ? -1 : lineNumber + model._Count);
    ASSERT_EQ(iterator.GetMaxLength(), maxLength < 0 ? model._Growable : maxLength);
    PEVError::PEVCleanLastError();
  }
}

// Lines counted from 0, with a maximum length (-1: growable) and the growths of the buffer.
TEST_F(ORVTextFileIteratorTest, ReadsTheEdgeCases) {
  const std::string big(1 << 20, 'm');
  const std::string failed =
      "<ORVBC 0205: " + _Directory.GetPath() + " | " + strerror(EISDIR) + ">";
  // {content (empty: the directory, whose reads fail, even for root), maximum, lines, growths}
  const std::tuple<std::string, int, std::vector<std::string>, int> rows[] = {
      {std::string("ab\0cd\nxy\n", 9), -1, {"ab", "xy"}, 0},
      {std::string("ab\0cd\nxy\n", 9), 4, {"<ORVBC 0216: 1 | 4>", "xy"}, 0},
      {std::string("abcd\0\nz", 7), 4, {"<ORVBC 0216: 1 | 4>", "z"}, 0},
      {big + "\r\n" + big, -1, {big, big}, 10},  // 2040 doubled ten times passes 2^20
      {"", -1, {failed, failed, failed, "<more>"}, 0},
      {"", 0, {failed, failed, failed, "<more>"}, 0},  // all of it is the rest of a line
  };
  for (const auto& [content, max, lines, grown] : rows) {
    SCOPED_TRACE(testing::PrintToString(content.substr(0, 30)) + " " + std::to_string(max));
    auto* iterator = Make(content, 0, max, content.empty() ? _Directory.GetPath() : "");
    EXPECT_EQ(ReadAllLines(*iterator, 3), lines);
    EXPECT_EQ(iterator->GetBufferGrowthCount(), grown);
    EXPECT_EQ(iterator->GetMaxLength(), max < 0 ? kGrowableStart << grown : max);
    EXPECT_EQ(iterator->GetLineNumber(), content.empty() ? 0 : (int)lines.size());
  }
}

TEST_F(ORVTextFileIteratorTest, TheErrorsNameTheRequestTheFileAndTheLine) {
  ORVVolatileOneWayIteratorForTextFile* iterator = Make("fine\nmuch too long\n", 0, 8);
  const PEVBaseUnknown* line = iterator->Next();
  long code = iterator->Next(line);
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(DescribeLastError(code), "type 1 in " + std::string(kFile) + "; request Reading " +
                                         File() + "; diagnostic ORVBC 0216: 2 | 8; advice <none>");
  EXPECT_EQ(LastErrorText(code), "Reading " + File() + "\nThe line 2 is longer than 8 characters.");
  const std::string& path = _Directory.GetPath();
  code = Make("", 0, -1, path)->Next(line);
  EXPECT_EQ(DescribeLastError(code), "type 1 in src/ORVFileUtilities.cpp; request Reading " + path +
                                         "; diagnostic ORVBC 0205: " + path + " | " +
                                         strerror(EISDIR) + "; advice <none>");
}

TEST_F(ORVTextFileIteratorTest, CountsUpToTheLargestIntAndReadsARemovedFileToItsEnd) {
  ORVVolatileOneWayIteratorForTextFile* iterator = Make("first\nsecond\n", INT_MAX - 1, -1);
  EXPECT_STREQ(ORVCheckedCast<ORVExtChars>(iterator->Next())->GetChars(), "first");
  ASSERT_EQ(unlink(File().c_str()), 0);
  EXPECT_EQ(ReadAllLines(*iterator, 2), std::vector<std::string>{"second"});
  EXPECT_EQ(iterator->GetLineNumber(), INT_MAX);  // stays there rather than wrap
  iterator->SetLineNumber(10);
  EXPECT_EQ(iterator->GetLineNumber(), 10);
}

TEST_F(ORVTextFileIteratorDeathTest, NextFailsFatallyOnAnError) {
  ExpectFatalReport([&] { Make("way too long\n", 0, 3)->Next(); },
                    "Error while reading " + File() + ": Next() fails", kFile);
  ExpectFatalReport([] { ORVVolatileOneWayIteratorForTextFile("none", nullptr, 0, 5, {}); },
                    "ORVVolatileOneWayIteratorForTextFile(): iFile is NULL", kFile);
}
