// Tests of ORVOFStream and the common ORVFStream operations: modes, flushing writes,
// number formats, file concatenation, streams without file, the standard streams.
#include "ORVOFStream.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TemporaryDirectory.h"

namespace {

using ORVOFStreamTest = TemporaryDirectoryTest;

}  // namespace

TEST_F(ORVOFStreamTest, IntegerModeTruncatesOrAppends) {
  std::string path = Path("modes");
  WriteWholeFile(path, "old");
  {
    ORVOFStream stream(path.c_str(), ORVFStreamText);
    EXPECT_EQ(stream.IsOpen(), 1);
    EXPECT_EQ(stream.GetErrno(), 0);
    stream.Puts("new");
  }
  EXPECT_EQ(ReadWholeFile(path), "new");
  {
    ORVOFStream stream(path.c_str(), ORVFStreamText | ORVFStreamAppend);
    stream.Puts("+text");
  }
  {
    ORVOFStream stream(path.c_str(), ORVFStreamAppend);
    stream.Puts("+binary");
  }
  EXPECT_EQ(ReadWholeFile(path), "new+text+binary");
  ORVOFStream binary(path.c_str(), 0);
  EXPECT_EQ(ReadWholeFile(path), "");
}

TEST_F(ORVOFStreamTest, WritesAreFlushedAtOnceButInsertionsAreNot) {
  std::string path = Path("flush");
  ORVOFStream stream(path.c_str(), "w");
  EXPECT_EQ(stream.Write("abc", 2), 0);
  EXPECT_EQ(ReadWholeFile(path), "ab");
  EXPECT_EQ(stream.Print("[%d|%s]", 7, "x"), 0);
  EXPECT_EQ(stream.Putc('!'), 0);
  EXPECT_EQ(stream.Puts(nullptr), 0);
  EXPECT_EQ(ReadWholeFile(path), "ab[7|x]!");
  stream << "pending";
  EXPECT_EQ(ReadWholeFile(path), "ab[7|x]!");
  stream << flush;
  EXPECT_EQ(ReadWholeFile(path), "ab[7|x]!pending");
  stream << " line" << endl;
  EXPECT_EQ(ReadWholeFile(path), "ab[7|x]!pending line\n");
  EXPECT_EQ(stream.Write(nullptr, 3), 0);
  EXPECT_EQ(stream.Write("x", 0), 0);
}

TEST_F(ORVOFStreamTest, NumbersCharactersAndWholePointersUseTheirFormats) {
  std::string path = Path("numbers");
  const void* pointer = reinterpret_cast<const void*>((uintptr_t)0x123456789abcdef0ull);
  {
    ORVOFStream stream(path.c_str(), "w");
    stream << -1 << ' ' << 4294967295u << ' ' << LONG_MIN << ' ' << ULONG_MAX << ' ' << 2.5 << ' '
           << (long double)0.125 << ' ' << (unsigned char)'u' << static_cast<const char*>(nullptr)
           << '|' << endl
           << pointer << ' ' << static_cast<const void*>(nullptr);
  }
  EXPECT_EQ(ReadWholeFile(path),
            "-1 4294967295 -9223372036854775808 18446744073709551615 2.5 0.125 u|\n"
            "0x123456789abcdef0 0x0");
}

TEST_F(ORVOFStreamTest, CatFileAppendsAWholeFileInBlocksOrReportsTheFailure) {
  std::string source = Path("source");
  std::string large(40000, 'x');
  large += "end";
  WriteWholeFile(source, large);
  std::string target = Path("target");
  ORVOFStream stream(target.c_str(), "w");
  stream.Puts("head:");
  EXPECT_EQ(stream.CatFile(source.c_str(), 0), 0);
  EXPECT_EQ(stream.CatFile(source.c_str(), ORVFStreamText), 0);
  EXPECT_EQ(ReadWholeFile(target), "head:" + large + large);
  EXPECT_EQ(stream.CatFile(nullptr, 0), 0);
  EXPECT_EQ(stream.CatFile(Path("missing").c_str(), 0), 1);
  EXPECT_EQ(stream.GetErrno(), ENOENT);
  // Its own file, under this name or another, is refused rather than copied without end.
  symlink(target.c_str(), Path("alias").c_str());
  for (const std::string& self : {target, Path("alias")}) {
    EXPECT_EQ(stream.CatFile(self.c_str(), 0), 1);
    EXPECT_EQ(stream.GetErrno(), EINVAL);
  }
  EXPECT_EQ(ReadWholeFile(target), "head:" + large + large);
  // A write failure is reported.
  ORVOFStream full("/dev/full", "w");
  ASSERT_EQ(full.IsOpen(), 1);
  EXPECT_EQ(full.CatFile(source.c_str(), 0), 1);
  EXPECT_EQ(full.GetErrno(), ENOSPC);
  EXPECT_NE(full.Write("z", 1), 0);
}

TEST_F(ORVOFStreamTest, FailedOpenKeepsTheErrno) {
  ORVOFStream stream(Path("no/such/dir/file").c_str(), "w");
  EXPECT_EQ(stream.IsOpen(), 0);
  EXPECT_EQ(stream.Open(Path("no/such/dir/file").c_str(), "w"), 1);
  EXPECT_EQ(stream.GetErrno(), ENOENT);
  EXPECT_EQ(stream.Open(nullptr, "w"), 1);
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  EXPECT_EQ(errno, EINVAL);
  EXPECT_EQ(stream.Open(Path("reopened").c_str(), ORVFStreamText), 0);
  EXPECT_EQ(stream.IsOpen(), 1);
}

TEST(ORVOFStream, StreamWithoutFileRefusesEverything) {
  ORVOFStream stream;
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  EXPECT_EQ(stream.IsOpen(), 0);
  // Write, Print, Putc, Puts, Flush and CatFile fail with 1, the others with EINVAL.
  EXPECT_EQ(std::vector<int>({stream.Write("x", 1), stream.Print("%d", 1), stream.Putc('x'),
                              stream.Puts("x"), stream.Flush(), stream.CatFile("/etc/hostname", 0),
                              stream.Rewind(), stream.Error(), stream.EndOfFile(),
                              stream.ClearError(), stream.GetFileNo(), stream.Close()}),
            std::vector<int>({1, 1, 1, 1, 1, 1, EINVAL, EINVAL, EINVAL, EINVAL, EINVAL, EINVAL}));
  stream << "ignored" << 3 << endl;
  EXPECT_EQ(stream.GetErrno(), EINVAL);
  ORVOFStream fromNull(static_cast<FILE*>(nullptr));
  EXPECT_EQ(fromNull.IsOpen(), 0);
  EXPECT_EQ(fromNull.GetErrno(), EINVAL);
}

TEST(ORVOFStream, BorrowedFileIsForgottenNotClosed) {
  FILE* file = tmpfile();
  {
    ORVOFStream stream(file);
    EXPECT_EQ(stream.IsOpen(), 1);
    EXPECT_EQ(stream.GetFileNo(), fileno(file));
    EXPECT_EQ(stream.Close(), 0);
    EXPECT_EQ(stream.IsOpen(), 0);
    EXPECT_EQ(stream.GetErrno(), EINVAL);
  }
  EXPECT_NE(fputs("still open", file), EOF);
  {
    ORVOFStream stream(file);  // destruction without Close leaves it open too
  }
  EXPECT_EQ(fflush(file), 0);
  fclose(file);
}

TEST(ORVOFStream, StandardStreamsWriteToTheProcessStreamsWhichClosingLeavesOpen) {
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
