// The DVD exports without names: one title's chapters as OGG chapter text or Matroska
// XML. Errors are printed as one line; nothing is printed on success.
#pragma once

#include <cstdint>
#include <string>

namespace dvd {

void ExportDvdOgg(const std::string& ifo_path, const std::string& output_name, std::int32_t title);
void ExportDvdXml(const std::string& ifo_path, const std::string& output_name, std::int32_t title);

}  // namespace dvd
