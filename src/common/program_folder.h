// The folder of the running program file, where the client library is looked for and
// where exports without an output name write their default files.
#pragma once

#include <string>
#include <string_view>

namespace common {

// The program file's path in UTF-8 up to and including its last backslash, slash or
// colon; empty when it has none.
std::string ProgramFolder();

// The part of `path` up to and including its last backslash, slash or colon.
std::string FolderPart(std::string_view path);

}  // namespace common
