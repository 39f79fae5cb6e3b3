// Tests of ORVIFStream, ORVOFStream and the common ORVFStream operations: reading blocks
// and delimited lines, modes, flushing writes, number formats, file concatenation,
// streams without file, the standard streams.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "ChildProcess.h"
#include "ORVIFStream.h"
#include "ORVOFStream.h"
#include "TemporaryDirectory.h"

namespace {

using ORVFStreamTest = TemporaryDirectoryTest;
using Ints = std::vector<int>;
using Texts = std::vector<std::string>;

// A stream reading iText.
FILE* FileWith(const char* iText) {
  return fmemopen(const_cast<char*>(iText), strlen(iText), "r");
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

// The elements of a braced list are evaluated in their order: each checks the state the
// ones before it left.
TEST(ORVIFStream, GetlineSplitsAtTheBufferSizeOrAnyByteAndRefusesBuffersWithoutRoom) {
  FILE* file = FileWith(
      "abcdefgh\nij\n\nlas\na;b\xE9"
      "cd");
  ORVIFStream stream(file);
  // The long line in two pieces, then its delimiter alone, the empty line, other
  // delimiters, a last line without delimiter, and nothing left.
  EXPECT_EQ(
      Texts({Line(stream, 5), Line(stream, 5), Line(stream, 5), Line(stream, 5), Line(stream, 5),
             Line(stream, 5), Line(stream, 16, ';'), Line(stream, 16, (char)0xE9)}),
      Texts({"0 [abcd]", "0 [efgh]", "0 []", "0 [ij]", "0 []", "0 [las]", "0 [a]", "0 [b]"}));
  char buffer[2] = {'x', 'y'};
  EXPECT_EQ(Ints({stream.Getline(buffer, 1, '\n'), stream.GetErrno(), buffer[0], buffer[1],
                  stream.Getline(nullptr, 10, '\n')}),
            Ints({1, EINVAL, 0, 'y', 1}));
  EXPECT_EQ(Texts({Line(stream, 2), Line(stream, 5), Line(stream, 5)}),
            Texts({"0 [c]", "0 [d]", "1 []"}));
  EXPECT_EQ(stream.EndOfFile(), 1);
  fclose(file);
  file = FileWith("0123456789");
  ORVIFStream blocks(file);
  char read[16] = {};
  EXPECT_EQ(Ints({(int)blocks.Read(read, 4), (int)blocks.Read(read + 4, 8),
                  (int)blocks.Read(nullptr, 4), (int)blocks.Read(read, 0), read[0]}),
            Ints({4, 6, 0, 0, 0}));
  EXPECT_EQ(std::string(read + 1, 9), "123456789");
  EXPECT_EQ(Ints({blocks.Rewind(), (int)blocks.Read(read, 2), read[1], blocks.Error(),
                  blocks.ClearError()}),
            Ints({0, 2, '1', 0, 0}));
  fclose(file);
}

TEST_F(ORVFStreamTest, OpensByPathFlushesWritesOnlyAndCatFileAppendsWholeFilesOrReportsTheFailure) {
  std::string input = Path("in");
  WriteWholeFile(input, "line\r\n");
  ORVIFStream text(input.c_str(), ORVFStreamText);
  EXPECT_EQ(Line(text, 16), "0 [line\r]");  // no translation on this system
  ORVIFStream binary(input.c_str(), 0), missing(Path("gone").c_str(), "r");
  EXPECT_EQ(Ints({binary.IsOpen(), binary.Close(), binary.IsOpen(), binary.Open(input.c_str(), "r"),
                  missing.GetErrno(), missing.IsOpen()}),
            Ints({1, 0, 0, 0, ENOENT, 0}));
  ORVOFStream unopened(Path("no/such/dir/file").c_str(), "w");
  EXPECT_EQ(Ints({unopened.IsOpen(), unopened.Open(Path("no/such/dir/file").c_str(), "w"),
                  unopened.GetErrno(), unopened.Open(nullptr, "w"), unopened.GetErrno(), errno,
                  unopened.Open(Path("reopened").c_str(), ORVFStreamText), unopened.IsOpen()}),
            Ints({0, 1, ENOENT, 1, EINVAL, EINVAL, 0, 1}));
  // Integer modes truncate or append; writes are flushed, insertions not.
  std::string path = Path("out");
  WriteWholeFile(path, "old");
  for (int mode : {(int)ORVFStreamText, ORVFStreamText | ORVFStreamAppend, (int)ORVFStreamAppend}) {
    ORVOFStream stream(path.c_str(), mode);
    EXPECT_EQ(Ints({stream.IsOpen(), stream.GetErrno()}), Ints({1, 0}));
    stream.Puts(mode == ORVFStreamText ? "new" : mode == ORVFStreamAppend ? "+binary" : "+text");
  }
  EXPECT_EQ(ReadWholeFile(path), "new+text+binary");
  ORVOFStream stream(path.c_str(), 0);
  EXPECT_EQ(ReadWholeFile(path), "");
  // The result of a write, then what the file holds; what it holds after an insertion.
  auto wrote = [&](int iResult) { return std::to_string(iResult) + ReadWholeFile(path); };
  auto held = [&](ORVOFStream&) { return ReadWholeFile(path); };
  EXPECT_EQ(
      Texts({wrote(stream.Write("abc", 2)), wrote(stream.Print("[%d|%s]", 7, "x")),
             wrote(stream.Putc('!')), wrote(stream.Puts(nullptr)), held(stream << "pending"),
             held(stream << flush), held(stream << " line" << endl),
             wrote(stream.Write(nullptr, 3)), wrote(stream.Write("x", 0))}),
      Texts({"0ab", "0ab[7|x]", "0ab[7|x]!", "0ab[7|x]!", "ab[7|x]!", "ab[7|x]!pending",
             "ab[7|x]!pending line\n", "0ab[7|x]!pending line\n", "0ab[7|x]!pending line\n"}));
  // Numbers, characters and whole pointers in their formats.
  stream << -1 << ' ' << 4294967295u << ' ' << LONG_MIN << ' ' << ULONG_MAX << ' ' << 2.5 << ' '
         << (long double)0.125 << ' ' << (unsigned char)'u' << static_cast<const char*>(nullptr)
         << '|' << reinterpret_cast<const void*>((uintptr_t)0x123456789abcdef0ull) << ' '
         << static_cast<const void*>(nullptr) << flush;
  EXPECT_EQ(ReadWholeFile(path),
            "ab[7|x]!pending line\n"
            "-1 4294967295 -9223372036854775808 18446744073709551615 2.5 0.125 u|"
            "0x123456789abcdef0 0x0");
  // CatFile appends a whole file in blocks or reports the failure.
  std::string source = Path("source"), head = ReadWholeFile(path), large(40000, 'x');
  WriteWholeFile(source, large += "end");
  EXPECT_EQ(Ints({stream.CatFile(source.c_str(), 0), stream.CatFile(source.c_str(), ORVFStreamText),
                  stream.CatFile(nullptr, 0), stream.CatFile(Path("missing").c_str(), 0),
                  stream.GetErrno()}),
            Ints({0, 0, 0, 1, ENOENT}));
  EXPECT_EQ(ReadWholeFile(path), head + large + large);
  // Its own file, under this name or another, is refused rather than copied without end.
  ASSERT_EQ(symlink(path.c_str(), Path("alias").c_str()), 0);
  for (const std::string& self : {path, Path("alias")})
    EXPECT_EQ(Ints({stream.CatFile(self.c_str(), 0), stream.GetErrno()}), Ints({1, EINVAL}));
  EXPECT_EQ(ReadWholeFile(path), head + large + large);
  // A write failure is reported.
  ORVOFStream full("/dev/full", "w");
  ASSERT_EQ(full.IsOpen(), 1);
  EXPECT_EQ(Ints({full.CatFile(source.c_str(), 0), full.GetErrno()}), Ints({1, ENOSPC}));
  EXPECT_NE(full.Write("z", 1), 0);
}

TEST(ORVOFStream, StreamsWithoutFileRefuseEverythingAndBorrowedOrStandardFilesAreLeftOpen) {
  ORVIFStream none;
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(Ints({(int)none.Read(buffer, 4), none.GetErrno(), none.Getline(buffer, 4, '\n')}),
            Ints({0, EINVAL, 1}));
  EXPECT_EQ(std::string(buffer, 4), std::string(4, '\0'));
  ORVOFStream stream, fromNull(static_cast<FILE*>(nullptr));
  // Write, Print, Putc, Puts, Flush and CatFile fail with 1, the others with EINVAL.
  EXPECT_EQ(Ints({stream.GetErrno(), stream.IsOpen(), stream.Write("x", 1), stream.Print("%d", 1),
                  stream.Putc('x'), stream.Puts("x"), stream.Flush(),
                  stream.CatFile("/etc/hostname", 0), stream.Rewind(), stream.Error(),
                  stream.EndOfFile(), stream.ClearError(), stream.GetFileNo(), stream.Close()}),
            Ints({EINVAL, 0, 1, 1, 1, 1, 1, 1, EINVAL, EINVAL, EINVAL, EINVAL, EINVAL, EINVAL}));
  stream << "ignored" << 3 << endl;
  EXPECT_EQ(Ints({stream.GetErrno(), fromNull.IsOpen(), fromNull.GetErrno()}),
            Ints({EINVAL, 0, EINVAL}));
  FILE* file = tmpfile();
  {
    ORVOFStream borrowing(file), forgetting(file);  // forgetting is destroyed without Close
    EXPECT_EQ(Ints({borrowing.IsOpen(), borrowing.GetFileNo(), borrowing.Close(),
                    borrowing.IsOpen(), borrowing.GetErrno(), fputs("still open", file) != EOF}),
              Ints({1, fileno(file), 0, 0, EINVAL, 1}));
  }
  EXPECT_EQ(fflush(file), 0);
  fclose(file);
  // The standard streams write to the process streams, which closing leaves open.
  ChildResult child = RunInChild([] {
    ORVStdout << "out " << 1 << endl;
    ORVStderr << "err " << 2 << endl;
    ORVStdout.Print("%s\n", "printed");
    if (ORVStderr.Close() != 0) _exit(8);
    ORVStderr << "dropped";
    if (ORVStderr.IsOpen() != 0) _exit(7);
    fputs("stderr still works", stderr);
    if (ORVStderr.Puts("x") != 1) _exit(9);
  });
  EXPECT_EQ(child._ExitStatus, 0);
  EXPECT_EQ(child._Stdout, "out 1\nprinted\n");
  EXPECT_EQ(child._Stderr, "err 2\nstderr still works");
}
