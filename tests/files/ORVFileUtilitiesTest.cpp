// Tests of ORVFileUtilities: path texts, each failing operation's error record (key and
// parameters), element types with links, file comparison in blocks, Windows names.
#include "ORVFileUtilities.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <deque>

#include "ErrorRecord.h"
#include "ORVError.h"
#include "ORVVector.h"
#include "SuiteHelpers.h"
#include "TemporaryDirectory.h"
#include "TestClasses.h"
#include "TestStrings.h"

namespace {

using U = ORVFileUtilities;
const char kFile[] = "src/ORVFileUtilities.cpp";

// A temporary directory for the files of one test; the last error is forgotten after it.
class ORVFileUtilitiesTest : public TemporaryDirectoryTest {
protected:
  void TearDown() override { PEVError::PEVCleanLastError(); }
  // The path of iName in the directory, valid for the whole test.
  const char* P(const char* iName) { return _Names.emplace_back(Path(iName)).c_str(); }

  // iCode failed with the library's error for ORVBC iKey, the parameters iNames then the
  // system text of iErrno; its text builds without a fallback marker.
  static void Fails(long iCode, const char* iKey, std::vector<std::string> iNames, int iErrno) {
    ASSERT_EQ(iCode, PEV_E_FAIL);
    iNames.push_back(strerror(iErrno));
    std::string diagnostic = iKey;
    for (std::size_t i = 0; i < iNames.size(); ++i)
      diagnostic += (i == 0 ? ": " : " | ") + iNames[i];
    EXPECT_EQ(DescribeLastError(iCode), std::string("type 1 in ") + kFile +
                                            "; request <none>; diagnostic ORVBC " + diagnostic +
                                            "; advice <none>");
    EXPECT_EQ(LastErrorText(iCode).find("!!!"), std::string::npos) << LastErrorText(iCode);
  }
  std::deque<std::string> _Names;
};

}  // namespace

TEST(ORVFileUtilities, PathTextsComparedSplitWithSeparatorsReplacedAndCheckedAsWindowsNames) {
  // ComparePath takes a separator as a wildcard.
  const std::tuple<const char*, const char*, unsigned int> rows[] = {
      {"a/b", "a\\b", 1}, {"a/b", "axb", 1}, {"axb", "a/b", 1}, {"a/b", "a/bc", 0},
      {"a/bc", "a/b", 0}, {"a/b", "A/b", 0}, {"", "", 1}};
  for (const auto& [first, second, same] : rows)
    EXPECT_EQ(U::ComparePath(first, second), same) << first << " " << second;
  // The splits cut at the last dot and keep the last separator; with the path when full.
  const std::tuple<bool, const char*, const char*> splits[] = {
      {0, "y.tar.gz", "y.tar|gz|1"},        {0, "name.", "name||1"},
      {0, "README", "README||0"},           {0, "", "||0"},
      {1, "/x/y.tar.gz", "/x/|y.tar|gz|1"}, {1, ".profile", "||profile|1"},
      {1, "/only/dir/", "/only/dir/|||0"},  {1, "c:\\dir.d/sub\\file", "c:\\dir.d/sub\\|file||0"}};
  ORVString path, base, ext;
  unsigned int dot = 9;
  for (const auto& [full, name, parts] : splits) {
    if (full) U::ExtractPathAndExtFromFileFullPath(name, path, base, ext, dot);
    if (!full) U::ExtractExtensionFromFileName(name, base, ext, dot);
    EXPECT_EQ((full ? ValueOf(path) + "|" : "") + ValueOf(base) + "|" + ValueOf(ext) + "|" +
                  std::to_string(dot),
              parts);
  }
  ORVString name("archive.zip"), separated("x\\y");  // the input may be one of the outputs
  U::ExtractExtensionFromFileName(name, name, ext, dot);
  U::ReplaceSeparators(separated, '/', separated);
  EXPECT_EQ(ValueOf(name) + "|" + ValueOf(ext) + "|" + ValueOf(separated), "archive|zip|x/y");
  U::ReplaceSeparators("a/b\\c//d", '\\', path);
  EXPECT_EQ(ValueOf(path), "a\\b\\c\\\\d");
  U::ReplaceSeparators("", '/', path);
  EXPECT_EQ(ValueOf(path), "");
  // Windows file names refuse control and forbidden characters.
  EXPECT_STREQ(U::GetWindowsFileNameForbiddenCharacters(), "\"?\\/<>*|:");
  for (const char* good : {"report 2024.txt", "", "caf\xC3\xA9\xFF"})
    EXPECT_EQ(U::CheckWindowsFileName(good), 1u) << good;
  std::vector<std::string> bad = {"tab\there", "\x1f"};
  for (char forbidden : std::string(U::GetWindowsFileNameForbiddenCharacters()))
    bad.push_back(std::string("a") + forbidden + "b");
  for (const std::string& name : bad)
    EXPECT_EQ(U::CheckWindowsFileName(name.c_str()), 0u) << name;
}

TEST_F(ORVFileUtilitiesTest, StreamDirectoryAndRemovalOperationsOrTheirFailuresNamingTheFiles) {
  const char *name = P("data"), *missing = P("no/such/file");
  FILE* file = reinterpret_cast<FILE*>(1);
  Fails(U::FileOpen(missing, "r", file), "0201", {missing}, ENOENT);
  EXPECT_EQ(file, nullptr);
  WriteWholeFile(name, "content\n");
  file = fopen(name, "r");
  unsigned int done = 9;
  Fails(U::FilePutString("x", file, name), "0203", {name}, EBADF);
  Fails(U::FileWrite("x", 1, 1, file, done, name), "0212", {name}, EBADF);
  EXPECT_EQ(done, 0u);
  Fails(U::FileSeek(file, 0, 99, name), "0210", {name}, EINVAL);
  fclose(file);
  file = fopen(name, "w");
  char buffer[16] = "untouched";
  Fails(U::FileGetString(buffer, sizeof buffer, file, done, name), "0205", {name}, EBADF);
  EXPECT_EQ(done, 1u);  // at the end of the file
  EXPECT_STREQ(buffer, "");
  clearerr(file);
  Fails(U::FileRead(buffer, 1, 4, file, done, name), "0209", {name}, EBADF);
  close(fileno(file));  // no position and no closing without a descriptor
  long position = 0;
  Fails(U::FileTell(file, position, name), "0211", {name}, EBADF);
  EXPECT_EQ(position, -1);
  Fails(U::FileClose(file, name), "0202", {name}, EBADF);
  const char* dir = P("dir");
  EXPECT_EQ(U::MkDir(dir, 0750), 0);
  struct stat status;
  ASSERT_EQ(stat(dir, &status), 0);
  EXPECT_EQ(status.st_mode & 0777 & ~0750, 0u);
  Fails(U::MkDir(dir, 0750), "0206", {dir}, EEXIST);
  WriteWholeFile(P("dir/inside"), "x");
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  EXPECT_EQ(U::ChDir(dir), 0);
  EXPECT_EQ(access("inside", F_OK), 0);
  ASSERT_EQ(chdir(here), 0);
  Fails(U::ChDir(missing), "0214", {missing}, ENOENT);
  Fails(U::DirRemove(dir, 1), "0208", {dir}, ENOTEMPTY);
  Fails(U::DirRemove(missing, 0), "0208", {missing}, ENOENT);
  Fails(U::FileRemove(missing, 0), "0207", {missing}, ENOENT);
  // A missing element is fine when asked; the emptied directory is gone.
  EXPECT_EQ(std::vector<long>({U::DirRemove(missing, 1), U::FileRemove(missing, 1),
                               U::FileRemove(P("dir/inside"), 0), U::DirRemove(dir, 0),
                               access(dir, F_OK)}),
            std::vector<long>({0, 0, 0, 0, -1}));
  // Missing is fine covers only a missing file, not other failures.
  WriteWholeFile(P("plain"), "x");
  Fails(U::FileRemove(P("plain/child"), 1), "0207", {P("plain/child")}, ENOTDIR);
  EXPECT_EQ(U::Rename(P("plain"), P("to")), 0);
  Fails(U::Rename(P("plain"), P("to")), "0215", {P("plain"), P("to")}, ENOENT);
}

// A name holding a NUL is refused before the system sees its shorter C text.
TEST_F(ORVFileUtilitiesTest, NamesHoldingANulByteAreRefusedBeforeAnySystemCall) {
  WriteWholeFile(P("keep"), "x");
  ORVString keep = MakeString(Path("keep") + '\0' + ".tmp"),
            dir = MakeString(Path("dir") + '\0' + "x");
  FILE* file = nullptr;
  unsigned int exists = 1, isLink = 1, isDirectory = 1;
  for (long code : {U::FileRemove(keep, 0), U::FileRemove(keep, 1), U::FileOpen(keep, "r", file),
                    U::Rename(keep, P("other")), U::Rename(P("other"), keep),
                    U::ElementType(keep, exists, isLink, isDirectory), U::MkDir(dir, 0700),
                    U::ChDir(dir), U::DirRemove(dir, 1)})
    EXPECT_EQ(code, PEV_E_FAIL);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(ReadWholeFile(P("keep")), "x");
  EXPECT_NE(access(P("dir"), F_OK), 0);
}

TEST_F(ORVFileUtilitiesTest, ElementTypeTellsFilesDirectoriesAndLinksOrFails) {
  // The result, then whether the element exists, is a link, is a directory.
  auto type = [&](const char* iPath) {
    unsigned int exists = 9, isLink = 9, isDirectory = 9;
    long code = U::ElementType(iPath, exists, isLink, isDirectory);
    return std::to_string(code) + " " + std::to_string(exists * 100 + isLink * 10 + isDirectory);
  };
  WriteWholeFile(P("file"), "x");
  ASSERT_EQ(mkdir(P("dir"), 0700), 0);
  ASSERT_EQ(symlink(P("dir"), P("linkToDir")), 0);
  ASSERT_EQ(symlink(P("file"), P("linkToFile")), 0);
  ASSERT_EQ(symlink(P("missing"), P("dangling")), 0);
  ASSERT_EQ(symlink(P("loop"), P("loop")), 0);
  const char* const rows[][2] = {{"file", "0 100"},      {"dir", "0 101"},
                                 {"linkToDir", "0 111"}, {"linkToFile", "0 110"},
                                 {"dangling", "0 10"},   {"missing", "0 0"}};
  for (const auto& row : rows)
    EXPECT_EQ(type(P(row[0])), row[1]) << row[0];
  // Other system errors fail.
  EXPECT_EQ(type(P("file/child")), std::to_string(PEV_E_FAIL) + " 0");
  Fails(PEV_E_FAIL, "0213", {P("file/child")}, ENOTDIR);
  EXPECT_EQ(type(P("loop")).rfind(std::to_string(PEV_E_FAIL) + " ", 0), 0u);
  Fails(PEV_E_FAIL, "0213", {P("loop")}, ELOOP);
}

TEST_F(ORVFileUtilitiesTest, CompareFileContentsFindsADifferenceInAnyPass) {
  // The answer for files of the given contents.
  auto same = [&](const std::vector<std::string>& iContents) {
    ORVVector paths(ORVReleaseElementsAtDelete);
    for (std::size_t i = 0; i < iContents.size(); ++i) {
      paths.Append(new ORVString(P(("f" + std::to_string(i)).c_str())));
      WriteWholeFile(_Names.back(), iContents[i]);
    }
    unsigned int answer = 9;
    EXPECT_EQ(U::CompareFileContents(paths, answer), 0);
    return answer;
  };
  std::string big(70000, 'a');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = (char)('a' + i % 26);
  std::string lastDiffers = big, secondPassDiffers = big, block = big.substr(0, 32000);
  std::string blockLastDiffers = block;
  lastDiffers.back() = blockLastDiffers.back() = '#';
  secondPassDiffers[40000] = '#';
  const std::pair<std::vector<std::string>, unsigned int> rows[] = {
      {{"", ""}, 1u},        {{"abc", "abd"}, 0u},           {{"abc", "abcd"}, 0u},
      {{big, big, big}, 1u}, {{big, big, lastDiffers}, 0u},  {{big, secondPassDiffers}, 0u},
      {{block, block}, 1u},  {{block, blockLastDiffers}, 0u}};
  for (const auto& [contents, answer] : rows)
    EXPECT_EQ(same(contents), answer) << &contents - &rows[0].first;
  // The comparison stops at the first file that does not open.
  WriteWholeFile(P("present"), "x");
  ORVVector paths(ORVReleaseElementsAtDelete);
  for (const char* name : {"present", "absent", "present"})
    paths.Append(new ORVString(P(name)));
  unsigned int answer = 9;
  Fails(U::CompareFileContents(paths, answer), "0201", {P("absent")}, ENOENT);
}

TEST(ORVFileUtilitiesDeathTest, OtherSeparatorsAndCompareFileContentsWithoutTwoStringsAreFatal) {
  ORVString out;
  ExpectFatal([&] { U::ReplaceSeparators("a/b", ':', out); },
              "Separator values : and neither \\ nor /", kFile);
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
          U::CompareFileContents(paths, same);
        },
        text, kFile);
}
