#include "bluray/bluray_exports.h"

#include "bluray/playlist_reader.h"
#include "chapters/disc_chapter_export.h"

namespace bluray {

void ExportBlurayOgg(const std::string& playlist_path, const std::string& output_name) {
  chapters::ExportDiscChapters(
      chapters::ChapterFileFormat::kOgg, [&] { return ReadPlaylistChapters(playlist_path); }, output_name);
}

void ExportBlurayXml(const std::string& playlist_path, const std::string& output_name) {
  chapters::ExportDiscChapters(
      chapters::ChapterFileFormat::kXml, [&] { return ReadPlaylistChapters(playlist_path); }, output_name);
}

}  // namespace bluray
