// Where an export writes its chapter file, and how the file is written.
#pragma once

#include <string>
#include <string_view>

namespace chapters {

// The output name followed by the extension (always appended, ".txt" gives ".txt.txt"),
// or, for an empty output name, the program folder followed by the default name. UTF-8.
std::string OutputFileName(std::string_view output_name, std::string_view extension,
                           std::string_view default_name);

// Creates or replaces the file (name in the system code page) with the whole content at
// once, so a failure never leaves a half-written file. Fails with
// "Unable to create file "name"".
void WriteOutputFile(const std::string& system_file_name, std::string_view content);

}  // namespace chapters
