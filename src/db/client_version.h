// The messages of loading the MySQL client library and the test of its version, apart
// from the library's header so that they can be checked on their own.
#pragma once

#include <string>
#include <string_view>

namespace db {

// "Can not load default MySQL library ("name" or "name"). Check your installation."
std::string LibraryLoadMessage(std::string_view library_name);

// Fails with "Wrong MySQL client library version: expected <major>.x, found "<text>"."
// unless the version text (as mysql_get_client_info gives it, "3.3.20") begins with the
// expected major version followed by a dot.
void CheckClientVersion(std::string_view version_text, int expected_major);

}  // namespace db
