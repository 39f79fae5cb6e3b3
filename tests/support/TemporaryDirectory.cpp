#include "TemporaryDirectory.h"

#include <ftw.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

TemporaryDirectory::TemporaryDirectory() {
  char pattern[] = "/tmp/orv-test-XXXXXX";
  if (mkdtemp(pattern)) _Path = pattern;
  EXPECT_FALSE(_Path.empty()) << "cannot make a temporary directory";
}

TemporaryDirectory::~TemporaryDirectory() {
  if (_Path.empty()) return;
  // Depth first, without following links out of the directory.
  auto remove = [](const char* iPath, const struct stat*, int, struct FTW*) {
    return ::remove(iPath);
  };
  EXPECT_EQ(nftw(_Path.c_str(), remove, 16, FTW_DEPTH | FTW_PHYS), 0) << _Path;
}

void WriteWholeFile(const std::string& iPath, const std::string& iContent) {
  FILE* file = fopen(iPath.c_str(), "wb");
  ASSERT_NE(file, nullptr) << iPath;
  EXPECT_EQ(fwrite(iContent.data(), 1, iContent.size(), file), iContent.size());
  EXPECT_EQ(fclose(file), 0);
}

std::string ReadWholeFile(const std::string& iPath) {
  FILE* file = fopen(iPath.c_str(), "rb");
  if (!file) return "<missing>";
  std::string content = ReadStream(file);
  fclose(file);
  return content;
}

std::string ReadStream(FILE* iFile) {
  std::string content;
  rewind(iFile);
  char buffer[4096];
  std::size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, iFile)) > 0)
    content.append(buffer, count);
  return content;
}
