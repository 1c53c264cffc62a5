// Database mode: checks the value that selects the work, connects, logs in and runs one
// movie listing, the movie information or one database export.
#pragma once

#include <cstdint>
#include <string>

namespace db {

// kind: "m" movie number, "r" range start, "t" title beginning (UTF-8).
// export_option: the fourth command-line parameter ("--ogg=...", "--xml=...", "--names=...").
void RunDatabaseMode(const std::string& user, const std::string& password, const std::string& value,
                     const std::string& kind, const std::string& export_option);

}  // namespace db
