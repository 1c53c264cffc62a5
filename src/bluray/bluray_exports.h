// The Blu-ray exports without names: one playlist's chapters as OGG chapter text or
// Matroska XML. Errors are printed as one line; nothing is printed on success.
#pragma once

#include <cstdint>
#include <string>

namespace bluray {

void ExportBlurayOgg(const std::string& playlist_path, const std::string& output_name);
void ExportBlurayXml(const std::string& playlist_path, const std::string& output_name);

}  // namespace bluray
