#include "dvd/dvd_named_exports.h"

#include "db/named_disc_export.h"
#include "dvd/chapter_extraction.h"

namespace dvd {

void ExportDvdOggNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id) {
  db::ExportNamedDiscChapters(
      chapters::ChapterFileFormat::kOgg, [&] { return ExtractDvdChapters(ifo_path, title); }, output_name, user,
      password, movie_id, "DVD");
}

void ExportDvdXmlNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id) {
  db::ExportNamedDiscChapters(
      chapters::ChapterFileFormat::kXml, [&] { return ExtractDvdChapters(ifo_path, title); }, output_name, user,
      password, movie_id, "DVD");
}

}  // namespace dvd
