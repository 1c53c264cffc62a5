// The chapter starts of one DVD title: program chain n of a title set, one chapter per
// program, timed by summing the playback times of the cells before each program's entry
// cell.
#pragma once

#include <cstdint>
#include <string>

#include "chapters/chapter_time_list.h"
#include "dvd/file_image.h"

namespace dvd {

// The chapter starts of program chain `chain` (from 1) of the title-set file at
// `ifo_path` (UTF-8), as nanosecond timecodes from the start of the chain. The first
// entry is always "00:00:00.000000000". Programs are matched in map order, one per cell:
// a program whose entry cell is not after its predecessor's (or lies beyond the last
// cell) is never matched, and neither are the programs after it. The last program, when
// matched, becomes kShortChapterNotice unless the chain's playback time exceeds its start
// by more than 2 seconds.
// Fails with "Unable to open file "path"", "Stream read error" or a number conversion
// error of an undecodable playback time anywhere in the chain; no partial list.
chapters::ChapterTimeList ExtractDvdChapters(const std::string& ifo_path, std::int32_t chain);

// The same from a file image already in memory.
chapters::ChapterTimeList ExtractDvdChapters(const FileImage& image, std::int32_t chain);

}  // namespace dvd
