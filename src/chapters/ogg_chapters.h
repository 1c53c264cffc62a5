// OGG chapter text: two CR LF lines per chapter, "CHAPTERnn=HH:MM:SS.mmm" and
// "CHAPTERnnNAME=name", numbers with at least two digits, names in UTF-8.
#pragma once

#include <string>
#include <vector>

#include "chapters/chapter_time_list.h"

namespace chapters {

struct OggChapter {
  int number;
  std::string time;  // millisecond timecode
  std::string name;  // UTF-8, possibly empty
};

// The chapters of a disc's chapter list: numbered by their position (from 0), notices
// left out but counted, entry k named names[k] when the names list is long enough.
std::vector<OggChapter> OggChaptersFromList(const ChapterTimeList& list,
                                            const std::vector<std::string>& names = {});

// The bytes of an OGG chapter text file; no chapters give an empty text.
std::string FormatOggChapters(const std::vector<OggChapter>& chapters);

// Writes the chapters to a file named in the system code page, replacing an old one.
// Fails with "Unable to create file "name"".
void WriteOggChapterFile(const std::string& system_file_name, const std::vector<OggChapter>& chapters);

}  // namespace chapters
