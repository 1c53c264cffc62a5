#include "dvd/dvd_exports.h"
namespace dvd {
void ExportDvdOgg(const std::string&, const std::string&, std::int32_t) {}
void ExportDvdXml(const std::string&, const std::string&, std::int32_t) {}
}  // namespace dvd
