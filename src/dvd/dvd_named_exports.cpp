#include "dvd/dvd_named_exports.h"
namespace dvd {
void ExportDvdOggNamed(std::int32_t, const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
void ExportDvdXmlNamed(std::int32_t, const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
}  // namespace dvd
