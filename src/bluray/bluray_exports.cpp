#include "bluray/bluray_exports.h"
namespace bluray {
void ExportBlurayOgg(const std::string&, const std::string&) {}
void ExportBlurayXml(const std::string&, const std::string&) {}
}  // namespace bluray
