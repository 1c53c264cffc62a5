#include "db/login.h"

#include "common/console.h"
#include "common/integer.h"
#include "common/text.h"
#include "db/database_context.h"
#include "platform/platform.h"

namespace db {

namespace {

std::string& StoredUserId() {
  static std::string user_id;
  return user_id;
}

}  // namespace

bool LoginUser(const std::string& user_name, const std::string& password) {
  const std::string statement = "SELECT uid,level FROM users WHERE user=" + Quote(common::Utf8ToSystem(user_name)) +
                                " AND pass=" + Quote(common::Utf8ToSystem(password)) + ";";
  Query& query = RunQuery(statement);
  if (query.RecordCount() != 1) return false;
  StoredUserId() = query.FieldText("uid");
  return true;
}

const std::string& CurrentUserId() { return StoredUserId(); }

void WriteLogEntry(const std::string& log_text) {
  const std::string date = platform::LocalDate();
  const std::string time = platform::LocalLongTime();
  RunStatementAndCommit("INSERT INTO logs (l_uid,datum,uhr,log) VALUES (" + Quote(CurrentUserId()) + "," +
                        Quote(date) + "," + Quote(time) + "," + Quote(log_text) + ");");
}

bool CheckMovieId(const std::string& movie_id) {
  if (common::ToIntegerOr(movie_id, 0) > 0) return true;
  common::WriteLine("The movie_id must be an integer and greater than 0.");
  return false;
}

bool BeginNamedExport(const std::string& user_name, const std::string& password, const std::string& movie_id) {
  if (!CheckMovieId(movie_id)) return false;
  OpenChapterDatabase();
  if (LoginUser(user_name, password)) return true;
  common::WriteLine("The user or password is incorrect.");
  return false;
}

}  // namespace db
