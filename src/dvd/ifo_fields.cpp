#include "dvd/ifo_fields.h"

#include "dvd/playback_time.h"

namespace dvd {

namespace {

constexpr std::int64_t kPttSectorField = 0xC8;
constexpr std::int64_t kPgciSectorField = 0xCC;
constexpr std::int64_t kFirstChainStartField = 12;
constexpr std::int64_t kSearchPointerSize = 8;
constexpr std::int64_t kProgramCountField = 2;
constexpr std::int64_t kCellCountField = 3;
constexpr std::int64_t kChainPlaybackTimeField = 4;
constexpr std::int64_t kProgramMapOffsetField = 0xE6;
constexpr std::int64_t kCellTableOffsetField = 0xE8;
constexpr std::int64_t kCellEntrySize = 24;
constexpr std::int64_t kCellPlaybackTimeField = 4;

// 4-byte fields are read as signed numbers; pointers are unsigned.
std::int64_t ReadUnsigned32(const FileImage& image, std::int64_t position) {
  return static_cast<std::int64_t>(static_cast<std::uint32_t>(ReadBigEndian(image, position, 4)));
}

}  // namespace

std::int64_t ReadSectorOffset(const FileImage& image, std::int64_t field_position) {
  return ReadUnsigned32(image, field_position) * kSectorSize;
}

std::int32_t ReadTitleCount(const FileImage& image) {
  return ReadBigEndian(image, ReadSectorOffset(image, kPttSectorField), 2);
}

std::int64_t ReadProgramChainPosition(const FileImage& image, std::int32_t chain) {
  const std::int64_t pgci = ReadSectorOffset(image, kPgciSectorField);
  const std::int64_t pointer = pgci + kFirstChainStartField + kSearchPointerSize * (std::int64_t{chain} - 1);
  return pgci + ReadUnsigned32(image, pointer);
}

std::int32_t ReadProgramCount(const FileImage& image, std::int64_t chain_position) {
  return ReadBigEndian(image, chain_position + kProgramCountField, 1);
}

std::int32_t ReadCellCount(const FileImage& image, std::int64_t chain_position) {
  return ReadBigEndian(image, chain_position + kCellCountField, 1);
}

std::string ReadChainPlaybackTime(const FileImage& image, std::int64_t chain_position) {
  return ReadPlaybackTime(image, chain_position + kChainPlaybackTimeField);
}

IntArray ReadProgramMap(const FileImage& image, std::int64_t chain_position, std::int32_t program_count) {
  const std::int64_t offset = ReadBigEndian(image, chain_position + kProgramMapOffsetField, 2);
  return ReadByteArray(image, chain_position + offset, program_count);
}

std::int64_t ReadCellTablePosition(const FileImage& image, std::int64_t chain_position) {
  return chain_position + ReadBigEndian(image, chain_position + kCellTableOffsetField, 2);
}

std::string ReadCellPlaybackTime(const FileImage& image, std::int64_t cell_table_position, std::int32_t cell) {
  return ReadPlaybackTime(image,
                          cell_table_position + kCellEntrySize * (std::int64_t{cell} - 1) + kCellPlaybackTimeField);
}

}  // namespace dvd
