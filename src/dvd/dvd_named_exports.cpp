#include "dvd/dvd_named_exports.h"

#include <exception>

#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "chapters/output_file.h"
#include "common/console.h"
#include "common/text.h"
#include "db/chapter_names.h"
#include "db/login.h"
#include "db/named_chapter_xml.h"
#include "dvd/chapter_extraction.h"

namespace dvd {

// Every step runs inside the handler, so a failure prints its message and leaves the
// steps after it undone; the log row follows only a written file.

void ExportDvdOggNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id) {
  try {
    if (!db::BeginNamedExport(user, password, movie_id)) return;
    const std::vector<std::string> names = db::GetChapterNames(movie_id);
    const chapters::ChapterTimeList list = ExtractDvdChapters(ifo_path, title);
    const std::string file_name =
        chapters::OutputFileName(output_name, ".txt", "chapter file OGG mid=" + movie_id + ".txt");
    chapters::WriteOggChapterFile(common::Utf8ToSystem(file_name), chapters::OggChaptersFromList(list, names));
    db::WriteLogEntry("fid=" + movie_id + ":down>CLI:DVD>ogg");
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

void ExportDvdXmlNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id) {
  try {
    if (!db::BeginNamedExport(user, password, movie_id)) return;
    const chapters::ChapterTimeList list = ExtractDvdChapters(ifo_path, title);
    const chapters::ChapterDocument document = db::BuildNamedChapterXml(list, movie_id);
    const std::string file_name =
        chapters::OutputFileName(output_name, ".xml", "chapter file matroska mid=" + movie_id + ".xml");
    chapters::WriteChapterXmlFile(document, common::Utf8ToSystem(file_name));
    db::WriteLogEntry("fid=" + movie_id + ":down>CLI:DVD>xml");
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace dvd
