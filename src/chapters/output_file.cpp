#include "chapters/output_file.h"

#include "common/error.h"
#include "common/program_folder.h"
#include "platform/platform.h"

namespace chapters {

std::string OutputFileName(std::string_view output_name, std::string_view extension,
                           std::string_view default_name) {
  if (output_name.empty()) return common::ProgramFolder() + std::string(default_name);
  return std::string(output_name) + std::string(extension);
}

void WriteOutputFile(const std::string& system_file_name, std::string_view content) {
  if (!platform::ReplaceFile(system_file_name, content)) {
    throw common::Error("Unable to create file \"" + system_file_name + "\"");
  }
}

}  // namespace chapters
