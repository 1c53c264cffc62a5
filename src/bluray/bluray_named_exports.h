// The Blu-ray exports with chapter names and language from the chapter database; each
// successful export is recorded in the activity log.
#pragma once

#include <cstdint>
#include <string>

namespace bluray {

void ExportBlurayOggNamed(const std::string& playlist_path, const std::string& output_name,
                          const std::string& user, const std::string& password, const std::string& movie_id);
void ExportBlurayXmlNamed(const std::string& playlist_path, const std::string& output_name,
                          const std::string& user, const std::string& password, const std::string& movie_id);

}  // namespace bluray
