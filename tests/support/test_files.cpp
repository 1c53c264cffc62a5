#include "support/test_files.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace test_support {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  fs::path base = fs::temp_directory_path();
  for (;;) {
    fs::path candidate = base / ("tessella-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

fs::path SourcePath(const std::string& relative) { return fs::path(TESSELLA_SOURCE_DIR) / relative; }

fs::path CorpusPath() {
  fs::path corpus(TESSELLA_CORPUS_DIR);
  return fs::is_directory(corpus) ? corpus : fs::path();
}

}  // namespace test_support
