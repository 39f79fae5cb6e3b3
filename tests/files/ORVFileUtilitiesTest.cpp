// Tests of ORVFileUtilities: path texts, each failing operation's error record (key and
// parameters), element types with links, file comparison in blocks, Windows names.
#include "ORVFileUtilities.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "FatalReport.h"
#include "ORVError.h"
#include "ORVGlobalObjectCleaner.h"
#include "ORVParamNLSMsgBldrCtlg.h"
#include "ORVString.h"
#include "ORVVector.h"
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

  // iCode failed with the library's error for ORVBC iKey and the given parameters.
  static void ExpectFileError(long iCode, const char* iKey,
                              const std::vector<std::string>& iParameters) {
    ASSERT_EQ(iCode, PEV_E_FAIL);
    PEVError* last = PEVError::PEVGetLastError(iCode, nullptr);
    ASSERT_NE(last, nullptr);
    auto* error = ORVCheckedCast<ORVError>(last);
    EXPECT_EQ(error->GetInformationOnErrorType(), PEVErrorTypeCritical);
    EXPECT_FALSE(error->GetHRequestBldr());
    EXPECT_FALSE(error->GetHAdviceBldr());
    char* source = nullptr;
    error->GetSourceFileName(&source);
    EXPECT_STREQ(source, kFile);
    ASSERT_TRUE(error->GetHDiagnosticBldr());
    auto* diagnostic = ORVCheckedCast<ORVParamNLSMsgBldrCtlg>(error->GetHDiagnosticBldr().Get());
    EXPECT_STREQ(diagnostic->GetMsgCatalogName(), "ORVBC");
    EXPECT_STREQ(diagnostic->GetMsgId(), iKey);
    ASSERT_EQ(diagnostic->GetNbParameters(), (int)iParameters.size());
    for (std::size_t i = 0; i < iParameters.size(); ++i)
      EXPECT_EQ(diagnostic->GetParameter((int)i).ConvertToChar().GetChars(), iParameters[i])
          << iKey << " parameter " << i;
    // The shipped text takes exactly these parameters.
    std::string built = error->GetNLSDiagnostic().ConvertToChar().GetChars();
    EXPECT_EQ(built.find("!!!"), std::string::npos) << built;
    EXPECT_NE(built.find(iParameters[0]), std::string::npos) << built;
    last->Release();
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
  EXPECT_EQ(ORVFileUtilities::ComparePath("a/b", "a\\b"), 1u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("a/b", "axb"), 1u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("axb", "a/b"), 1u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("a/b", "a/bc"), 0u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("a/bc", "a/b"), 0u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("a/b", "A/b"), 0u);
  EXPECT_EQ(ORVFileUtilities::ComparePath("", ""), 1u);
}

TEST(ORVFileUtilities, ExtractExtensionCutsAtTheLastDot) {
  ORVString base, extension;
  unsigned int hasDot = 9;
  ORVFileUtilities::ExtractExtensionFromFileName("y.tar.gz", base, extension, hasDot);
  EXPECT_EQ(Text(base), "y.tar");
  EXPECT_EQ(Text(extension), "gz");
  EXPECT_EQ(hasDot, 1u);
  ORVFileUtilities::ExtractExtensionFromFileName("name.", base, extension, hasDot);
  EXPECT_EQ(Text(base), "name");
  EXPECT_EQ(Text(extension), "");
  EXPECT_EQ(hasDot, 1u);
  ORVFileUtilities::ExtractExtensionFromFileName("README", base, extension, hasDot);
  EXPECT_EQ(Text(base), "README");
  EXPECT_EQ(Text(extension), "");
  EXPECT_EQ(hasDot, 0u);
  ORVFileUtilities::ExtractExtensionFromFileName("", base, extension, hasDot);
  EXPECT_EQ(Text(base), "");
  EXPECT_EQ(hasDot, 0u);

  // The input may be one of the outputs.
  ORVString name("archive.zip");
  ORVFileUtilities::ExtractExtensionFromFileName(name, name, extension, hasDot);
  EXPECT_EQ(Text(name), "archive");
  EXPECT_EQ(Text(extension), "zip");
}

TEST(ORVFileUtilities, ExtractPathKeepsTheLastSeparator) {
  ORVString path, base, extension;
  unsigned int hasDot = 9;
  ORVFileUtilities::ExtractPathAndExtFromFileFullPath("/x/y.tar.gz", path, base, extension, hasDot);
  EXPECT_EQ(Text(path), "/x/");
  EXPECT_EQ(Text(base), "y.tar");
  EXPECT_EQ(Text(extension), "gz");
  EXPECT_EQ(hasDot, 1u);
  ORVFileUtilities::ExtractPathAndExtFromFileFullPath(".profile", path, base, extension, hasDot);
  EXPECT_EQ(Text(path), "");
  EXPECT_EQ(Text(base), "");
  EXPECT_EQ(Text(extension), "profile");
  EXPECT_EQ(hasDot, 1u);
  ORVFileUtilities::ExtractPathAndExtFromFileFullPath("c:\\dir.d/sub\\file", path, base, extension,
                                                      hasDot);
  EXPECT_EQ(Text(path), "c:\\dir.d/sub\\");
  EXPECT_EQ(Text(base), "file");
  EXPECT_EQ(hasDot, 0u);
  ORVFileUtilities::ExtractPathAndExtFromFileFullPath("/only/dir/", path, base, extension, hasDot);
  EXPECT_EQ(Text(path), "/only/dir/");
  EXPECT_EQ(Text(base), "");
  EXPECT_EQ(hasDot, 0u);
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
  EXPECT_EXIT(
      {
        ORVGlobalObjectCleaner cleaner;
        ORVString out;
        ORVFileUtilities::ReplaceSeparators("a/b", ':', out);
      },
      testing::ExitedWithCode(255),
      FatalReportPattern("Separator values : and neither \\ nor /", kFile));
}

TEST(ORVFileUtilities, WindowsFileNamesRefuseControlAndForbiddenCharacters) {
  EXPECT_STREQ(ORVFileUtilities::GetWindowsFileNameForbiddenCharacters(), "\"?\\/<>*|:");
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName("report 2024.txt"), 1u);
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName(""), 1u);
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName("caf\xC3\xA9\xFF"), 1u);
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName("tab\there"), 0u);
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName("c:name"), 0u);
  EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName("\x1f"), 0u);
  for (const char* forbidden = "\"?\\/<>*|:"; *forbidden; ++forbidden) {
    char name[] = {'a', *forbidden, 'b', '\0'};
    EXPECT_EQ(ORVFileUtilities::CheckWindowsFileName(name), 0u) << *forbidden;
  }
}

TEST_F(ORVFileUtilitiesTest, OpenWriteReadAndCloseSucceed) {
  ORVString name(Path("text").c_str());
  FILE* file = nullptr;
  ASSERT_EQ(ORVFileUtilities::FileOpen(name, "w", file), 0);
  EXPECT_EQ(ORVFileUtilities::FilePutString("line one\nline", file, name), 0);
  unsigned int done = 0;
  EXPECT_EQ(ORVFileUtilities::FileWrite(" two\n", 1, 5, file, done, name), 0);
  EXPECT_EQ(done, 5u);
  long position = 0;
  EXPECT_EQ(ORVFileUtilities::FileTell(file, position, name), 0);
  EXPECT_EQ(position, 18);
  EXPECT_EQ(ORVFileUtilities::FileClose(file, name), 0);

  ASSERT_EQ(ORVFileUtilities::FileOpen(name, "r", file), 0);
  char buffer[64];
  unsigned int endOfFile = 9;
  EXPECT_EQ(ORVFileUtilities::FileGetString(buffer, sizeof buffer, file, endOfFile, name), 0);
  EXPECT_STREQ(buffer, "line one\n");
  EXPECT_EQ(endOfFile, 0u);
  EXPECT_EQ(ORVFileUtilities::FileSeek(file, 5, SEEK_SET, name), 0);
  EXPECT_EQ(ORVFileUtilities::FileRead(buffer, 1, 3, file, done, name), 0);
  EXPECT_EQ(std::string(buffer, 3), "one");
  EXPECT_EQ(ORVFileUtilities::FileSeek(file, 0, SEEK_END, name), 0);
  EXPECT_EQ(ORVFileUtilities::FileRead(buffer, 1, 3, file, done, name), 0);
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(ORVFileUtilities::FileGetString(buffer, sizeof buffer, file, endOfFile, name), 0);
  EXPECT_EQ(endOfFile, 1u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(ORVFileUtilities::FileClose(file, name), 0);
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

TEST_F(ORVFileUtilitiesTest, RemovingAMissingFileIsFineOnlyWhenAskedFor) {
  ORVString missing(Path("gone").c_str());
  EXPECT_EQ(ORVFileUtilities::FileRemove(missing, 1), 0);
  ExpectFileError(ORVFileUtilities::FileRemove(missing, 0), "0207",
                  {Text(missing), strerror(ENOENT)});
  // Missing is fine covers only a missing file, not other failures.
  WriteWholeFile(Path("plain"), "x");
  ORVString under(Path("plain/child").c_str());
  ExpectFileError(ORVFileUtilities::FileRemove(under, 1), "0207", {Text(under), strerror(ENOTDIR)});
}

TEST_F(ORVFileUtilitiesTest, RenameNamesBothFiles) {
  ORVString from(Path("from").c_str());
  ORVString to(Path("to").c_str());
  WriteWholeFile(Text(from), "x");
  EXPECT_EQ(ORVFileUtilities::Rename(from, to), 0);
  ExpectFileError(ORVFileUtilities::Rename(from, to), "0215",
                  {Text(from), Text(to), strerror(ENOENT)});
}

TEST_F(ORVFileUtilitiesTest, ElementTypeTellsFilesDirectoriesAndLinks) {
  struct Case {
    std::string _Name;
    unsigned int _Exists, _IsLink, _IsDirectory;
  };
  WriteWholeFile(Path("file"), "x");
  ASSERT_EQ(mkdir(Path("dir").c_str(), 0700), 0);
  ASSERT_EQ(symlink(Path("dir").c_str(), Path("linkToDir").c_str()), 0);
  ASSERT_EQ(symlink(Path("file").c_str(), Path("linkToFile").c_str()), 0);
  ASSERT_EQ(symlink(Path("missing").c_str(), Path("dangling").c_str()), 0);
  for (const Case& element :
       {Case{"file", 1, 0, 0}, Case{"dir", 1, 0, 1}, Case{"linkToDir", 1, 1, 1},
        Case{"linkToFile", 1, 1, 0}, Case{"dangling", 0, 1, 0}, Case{"missing", 0, 0, 0}}) {
    unsigned int exists = 9, isLink = 9, isDirectory = 9;
    EXPECT_EQ(ORVFileUtilities::ElementType(Path(element._Name.c_str()).c_str(), exists, isLink,
                                            isDirectory),
              0)
        << element._Name;
    EXPECT_EQ(exists, element._Exists) << element._Name;
    EXPECT_EQ(isLink, element._IsLink) << element._Name;
    EXPECT_EQ(isDirectory, element._IsDirectory) << element._Name;
  }
}

TEST_F(ORVFileUtilitiesTest, ElementTypeFailsOnOtherSystemErrors) {
  WriteWholeFile(Path("file"), "x");
  ORVString under(Path("file/child").c_str());
  unsigned int exists = 9, isLink = 9, isDirectory = 9;
  ExpectFileError(ORVFileUtilities::ElementType(under, exists, isLink, isDirectory), "0213",
                  {Text(under), strerror(ENOTDIR)});
  EXPECT_EQ(exists + isLink + isDirectory, 0u);

  ORVString loop(Path("loop").c_str());
  ASSERT_EQ(symlink(Text(loop).c_str(), Text(loop).c_str()), 0);
  ExpectFileError(ORVFileUtilities::ElementType(loop, exists, isLink, isDirectory), "0213",
                  {Text(loop), strerror(ELOOP)});
}

namespace {

// A vector of the paths, which it releases at its end.
struct PathSet {
  explicit PathSet(const std::vector<std::string>& iPaths) {
    for (const std::string& path : iPaths)
      _Paths.Append(new ORVString(path.c_str()));
  }
  ORVVector _Paths{ORVReleaseElementsAtDelete};
};

}  // namespace

TEST_F(ORVFileUtilitiesTest, CompareFileContentsFindsADifferenceInAnyPass) {
  std::string big(70000, 'a');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = (char)('a' + i % 26);
  std::string lastDiffers = big;
  lastDiffers.back() = '#';
  std::string secondPassDiffers = big;
  secondPassDiffers[40000] = '#';
  std::string exactBlock = big.substr(0, 32000);
  std::string exactBlockLastDiffers = exactBlock;
  exactBlockLastDiffers.back() = '#';
  struct Case {
    std::vector<std::string> _Contents;
    unsigned int _Same;
  };
  for (const Case& comparison :
       {Case{{"", ""}, 1}, Case{{"abc", "abd"}, 0}, Case{{"abc", "abcd"}, 0},
        Case{{big, big, big}, 1}, Case{{big, big, lastDiffers}, 0},
        Case{{big, secondPassDiffers}, 0}, Case{{exactBlock, exactBlock}, 1},
        Case{{exactBlock, exactBlockLastDiffers}, 0}}) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < comparison._Contents.size(); ++i) {
      paths.push_back(Path(("f" + std::to_string(i)).c_str()));
      WriteWholeFile(paths.back(), comparison._Contents[i]);
    }
    PathSet set(paths);
    unsigned int same = 9;
    EXPECT_EQ(ORVFileUtilities::CompareFileContents(set._Paths, same), 0);
    EXPECT_EQ(same, comparison._Same) << comparison._Contents[0].size() << " bytes";
  }
}

TEST_F(ORVFileUtilitiesTest, CompareFileContentsStopsAtTheFirstFileThatDoesNotOpen) {
  WriteWholeFile(Path("present"), "x");
  PathSet set({Path("present"), Path("absent"), Path("present")});
  unsigned int same = 9;
  ExpectFileError(ORVFileUtilities::CompareFileContents(set._Paths, same), "0201",
                  {Path("absent"), strerror(ENOENT)});
}

TEST(ORVFileUtilitiesDeathTest, CompareFileContentsNeedsTwoStrings) {
  auto expectFatal = [](const std::function<void(ORVVector&)>& iFill, const std::string& iText) {
    EXPECT_EXIT(
        {
          ORVGlobalObjectCleaner cleaner;
          ORVVector paths(ORVDoNothingAtDelete);
          iFill(paths);
          unsigned int same = 0;
          ORVFileUtilities::CompareFileContents(paths, same);
        },
        testing::ExitedWithCode(255), FatalReportPattern(iText, kFile));
  };
  expectFatal([](ORVVector&) {}, "NbFiles = 0 but it must be greater than 1");
  expectFatal([](ORVVector& ioPaths) { ioPaths.Append(new ORVString("a")); },
              "NbFiles = 1 but it must be greater than 1");
  expectFatal(
      [](ORVVector& ioPaths) {
        ioPaths.Append(new ORVString("a"));
        ioPaths.Append(nullptr);
      },
      "FilePathSet[1] == NULL");
  expectFatal(
      [](ORVVector& ioPaths) {
        ioPaths.Append(new ORVString("a"));
        ioPaths.Append(new ORVString("b"));
        ioPaths.Append(new ORVTestShape("not a path"));
      },
      "FilePathSet[2] == NULL");
}
