#include "bluray/bluray_exports.h"

#include <exception>

#include "bluray/playlist_reader.h"
#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "chapters/output_file.h"
#include "common/console.h"
#include "common/text.h"

namespace bluray {

void ExportBlurayOgg(const std::string& playlist_path, const std::string& output_name) {
  try {
    const std::vector<chapters::OggChapter> lines = chapters::OggChaptersFromList(ReadPlaylistChapters(playlist_path));
    const std::string file_name = chapters::OutputFileName(output_name, ".txt", "chapter file OGG.txt");
    chapters::WriteOggChapterFile(common::Utf8ToSystem(file_name), lines);
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

void ExportBlurayXml(const std::string& playlist_path, const std::string& output_name) {
  try {
    const chapters::ChapterDocument document = chapters::BuildChapterXml(ReadPlaylistChapters(playlist_path));
    const std::string file_name = chapters::OutputFileName(output_name, ".xml", "chapter file matroska.xml");
    chapters::WriteChapterXmlFile(document, common::Utf8ToSystem(file_name));
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace bluray
