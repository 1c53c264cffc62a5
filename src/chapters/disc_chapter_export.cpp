#include "chapters/disc_chapter_export.h"

#include <exception>

#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "chapters/output_file.h"
#include "common/console.h"
#include "common/text.h"

namespace chapters {

std::string ChapterFileName(ChapterFileFormat format, std::string_view output_name, std::string_view default_tag) {
  const bool ogg = format == ChapterFileFormat::kOgg;
  const std::string extension = ogg ? ".txt" : ".xml";
  const std::string default_name =
      std::string(ogg ? "chapter file OGG" : "chapter file matroska") + std::string(default_tag) + extension;
  return OutputFileName(output_name, extension, default_name);
}

void ExportDiscChapters(ChapterFileFormat format, const std::function<ChapterTimeList()>& read_list,
                        const std::string& output_name) {
  try {
    // The whole list is read before the file is touched, so a disc that cannot be read
    // leaves an earlier file of that name as it was.
    const ChapterTimeList list = read_list();
    const std::string file_name = common::Utf8ToSystem(ChapterFileName(format, output_name));
    if (format == ChapterFileFormat::kOgg) {
      WriteOggChapterFile(file_name, OggChaptersFromList(list));
    } else {
      WriteChapterXmlFile(BuildChapterXml(list), file_name);
    }
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace chapters
