#include "db/database_mode.h"
namespace db {
void RunDatabaseMode(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
}  // namespace db
