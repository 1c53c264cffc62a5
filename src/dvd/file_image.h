// A DVD or Blu-ray navigation file, read whole into memory, with bounds-checked reads of
// its big-endian fields at absolute byte offsets.
#pragma once

#include <cstdint>
#include <utility>
#include <string>
#include <vector>

namespace dvd {

// A dynamic array of 32-bit signed integers (a program map: one entry cell per program).
using IntArray = std::vector<std::int32_t>;

class FileImage {
 public:
  // Reads the whole file (path in UTF-8). Fails with "Unable to open file "path"", the
  // path in the system code page.
  static FileImage Load(const std::string& utf8_path);
  explicit FileImage(std::string bytes) : bytes_(std::move(bytes)) {}

  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The `count` bytes (1, 2 or 4) at `position`, most significant first. A 4-byte value of
// 2^31 or more comes back negative. Positions are 64-bit so that offsets built from file
// fields cannot overflow; a read outside the image fails with "Stream read error".
std::int32_t ReadBigEndian(const FileImage& image, std::int64_t position, int count);

// `count` unsigned bytes from `position`; count 0 reads nothing, wherever the position
// lies. "Stream read error" outside the image.
IntArray ReadByteArray(const FileImage& image, std::int64_t position, std::int64_t count);

}  // namespace dvd
