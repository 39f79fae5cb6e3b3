// Tests of the text-file line iterator: line ends (CRLF, a last line without newline,
// empty lines and files), line counting, fixed maximum lengths and their errors ("0216",
// "0217", a maximum of 0), growable lines and the doubling of the buffer, read failures,
// a file removed while read, NULs in a line, and the fatal Next().
#include "ORVVolatileOneWayIteratorForTextFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ErrorRecord.h"
#include "FatalReport.h"
#include "ORVError.h"
#include "ORVExtAnyChars.h"
#include "ORVGlobalObjectCleaner.h"
#include "TemporaryDirectory.h"
#include "TextFileTestSupport.h"

using testing::ElementsAre;

namespace {

// A temporary directory for the files of one test; the last error is forgotten after it.
class ORVTextFileIteratorTest : public TemporaryDirectoryTest {
protected:
  void TearDown() override {
    for (PEVBaseUnknown* iterator : _Iterators)
      iterator->Release();
    for (FILE* file : _Opened)
      fclose(file);
    PEVError::PEVCleanLastError();
  }
  // A stream reading iPath, closed after the test.
  FILE* Open(const std::string& iPath) {
    FILE* file = fopen(iPath.c_str(), "r");
    EXPECT_NE(file, nullptr);
    if (file) _Opened.push_back(file);
    return file;
  }
  std::string File() const { return Path("the-file.txt"); }
  // An iterator over a file holding iContent, released after the test.
  ORVVolatileOneWayIteratorForTextFile* Make(const std::string& iContent, int iLineNumber,
                                             int iMaxLength) {
    WriteWholeFile(File(), iContent);
    _Iterators.push_back(new ORVVolatileOneWayIteratorForTextFile(
        File().c_str(), Open(File()), iLineNumber, iMaxLength, MakeReadingContext(File())));
    return _Iterators.back();
  }

  ORVGlobalObjectCleaner _Cleaner;
  std::vector<FILE*> _Opened;
  std::vector<ORVVolatileOneWayIteratorForTextFile*> _Iterators;
};

using ORVTextFileIteratorDeathTest = ORVTextFileIteratorTest;

}  // namespace

TEST_F(ORVTextFileIteratorTest, CountsLinesWhenAsked) {
  ORVVolatileOneWayIteratorForTextFile* counted = Make("a\n\nc\n", 0, -1);
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(counted->Next(), nullptr);
  EXPECT_EQ(counted->GetLineNumber(), 3);
  EXPECT_EQ(counted->Next(), nullptr);
  EXPECT_EQ(counted->GetLineNumber(), 3);  // the end is no line

  ORVVolatileOneWayIteratorForTextFile* uncounted = Make("a\nb\n", -1, -1);
  ReadAllLines(*uncounted);
  EXPECT_EQ(uncounted->GetLineNumber(), -1);
  uncounted->SetLineNumber(10);
  EXPECT_EQ(uncounted->GetLineNumber(), 10);

  ORVVolatileOneWayIteratorForTextFile* atTheTop = Make("a\nb\n", INT_MAX - 1, -1);
  ReadAllLines(*atTheTop);
  EXPECT_EQ(atTheTop->GetLineNumber(), INT_MAX);  // stays there rather than wrap
}

TEST_F(ORVTextFileIteratorTest, TheErrorNamesTheFileAndTheLine) {
  ORVVolatileOneWayIteratorForTextFile* iterator = Make("fine\nmuch too long\n", 0, 8);
  EXPECT_NE(iterator->Next(), nullptr);
  const PEVBaseUnknown* line = iterator;
  long code = iterator->Next(line);
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(line, nullptr);
  EXPECT_EQ(DescribeLastError(code),
            "type 1 in src/ORVVolatileOneWayIteratorForTextFile.cpp; request Reading " + File() +
                "; diagnostic ORVBC 0216: 2 | 8; advice <none>");
  EXPECT_EQ(LastErrorText(code), "Reading " + File() + "\nThe line 2 is longer than 8 characters.");
  EXPECT_EQ(iterator->Next(line), 0);  // the next call goes on after the long line
  EXPECT_EQ(line, nullptr);
}

TEST_F(ORVTextFileIteratorTest, AMebibyteLineCostsALogarithmicNumberOfGrowths) {
  std::string big(1 << 20, 'm');
  big[12345] = 'n';
  ORVVolatileOneWayIteratorForTextFile* iterator = Make(big + "\r\n" + big, 0, -1);
  const PEVBaseUnknown* line = iterator->Next();
  EXPECT_EQ(ORVCheckedCast<ORVExtAnyChars>(line)->GetChars(), big);
  // 2040 doubled ten times is the first length above 2^20 characters.
  EXPECT_EQ(iterator->GetBufferGrowthCount(), 10);
  EXPECT_EQ(iterator->GetMaxLength(), 2040 * 1024);
  line = iterator->Next();
  EXPECT_EQ(ORVCheckedCast<ORVExtAnyChars>(line)->GetChars(), big);  // no newline at the end
  EXPECT_EQ(iterator->GetBufferGrowthCount(), 10);
  EXPECT_EQ(iterator->Next(), nullptr);
}

TEST_F(ORVTextFileIteratorTest, AFileRemovedWhileReadIsReadToItsEnd) {
  ORVVolatileOneWayIteratorForTextFile* iterator = Make("first\nsecond\n", 0, -1);
  EXPECT_STREQ(ORVCheckedCast<ORVExtAnyChars>(iterator->Next())->GetChars(), "first");
  ASSERT_EQ(unlink(File().c_str()), 0);
  EXPECT_STREQ(ORVCheckedCast<ORVExtAnyChars>(iterator->Next())->GetChars(), "second");
  EXPECT_EQ(iterator->Next(), nullptr);
}

TEST_F(ORVTextFileIteratorTest, AReadFailureIsReportedWithTheContext) {
  // A directory opens as a stream whose reads fail (EISDIR), even for root.
  const std::string& path = _Directory.GetPath();
  FILE* directory = Open(path);
  ORVVolatileOneWayIteratorForTextFile iterator(path.c_str(), directory, 0, -1,
                                                MakeReadingContext(path));
  const PEVBaseUnknown* line = &iterator;
  long code = iterator.Next(line);
  EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(line, nullptr);
  EXPECT_EQ(DescribeLastError(code), "type 1 in src/ORVFileUtilities.cpp; request Reading " + path +
                                         "; diagnostic ORVBC 0205: " + path + " | " +
                                         strerror(EISDIR) + "; advice <none>");
  EXPECT_EQ(iterator.GetLineNumber(), 0);
  // A fixed length of 0 reads everything as the rest of a line: the same failure.
  ORVVolatileOneWayIteratorForTextFile fixed(path.c_str(), directory, 0, 0,
                                             MakeReadingContext(path));
  EXPECT_THAT(ReadAllLines(fixed, 1),
              ElementsAre(testing::StartsWith("<ORVBC 0205: " + path), "<more>"));
}

TEST_F(ORVTextFileIteratorDeathTest, NextFailsFatallyOnAnError) {
  const char kFile[] = "src/ORVVolatileOneWayIteratorForTextFile.cpp";
  ORVVolatileOneWayIteratorForTextFile* iterator = Make("way too long\n", 0, 3);
  EXPECT_EXIT(iterator->Next(), testing::ExitedWithCode(255),
              FatalReportPattern("Error while reading " + File() + ": Next() fails", kFile));
  FILE* directory = Open(_Directory.GetPath());
  ORVVolatileOneWayIteratorForTextFile failing("dir", directory, 0, 5, ORVNLSMsgBldrRfHndlr());
  EXPECT_EXIT(failing.Next(), testing::ExitedWithCode(255),
              FatalReportPattern("Error while reading dir: Next() fails", kFile));
  EXPECT_EXIT(ORVVolatileOneWayIteratorForTextFile("none", nullptr, 0, 5, ORVNLSMsgBldrRfHndlr()),
              testing::ExitedWithCode(255),
              FatalReportPattern("ORVVolatileOneWayIteratorForTextFile(): iFile is NULL", kFile));
}

// What the lines of a content read as, with a line number to count from (-1: not
// counted) and a maximum length (-1: growable).
TEST_F(ORVTextFileIteratorTest, ReadsTheLinesOfAContent) {
  struct Row {
    std::string _Content;
    int _LineNumber, _MaxLength;
    std::vector<std::string> _Lines;
  };
  const Row rows[] = {
      {"one\r\ntwo\n\r\n\nthree", 0, -1, {"one", "two", "<DbNull>", "<DbNull>", "three"}},
      // Only a carriage return just before a newline is a line end.
      {"a\rb\r\r\nc\r", 0, -1, {"a\rb\r", "c\r"}},
      {"\n", 0, 10, {"<DbNull>"}},
      {"last line", 0, 100, {"last line"}},
      {"", 0, 0, {}},
      // A fixed length accepts lines of exactly the maximum and reports longer ones, a CRLF
      // line of the maximum even when the carriage return is read apart.
      {"12345\n123456\nabc\n1234567890123\n12345",
       0,
       5,
       {"12345", "<ORVBC 0216: 2 | 5>", "abc", "<ORVBC 0216: 4 | 5>", "12345"}},
      {"12345\r\n1234\r\n123456\r\n", 0, 5, {"12345", "1234", "<ORVBC 0216: 3 | 5>"}},
      // A carriage return that is not before a newline counts.
      {"12345\r", 0, 5, {"<ORVBC 0216: 1 | 5>"}},
      {"12345\r\r\n", 0, 5, {"<ORVBC 0216: 1 | 5>"}},
      // Uncounted lines are reported by their start, at most the characters of the buffer.
      {"123456\nok\n", -1, 5, {"<ORVBC 0217: 12345... | 5>", "ok"}},
      {"abcdefghijklmnopqrstuvwxyz\n", -1, 12, {"<ORVBC 0217: abcdefghij... | 12>"}},
      {"x\n", -1, 0, {"<ORVBC 0217: ... | 0>"}},
      // A maximum of zero takes only empty lines.
      {"\n\r\nx\n\n", 0, 0, {"<DbNull>", "<DbNull>", "<ORVBC 0216: 3 | 0>", "<DbNull>"}},
      {"\nlong line without end", 0, 0, {"<DbNull>", "<ORVBC 0216: 2 | 0>"}},
      // A NUL ends the visible line but not the line.
      {std::string("ab\0cd\nxy\n", 9), 0, -1, {"ab", "xy"}},
      {std::string("ab\0cd\nxy\n", 9), 0, 5, {"ab", "xy"}},
      {std::string("ab\0cd\nxy\n", 9), 0, 4, {"<ORVBC 0216: 1 | 4>", "xy"}},
      {std::string("abcd\0\nz", 7), 0, 4, {"<ORVBC 0216: 1 | 4>", "z"}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ReadAllLines(*Make(row._Content, row._LineNumber, row._MaxLength)), row._Lines)
        << testing::PrintToString(row._Content) << " " << row._LineNumber << " " << row._MaxLength;
}

TEST_F(ORVTextFileIteratorTest, ALineThatFillsTheBufferExactlyGrowsIt) {
  std::string exact(2040, 'e');
  ORVVolatileOneWayIteratorForTextFile* iterator = Make(exact + "\n" + exact, 0, -1);
  EXPECT_THAT(ReadAllLines(*iterator), ElementsAre(exact, exact));
  EXPECT_EQ(iterator->GetMaxLength(), 4080);
  EXPECT_EQ(iterator->GetBufferGrowthCount(), 1);
}
