#include "chapters/ogg_chapters.h"

#include "chapters/output_file.h"
#include "chapters/timecode.h"

namespace chapters {

std::vector<OggChapter> OggChaptersFromList(const ChapterTimeList& list,
                                            const std::vector<std::string>& names) {
  std::vector<OggChapter> chapters;
  for (size_t k = 0; k < list.size(); ++k) {
    // A notice keeps its position, so the chapters after it keep their numbers.
    if (IsNotice(list[k])) continue;
    chapters.push_back({static_cast<int>(k), MillisecondTimecode(list[k]),
                        k < names.size() ? names[k] : std::string()});
  }
  return chapters;
}

std::string FormatOggChapters(const std::vector<OggChapter>& chapters) {
  std::string text;
  for (const OggChapter& chapter : chapters) {
    std::string number(chapter.number < 10 ? "0" : "");
    number += std::to_string(chapter.number);
    text += "CHAPTER" + number + "=" + chapter.time + "\r\n";
    text += "CHAPTER" + number + "NAME=" + chapter.name + "\r\n";
  }
  return text;
}

void WriteOggChapterFile(const std::string& system_file_name, const std::vector<OggChapter>& chapters) {
  WriteOutputFile(system_file_name, FormatOggChapters(chapters));
}

}  // namespace chapters
