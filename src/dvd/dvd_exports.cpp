#include "dvd/dvd_exports.h"

#include "chapters/disc_chapter_export.h"
#include "dvd/chapter_extraction.h"

namespace dvd {

void ExportDvdOgg(const std::string& ifo_path, const std::string& output_name, std::int32_t title) {
  chapters::ExportDiscChapters(
      chapters::ChapterFileFormat::kOgg, [&] { return ExtractDvdChapters(ifo_path, title); }, output_name);
}

void ExportDvdXml(const std::string& ifo_path, const std::string& output_name, std::int32_t title) {
  chapters::ExportDiscChapters(
      chapters::ChapterFileFormat::kXml, [&] { return ExtractDvdChapters(ifo_path, title); }, output_name);
}

}  // namespace dvd
