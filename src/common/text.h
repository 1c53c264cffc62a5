// Text conversions between the program's UTF-8 and the code pages of the system and
// the console.
#pragma once

#include <string>
#include <string_view>

namespace common {

// Text in the system code page (command-line parameters, database text) to UTF-8.
std::string SystemToUtf8(std::string_view text);

// UTF-8 to the system code page, for every file name right before it reaches the file
// system.
std::string Utf8ToSystem(std::string_view text);

// UTF-8 to the console's code page, for console lines that can hold non-ASCII letters.
std::string ToConsoleCodePage(std::string_view text);

// True when `text` begins with `prefix` (exact, case-sensitive).
bool StartsWith(std::string_view text, std::string_view prefix);

// The text without its last `count` characters; empty when it is not longer.
std::string DropLast(std::string_view text, size_t count);

}  // namespace common
