// The DVD exports with chapter names and language from the chapter database; each
// successful export is recorded in the activity log.
#pragma once

#include <cstdint>
#include <string>

namespace dvd {

void ExportDvdOggNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id);
void ExportDvdXmlNamed(std::int32_t title, const std::string& ifo_path, const std::string& output_name,
                       const std::string& user, const std::string& password, const std::string& movie_id);

}  // namespace dvd
