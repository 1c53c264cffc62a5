#include "dvd/chapter_extraction.h"

#include "chapters/timecode.h"
#include "dvd/ifo_fields.h"

namespace dvd {

namespace {

// A last chapter must last longer than this to be kept.
constexpr double kShortestLastChapter = 2.0;

}  // namespace

chapters::ChapterTimeList ExtractDvdChapters(const std::string& ifo_path, std::int32_t chain) {
  return ExtractDvdChapters(FileImage::Load(ifo_path), chain);
}

chapters::ChapterTimeList ExtractDvdChapters(const FileImage& image, std::int32_t chain) {
  const std::int64_t chain_position = ReadProgramChainPosition(image, chain);
  const std::int32_t program_count = ReadProgramCount(image, chain_position);
  const std::int32_t cell_count = ReadCellCount(image, chain_position);
  const IntArray program_map = ReadProgramMap(image, chain_position, program_count);
  const std::int64_t cell_table = ReadCellTablePosition(image, chain_position);
  // Decoded before anything else, so an undecodable chain time fails every title.
  const double total = chapters::TimecodeToSeconds(ReadChainPlaybackTime(image, chain_position));

  chapters::ChapterTimeList list{std::string(chapters::kZeroTimecode)};
  double running = 0.0;
  std::int32_t awaited = 1;  // index into the program map; the first program starts at zero
  for (std::int32_t cell = 1; cell <= cell_count; ++cell) {
    if (awaited < program_count && program_map[static_cast<size_t>(awaited)] == cell) {
      const bool last_program = awaited + 1 == program_count;
      if (!last_program || total > running + kShortestLastChapter) {
        list.push_back(chapters::SecondsToTimecode(running));
      } else {
        list.emplace_back(chapters::kShortChapterNotice);
      }
      ++awaited;
    }
    running += chapters::TimecodeToSeconds(ReadCellPlaybackTime(image, cell_table, cell));
  }
  return list;
}

}  // namespace dvd
