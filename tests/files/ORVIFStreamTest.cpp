// Tests of ORVIFStream: reading blocks and delimited lines, modes, streams without file.
#include "ORVIFStream.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

FILE* FileWith(const std::string& iText) {
  FILE* file = tmpfile();
  fwrite(iText.data(), 1, iText.size(), file);
  rewind(file);
  return file;
}

// The result of one Getline into a buffer of exactly iSize, then what the buffer holds.
std::string Line(ORVIFStream& ioStream, int iSize, char iDelimiter = '\n') {
  std::vector<char> buffer((std::size_t)iSize, 'x');
  int result = ioStream.Getline(buffer.data(), iSize, iDelimiter);
  std::size_t length = strnlen(buffer.data(), buffer.size());
  return std::to_string(result) + " [" + std::string(buffer.data(), length) +
         (length == buffer.size() ? "<unterminated>]" : "]");
}

}  // namespace

TEST(ORVIFStream, GetlineSplitsALongLineAtTheBufferSize) {
  FILE* file = FileWith("abcdefgh\nij\n\nlast");
  ORVIFStream stream(file);
  std::vector<std::string> lines;
  for (int i = 0; i < 7; ++i)
    lines.push_back(Line(stream, 5));
  // The long line in two pieces, then its delimiter alone, the empty line, a last line
  // without delimiter, and nothing left.
  EXPECT_EQ(lines, std::vector<std::string>(
                       {"0 [abcd]", "0 [efgh]", "0 []", "0 [ij]", "0 []", "0 [last]", "1 []"}));
  EXPECT_EQ(stream.EndOfFile(), 1);
  fclose(file);
}

TEST(ORVIFStream, GetlineTakesAnyByteAsDelimiterAndRefusesBuffersWithoutRoom) {
  FILE* file = FileWith(
      "a;b\xE9"
      "cde");
  ORVIFStream stream(file);
  EXPECT_EQ(Line(stream, 16, ';'), "0 [a]");
  EXPECT_EQ(Line(stream, 16, (char)0xE9), "0 [b]");
  char buffer[2] = {'x', 'y'};
  EXPECT_EQ(stream.Getline(buffer, 1, '\n'), 1);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'y');
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  EXPECT_EQ(stream.Getline(nullptr, 10, '\n'), 1);
  EXPECT_EQ(Line(stream, 2), "0 [c]");
  fclose(file);
}

TEST(ORVIFStream, ReadGivesTheCountRead) {
  FILE* file = FileWith("0123456789");
  ORVIFStream stream(file);
  char buffer[8] = {};
  EXPECT_EQ(stream.Read(buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  EXPECT_EQ(stream.Read(buffer, 8), 6u);
  EXPECT_EQ(std::string(buffer, 6), "456789");
  EXPECT_EQ(stream.Read(buffer, 0), 0u);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(stream.Read(nullptr, 4), 0u);
  EXPECT_EQ(stream.Rewind(), 0);
  EXPECT_EQ(stream.Read(buffer, 2), 2u);
  EXPECT_EQ(stream.Error(), 0);
  EXPECT_EQ(stream.ClearError(), 0);
  fclose(file);
}

TEST(ORVIFStream, OpensByPathWithIntegerOrTextModeOrReadsNothingWithoutFile) {
  char path[] = "/tmp/orv-ifstream-XXXXXX";
  int descriptor = mkstemp(path);
  ASSERT_GE(descriptor, 0);
  ASSERT_EQ(write(descriptor, "line\r\n", 6), 6);
  close(descriptor);
  ORVIFStream text(path, ORVFStreamText);
  EXPECT_EQ(Line(text, 16), "0 [line\r]");  // no translation on this system
  ORVIFStream binary(path, 0);
  EXPECT_EQ(binary.IsOpen(), 1);
  EXPECT_EQ(binary.Close(), 0);
  EXPECT_EQ(binary.IsOpen(), 0);
  EXPECT_EQ(binary.Open(path, "r"), 0);
  unlink(path);
  ORVIFStream missing(path, "r");
  EXPECT_EQ(missing.GetErrno(), ENOENT);
  EXPECT_EQ(missing.IsOpen(), 0);
  ORVIFStream none;
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(none.Read(buffer, 4), 0u);
  EXPECT_EQ(none.GetErrno(), EINVAL);
  EXPECT_EQ(none.Getline(buffer, 4, '\n'), 1);
  EXPECT_EQ(std::string(buffer, 4), std::string(4, '\0'));
}
