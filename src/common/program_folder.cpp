#include "common/program_folder.h"

#include "common/text.h"
#include "platform/platform.h"

namespace common {

std::string FolderPart(std::string_view path) {
  size_t last = path.find_last_of("\\/:");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ProgramFolder() { return FolderPart(SystemToUtf8(platform::ProgramFilePath())); }

}  // namespace common
