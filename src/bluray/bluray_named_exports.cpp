#include "bluray/bluray_named_exports.h"

#include "bluray/playlist_reader.h"
#include "db/named_disc_export.h"

namespace bluray {

void ExportBlurayOggNamed(const std::string& playlist_path, const std::string& output_name,
                          const std::string& user, const std::string& password, const std::string& movie_id) {
  db::ExportNamedDiscChapters(
      chapters::ChapterFileFormat::kOgg, [&] { return ReadPlaylistChapters(playlist_path); }, output_name, user,
      password, movie_id, "BD");
}

void ExportBlurayXmlNamed(const std::string& playlist_path, const std::string& output_name,
                          const std::string& user, const std::string& password, const std::string& movie_id) {
  db::ExportNamedDiscChapters(
      chapters::ChapterFileFormat::kXml, [&] { return ReadPlaylistChapters(playlist_path); }, output_name, user,
      password, movie_id, "BD");
}

}  // namespace bluray
