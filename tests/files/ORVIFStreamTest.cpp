// Tests of ORVIFStream: reading blocks and delimited lines, modes, streams without file.
#include "ORVIFStream.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

FILE* FileWith(const std::string& iText) {
  FILE* file = tmpfile();
  fwrite(iText.data(), 1, iText.size(), file);
  rewind(file);
  return file;
}

}  // namespace

TEST(ORVIFStream, GetlineSplitsALongLineAtTheBufferSize) {
  FILE* file = FileWith("abcdefgh\nij\n\nlast");
  ORVIFStream stream(file);
  char buffer[5];
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);
  EXPECT_STREQ(buffer, "efgh");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);  // the delimiter alone
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);
  EXPECT_STREQ(buffer, "ij");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);  // the empty line
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 0);  // a last line without delimiter
  EXPECT_STREQ(buffer, "last");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, '\n'), 1);  // nothing left
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(stream.EndOfFile(), 1);
  fclose(file);
}

TEST(ORVIFStream, GetlineTakesAnyByteAsDelimiter) {
  FILE* file = FileWith(
      "a;b\xE9"
      "c");
  ORVIFStream stream(file);
  char buffer[16];
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, ';'), 0);
  EXPECT_STREQ(buffer, "a");
  EXPECT_EQ(stream.Getline(buffer, sizeof buffer, (char)0xE9), 0);
  EXPECT_STREQ(buffer, "b");
  fclose(file);
}

TEST(ORVIFStream, GetlineRefusesBuffersThatHoldNoCharacter) {
  FILE* file = FileWith("abc");
  ORVIFStream stream(file);
  char buffer[2] = {'x', 'y'};
  EXPECT_EQ(stream.Getline(buffer, 1, '\n'), 1);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'y');
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  EXPECT_EQ(stream.Getline(nullptr, 10, '\n'), 1);
  EXPECT_EQ(stream.Getline(buffer, 2, '\n'), 0);
  EXPECT_STREQ(buffer, "a");
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

TEST(ORVIFStream, OpensByPathWithIntegerOrTextMode) {
  char path[] = "/tmp/orv-ifstream-XXXXXX";
  int descriptor = mkstemp(path);
  ASSERT_GE(descriptor, 0);
  ASSERT_EQ(write(descriptor, "line\r\n", 6), 6);
  close(descriptor);
  ORVIFStream text(path, ORVFStreamText);
  char buffer[16];
  EXPECT_EQ(text.Getline(buffer, sizeof buffer, '\n'), 0);
  EXPECT_STREQ(buffer, "line\r");  // no translation on this system
  ORVIFStream binary(path, 0);
  EXPECT_EQ(binary.IsOpen(), 1);
  EXPECT_EQ(binary.Close(), 0);
  EXPECT_EQ(binary.IsOpen(), 0);
  EXPECT_EQ(binary.Open(path, "r"), 0);
  unlink(path);
  ORVIFStream missing(path, "r");
  EXPECT_EQ(missing.GetErrno(), ENOENT);
  EXPECT_EQ(missing.IsOpen(), 0);
}

TEST(ORVIFStream, StreamWithoutFileReadsNothing) {
  ORVIFStream stream;
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(stream.Read(buffer, 4), 0u);
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  EXPECT_EQ(stream.Getline(buffer, 4, '\n'), 1);
  EXPECT_EQ(std::string(buffer, 4), std::string(4, '\0'));
}
