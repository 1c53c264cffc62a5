// Files and folders for tests: a temporary folder removed at the end, and whole-file
// reads and writes.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

// A new empty folder below the system's temporary folder, removed with its content when
// the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `relative` below the folder, as text.
  std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
// Writes the bytes, creating missing parent folders.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A file of the source tree (tests/e2e/expected/..., samples/...).
std::filesystem::path SourcePath(const std::string& relative);

// The folder of established tools' readings and real disc files; empty when absent.
std::filesystem::path CorpusPath();

}  // namespace test_support
