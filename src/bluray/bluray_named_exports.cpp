#include "bluray/bluray_named_exports.h"
namespace bluray {
void ExportBlurayOggNamed(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
void ExportBlurayXmlNamed(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
}  // namespace bluray
