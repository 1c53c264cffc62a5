#include "dvd/dvd_exports.h"

#include <exception>

#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "chapters/output_file.h"
#include "common/console.h"
#include "common/text.h"
#include "dvd/chapter_extraction.h"

namespace dvd {

// The whole list is read before the file name is even built, so a disc that cannot be
// read leaves any earlier file of that name as it was.

void ExportDvdOgg(const std::string& ifo_path, const std::string& output_name, std::int32_t title) {
  try {
    const chapters::ChapterTimeList list = ExtractDvdChapters(ifo_path, title);
    const std::string file_name = chapters::OutputFileName(output_name, ".txt", "chapter file OGG.txt");
    chapters::WriteOggChapterFile(common::Utf8ToSystem(file_name), chapters::OggChaptersFromList(list));
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

void ExportDvdXml(const std::string& ifo_path, const std::string& output_name, std::int32_t title) {
  try {
    const chapters::ChapterTimeList list = ExtractDvdChapters(ifo_path, title);
    const chapters::ChapterDocument document = chapters::BuildChapterXml(list);
    const std::string file_name = chapters::OutputFileName(output_name, ".xml", "chapter file matroska.xml");
    chapters::WriteChapterXmlFile(document, common::Utf8ToSystem(file_name));
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace dvd
