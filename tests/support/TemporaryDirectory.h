// TemporaryDirectory.h - a scratch directory for the files of one test, and file helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// Made under /tmp on construction, removed with everything in it on destruction.
class TemporaryDirectory {
public:
  TemporaryDirectory();
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::string& GetPath() const { return _Path; }
  std::string Path(const std::string& iName) const { return _Path + "/" + iName; }

private:
  std::string _Path;
};

// Writes iContent as the whole file at iPath.
void WriteWholeFile(const std::string& iPath, const std::string& iContent);
// The whole content of the file at iPath, or "<missing>" when it cannot be opened.
std::string ReadWholeFile(const std::string& iPath);
// The whole content of the open stream iFile from its start; the stream stays open.
std::string ReadStream(FILE* iFile);

// A test whose files live in their own temporary directory.
class TemporaryDirectoryTest : public testing::Test {
protected:
  std::string Path(const std::string& iName) const { return _Directory.Path(iName); }

  TemporaryDirectory _Directory;
};
