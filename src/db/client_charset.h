// The character set the connection asks the server for: the one of the system code page,
// so that every text the program sends and receives is in that code page, whatever the
// client library's own default is (latin1 for old libraries, utf8mb4 for Connector/C 3).
#pragma once

#include <string>
#include <string_view>

namespace db {

// The server's name for the character set of a system code page ("UTF-8", "CP1252",
// "ISO-8859-1", ...); "utf8mb4" for a code page the server does not know.
std::string ClientCharsetFor(std::string_view code_page_name);

}  // namespace db
