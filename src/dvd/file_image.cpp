#include "dvd/file_image.h"

#include "common/error.h"
#include "common/text.h"
#include "platform/platform.h"

namespace dvd {

namespace {

void CheckRange(const FileImage& image, std::int64_t position, std::int64_t count) {
  if (position < 0 || count < 0 || position > image.size() || count > image.size() - position) {
    throw common::Error("Stream read error");
  }
}

}  // namespace

FileImage FileImage::Load(const std::string& utf8_path) {
  std::string system_path = common::Utf8ToSystem(utf8_path);
  auto content = platform::ReadWholeFile(system_path);
  if (!content) throw common::Error("Unable to open file \"" + system_path + "\"");
  return FileImage(std::move(*content));
}

std::int32_t ReadBigEndian(const FileImage& image, std::int64_t position, int count) {
  CheckRange(image, position, count);
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) {
    value = (value << 8) | static_cast<unsigned char>(image.bytes()[static_cast<size_t>(position + i)]);
  }
  return static_cast<std::int32_t>(value);
}

IntArray ReadByteArray(const FileImage& image, std::int64_t position, std::int64_t count) {
  // An empty array reads nothing, so its position is never looked at.
  if (count == 0) return {};
  CheckRange(image, position, count);
  IntArray values;
  values.reserve(static_cast<size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    values.push_back(static_cast<unsigned char>(image.bytes()[static_cast<size_t>(position + i)]));
  }
  return values;
}

}  // namespace dvd
