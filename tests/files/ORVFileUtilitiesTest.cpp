// Tests of ORVFileUtilities: path texts, each failing operation's error record (key and
// parameters), element types with links, file comparison in blocks, Windows names.
#include "ORVFileUtilities.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVString.h"
#include "ORVVector.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"
#include "TestClasses.h"

namespace {

const char kFile[] = "src/ORVFileUtilities.cpp";

std::string Text(const ORVString& iText) {
  return std::string(iText.GetChars(), (std::size_t)iText.GetLength());
}

// A temporary directory for the files of one test; the last error is forgotten after it.
class ORVFileUtilitiesTest : public TemporaryDirectoryTest {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }

  // iCode failed with the library's error for ORVBC iKey and the given parameters; its
  // text builds without a fallback marker.
  static void ExpectFileError(long iCode, const char* iKey,
                              const std::vector<std::string>& iParameters) {
    ASSERT_EQ(iCode, PEV_E_FAIL);
    std::string diagnostic = iKey;
    for (std::size_t i = 0; i < iParameters.size(); ++i)
      diagnostic += (i == 0 ? ": " : " | ") + iParameters[i];
    EXPECT_EQ(DescribeLastError(iCode), std::string("type 1 in ") + kFile +
                                            "; request <none>; diagnostic ORVBC " + diagnostic +
                                            "; advice <none>");
    std::string built = LastErrorText(iCode);
    EXPECT_EQ(built.find("!!!"), std::string::npos) << built;
  }
};

// A stream whose descriptor is a pipe: no seeking, no position.
FILE* PipeStream(int* oOtherEnd) {
  int ends[2];
  if (pipe(ends) != 0) return nullptr;
  *oOtherEnd = ends[1];
  return fdopen(ends[0], "r");
}

}  // namespace

TEST(ORVFileUtilities, ComparePathTakesASeparatorAsAWildcard) {
  const std::tuple<const char*, const char*, unsigned int> rows[] = {
      {"a/b", "a\\b", 1}, {"a/b", "axb", 1}, {"axb", "a/b", 1}, {"a/b", "a/bc", 0},
      {"a/bc", "a/b", 0}, {"a/b", "A/b", 0}, {"", "", 1}};
  for (const auto& [first, second, same] : rows)
    EXPECT_EQ(ORVFileUtilities::ComparePath(first, second), same) << first << " " << second;
}

TEST(ORVFileUtilities, ExtractionsCutAtTheLastDotAndKeepTheLastSeparator) {
  ORVString path, base, extension;
  unsigned int hasDot = 9;
  auto split = [&](const char* iName) {
    ORVFileUtilities::ExtractExtensionFromFileName(iName, base, extension, hasDot);
    return Text(base) + "|" + Text(extension) + "|" + std::to_string(hasDot);
  };
  EXPECT_EQ(split("y.tar.gz"), "y.tar|gz|1");
  EXPECT_EQ(split("name."), "name||1");
  EXPECT_EQ(split("README"), "README||0");
  EXPECT_EQ(split(""), "||0");
  auto splitPath = [&](const char* iPath) {
    ORVFileUtilities::ExtractPathAndExtFromFileFullPath(iPath, path, base, extension, hasDot);
    return Text(path) + "|" + Text(base) + "|" + Text(extension) + "|" + std::to_string(hasDot);
  };
  EXPECT_EQ(splitPath("/x/y.tar.gz"), "/x/|y.tar|gz|1");
  EXPECT_EQ(splitPath(".profile"), "||profile|1");
  EXPECT_EQ(splitPath("c:\\dir.d/sub\\file"), "c:\\dir.d/sub\\|file||0");
  EXPECT_EQ(splitPath("/only/dir/"), "/only/dir/|||0");
  // The input may be one of the outputs.
  ORVString name("archive.zip");
  ORVFileUtilities::ExtractExtensionFromFileName(name, name, extension, hasDot);
  EXPECT_EQ(Text(name) + "|" + Text(extension), "archive|zip");
}

TEST(ORVFileUtilities, ReplaceSeparatorsUnifiesBothKinds) {
  ORVString out;
  ORVFileUtilities::ReplaceSeparators("a/b\\c//d", '\\', out);
  EXPECT_EQ(Text(out), "a\\b\\c\\\\d");
  ORVString inPlace("x\\y");
  ORVFileUtilities::ReplaceSeparators(inPlace, '/', inPlace);
  EXPECT_EQ(Text(inPlace), "x/y");
  ORVFileUtilities::ReplaceSeparators("", '/', out);
  EXPECT_EQ(Text(out), "");
}

TEST(ORVFileUtilitiesDeathTest, OtherSeparatorIsFatal) {
  ORVString out;
  ExpectFatal([&] { ORVFileUtilities::ReplaceSeparators("a/b", ':', out); },
              "Separator values : and neither \\ nor /", kFile);
}

TEST(ORVFileUtilities, WindowsFileNamesRefuseControlAndForbiddenCharacters) {
  EXPECT_STREQ(ORVFileUtilities::GetWindowsFileNameForbiddenCharacters(), "\"?\\/<>*|:");
  for (const char* good : {"report 2024.txt", "", "caf\xC3\xA9\xFF"})
    EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName(good), 1u) << good;
  for (const char* bad : {"tab\there", "c:name", "\x1f"})
    EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName(bad), 0u) << bad;
  for (const char* forbidden = "\"?\\/<>*|:"; *forbidden; ++forbidden) {
    char name[] = {'a', *forbidden, 'b', '\0'};
    EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName(name), 0u) << *forbidden;
  }
}

TEST_F(ORVFileUtilitiesTest, FailingStreamOperationsNameTheFileAndTheSystemText) {
  ORVString missing(Path("no/such/file").c_str());
  FILE* file = reinterpret_cast<FILE*>(1);
  ExpectFileError(ORVFileUtilities::FileOpen(missing, "r", file), "0201",
                  {Text(missing), strerror(ENOENT)});
  EXPECT_EQ(file, nullptr);

  ORVString name(Path("data").c_str());
  WriteWholeFile(Text(name), "content\n");
  FILE* reading = fopen(Text(name).c_str(), "r");
  ExpectFileError(ORVFileUtilities::FilePutString("x", reading, name), "0203",
                  {Text(name), strerror(EBADF)});
  unsigned int done = 9;
  ExpectFileError(ORVFileUtilities::FileWrite("x", 1, 1, reading, done, name), "0212",
                  {Text(name), strerror(EBADF)});
  EXPECT_EQ(done, 0u);
  ExpectFileError(ORVFileUtilities::FileSeek(reading, 0, 99, name), "0210",
                  {Text(name), strerror(EINVAL)});
  fclose(reading);

  FILE* writing = fopen(Text(name).c_str(), "w");
  char buffer[16] = "untouched";
  unsigned int endOfFile = 0;
  ExpectFileError(ORVFileUtilities::FileGetString(buffer, sizeof buffer, writing, endOfFile, name),
                  "0205", {Text(name), strerror(EBADF)});
  EXPECT_EQ(endOfFile, 1u);
  EXPECT_STREQ(buffer, "");
  clearerr(writing);
  ExpectFileError(ORVFileUtilities::FileRead(buffer, 1, 4, writing, done, name), "0209",
                  {Text(name), strerror(EBADF)});
  close(fileno(writing));
  ExpectFileError(ORVFileUtilities::FileClose(writing, name), "0202",
                  {Text(name), strerror(EBADF)});

  int otherEnd = -1;
  FILE* pipeStream = PipeStream(&otherEnd);
  ASSERT_NE(pipeStream, nullptr);
  long position = 0;
  ExpectFileError(ORVFileUtilities::FileTell(pipeStream, position, "the pipe"), "0211",
                  {"the pipe", strerror(ESPIPE)});
  EXPECT_EQ(position, -1);
  fclose(pipeStream);
  close(otherEnd);
}

TEST_F(ORVFileUtilitiesTest, DirectoryOperationsAndTheirFailures) {
  ORVString directory(Path("dir").c_str());
  EXPECT_EQ(ORVFileUtilities::MkDir(directory, 0750), 0);
  struct stat status;
  ASSERT_EQ(stat(Text(directory).c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777 & ~0750, 0u);
  ExpectFileError(ORVFileUtilities::MkDir(directory, 0750), "0206",
                  {Text(directory), strerror(EEXIST)});

  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  EXPECT_EQ(ORVFileUtilities::ChDir(directory), 0);
  char now[4096];
  ASSERT_NE(getcwd(now, sizeof now), nullptr);
  ASSERT_EQ(chdir(here), 0);
  EXPECT_EQ(std::string(now).substr(std::string(now).rfind('/')), "/dir");
  ORVString missing(Path("absent").c_str());
  ExpectFileError(ORVFileUtilities::ChDir(missing), "0214", {Text(missing), strerror(ENOENT)});

  WriteWholeFile(Path("dir/inside"), "x");
  ExpectFileError(ORVFileUtilities::DirRemove(directory, 1), "0208",
                  {Text(directory), strerror(ENOTEMPTY)});
  EXPECT_EQ(ORVFileUtilities::DirRemove(missing, 1), 0);
  ExpectFileError(ORVFileUtilities::DirRemove(missing, 0), "0208",
                  {Text(missing), strerror(ENOENT)});
  EXPECT_EQ(ORVFileUtilities::FileRemove(Path("dir/inside").c_str(), 0), 0);
  EXPECT_EQ(ORVFileUtilities::DirRemove(directory, 0), 0);
  EXPECT_NE(stat(Text(directory).c_str(), &status), 0);
}

TEST_F(ORVFileUtilitiesTest, RemovingAMissingFileIsFineOnlyWhenAskedForAndRenameNamesBoth) {
  ORVString missing(Path("gone").c_str());
  EXPECT_EQ(ORVFileUtilities::FileRemove(missing, 1), 0);
  ExpectFileError(ORVFileUtilities::FileRemove(missing, 0), "0207",
                  {Text(missing), strerror(ENOENT)});
  // Missing is fine covers only a missing file, not other failures.
  WriteWholeFile(Path("plain"), "x");
  ORVString under(Path("plain/child").c_str());
  ExpectFileError(ORVFileUtilities::FileRemove(under, 1), "0207", {Text(under), strerror(ENOTDIR)});
  ORVString from(Path("from").c_str());
  ORVString to(Path("to").c_str());
  WriteWholeFile(Text(from), "x");
  EXPECT_EQ(ORVFileUtilities::Rename(from, to), 0);
  ExpectFileError(ORVFileUtilities::Rename(from, to), "0215",
                  {Text(from), Text(to), strerror(ENOENT)});
}

// A name holding a NUL is refused before the system sees its shorter C text.
TEST_F(ORVFileUtilitiesTest, NamesHoldingANulByteAreRefusedBeforeAnySystemCall) {
  auto withNul = [](const std::string& iBefore, const char* iAfter) {
    ORVString name(iBefore.c_str());
    name.Resize(name.GetLength() + 1, '\0', 0);
    name.Concat(iAfter, -1);
    return name;
  };
  WriteWholeFile(Path("keep"), "x");
  ORVString keep = withNul(Path("keep"), ".tmp");
  ORVString directory = withNul(Path("dir"), "x");
  ORVString other(Path("other").c_str());
  FILE* file = nullptr;
  unsigned int exists = 1, isLink = 1, isDirectory = 1;
  const long codes[] = {ORVFileUtilities::FileRemove(keep, 0),
                        ORVFileUtilities::FileRemove(keep, 1),
                        ORVFileUtilities::FileOpen(keep, "r", file),
                        ORVFileUtilities::Rename(keep, other),
                        ORVFileUtilities::Rename(other, keep),
                        ORVFileUtilities::ElementType(keep, exists, isLink, isDirectory),
                        ORVFileUtilities::MkDir(directory, 0700),
                        ORVFileUtilities::ChDir(directory),
                        ORVFileUtilities::DirRemove(directory, 1)};
  for (long code : codes)
    EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(ReadWholeFile(Path("keep")), "x");
  EXPECT_NE(access(Path("dir").c_str(), F_OK), 0);
}

TEST_F(ORVFileUtilitiesTest, ElementTypeTellsFilesDirectoriesAndLinksOrFails) {
  // The result, then whether the element exists, is a link, is a directory.
  auto type = [&](const std::string& iPath) {
    unsigned int exists = 9, isLink = 9, isDirectory = 9;
    long code = ORVFileUtilities::ElementType(iPath.c_str(), exists, isLink, isDirectory);
    return std::to_string(code) + " " + std::to_string(exists) + std::to_string(isLink) +
           std::to_string(isDirectory);
  };
  WriteWholeFile(Path("file"), "x");
  ASSERT_EQ(mkdir(Path("dir").c_str(), 0700), 0);
  ASSERT_EQ(symlink(Path("dir").c_str(), Path("linkToDir").c_str()), 0);
  ASSERT_EQ(symlink(Path("file").c_str(), Path("linkToFile").c_str()), 0);
  ASSERT_EQ(symlink(Path("missing").c_str(), Path("dangling").c_str()), 0);
  const char* const rows[][2] = {{"file", "0 100"},      {"dir", "0 101"},
                                 {"linkToDir", "0 111"}, {"linkToFile", "0 110"},
                                 {"dangling", "0 010"},  {"missing", "0 000"}};
  for (const auto& row : rows)
    EXPECT_EQ(type(Path(row[0])), row[1]) << row[0];
  // Other system errors fail.
  EXPECT_EQ(type(Path("file/child")), std::to_string(PEV_E_FAIL) + " 000");
  ExpectFileError(PEV_E_FAIL, "0213", {Path("file/child"), strerror(ENOTDIR)});
  std::string loop = Path("loop");
  ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0);
  EXPECT_EQ(type(loop).rfind(std::to_string(PEV_E_FAIL) + " ", 0), 0u);
  ExpectFileError(PEV_E_FAIL, "0213", {loop, strerror(ELOOP)});
}

TEST_F(ORVFileUtilitiesTest, CompareFileContentsFindsADifferenceInAnyPass) {
  // The answer for files of the given contents.
  auto same = [&](const std::vector<std::string>& iContents) {
    ORVVector paths(ORVReleaseElementsAtDelete);
    for (std::size_t i = 0; i < iContents.size(); ++i) {
      paths.Append(new ORVString(Path("f" + std::to_string(i)).c_str()));
      WriteWholeFile(Path("f" + std::to_string(i)), iContents[i]);
    }
    unsigned int answer = 9;
    EXPECT_EQ(ORVFileUtilities::CompareFileContents(paths, answer), 0);
    return answer;
  };
  std::string big(70000, 'a');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = (char)('a' + i % 26);
  std::string lastDiffers = big, secondPassDiffers = big;
  lastDiffers.back() = '#';
  secondPassDiffers[40000] = '#';
  std::string exactBlock = big.substr(0, 32000), exactBlockLastDiffers = exactBlock;
  exactBlockLastDiffers.back() = '#';
  const std::pair<std::vector<std::string>, unsigned int> rows[] = {
      {{"", ""}, 1u},
      {{"abc", "abd"}, 0u},
      {{"abc", "abcd"}, 0u},
      {{big, big, big}, 1u},
      {{big, big, lastDiffers}, 0u},
      {{big, secondPassDiffers}, 0u},
      {{exactBlock, exactBlock}, 1u},
      {{exactBlock, exactBlockLastDiffers}, 0u}};
  for (const auto& [contents, answer] : rows)
    EXPECT_EQ(same(contents), answer) << &contents - &rows[0].first;
  // The comparison stops at the first file that does not open.
  WriteWholeFile(Path("present"), "x");
  ORVVector paths(ORVReleaseElementsAtDelete);
  for (const char* name : {"present", "absent", "present"})
    paths.Append(new ORVString(Path(name).c_str()));
  unsigned int answer = 9;
  ExpectFileError(ORVFileUtilities::CompareFileContents(paths, answer), "0201",
                  {Path("absent"), strerror(ENOENT)});
}

TEST(ORVFileUtilitiesDeathTest, CompareFileContentsNeedsTwoStrings) {
  // The elements of the set: s a path, n null, x an object that is no string.
  const std::pair<const char*, const char*> rows[] = {
      {"", "NbFiles = 0 but it must be greater than 1"},
      {"s", "NbFiles = 1 but it must be greater than 1"},
      {"sn", "FilePathSet[1] == NULL"},
      {"ssx", "FilePathSet[2] == NULL"}};
  for (const auto& [elements, text] : rows)
    ExpectFatal(
        [&elements = elements] {
          ORVVector paths(ORVDoNothingAtDelete);
          for (const char* kind = elements; *kind; ++kind)
            paths.Append(*kind == 's'   ? new ORVString("a")
                         : *kind == 'x' ? static_cast<PEVBaseUnknown*>(new ORVTestShape("x"))
                                        : nullptr);
          unsigned int same = 0;
          ORVFileUtilities::CompareFileContents(paths, same);
        },
        text, kFile);
}
