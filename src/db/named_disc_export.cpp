#include "db/named_disc_export.h"

#include <exception>
#include <vector>

#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "common/console.h"
#include "common/text.h"
#include "db/chapter_names.h"
#include "db/login.h"
#include "db/named_chapter_xml.h"

namespace db {

void ExportNamedDiscChapters(chapters::ChapterFileFormat format,
                             const std::function<chapters::ChapterTimeList()>& read_list,
                             const std::string& output_name, const std::string& user, const std::string& password,
                             const std::string& movie_id, std::string_view disc) {
  try {
    if (!BeginNamedExport(user, password, movie_id)) return;
    const std::string file_name =
        common::Utf8ToSystem(chapters::ChapterFileName(format, output_name, " mid=" + movie_id));
    const bool ogg = format == chapters::ChapterFileFormat::kOgg;
    if (ogg) {
      const std::vector<std::string> names = GetChapterNames(movie_id);
      chapters::WriteOggChapterFile(file_name, chapters::OggChaptersFromList(read_list(), names));
    } else {
      const chapters::ChapterTimeList list = read_list();
      chapters::WriteChapterXmlFile(BuildNamedChapterXml(list, movie_id), file_name);
    }
    // Only a written file is logged.
    WriteLogEntry("fid=" + movie_id + ":down>CLI:" + std::string(disc) + (ogg ? ">ogg" : ">xml"));
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace db
