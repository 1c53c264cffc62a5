#include "db/database_mode.h"

#include <exception>

#include "common/console.h"
#include "common/integer.h"
#include "common/text.h"
#include "db/database_context.h"
#include "db/database_exports.h"
#include "db/login.h"
#include "db/movie_listings.h"

namespace db {

namespace {

using common::StartsWith;
using common::WriteLine;

bool IsPositiveInteger(const std::string& text) { return common::ToIntegerOr(text, 0) > 0; }

// The value check that comes before any database work.
bool CheckValue(const std::string& value, const std::string& kind) {
  if (kind == "t" && value.size() < 2) {
    WriteLine("The title must include at least 2 characters.");
    return false;
  }
  if (kind == "r" && !IsPositiveInteger(value)) {
    WriteLine("The range must be an integer and greater than 0.");
    return false;
  }
  if (kind == "m") return CheckMovieId(value);
  return true;
}

void RunMovieWork(const std::string& movie_id, const std::string& export_option) {
  if (export_option.empty()) {
    ShowMovieInfo(movie_id);
  } else if (StartsWith(export_option, "--xml=")) {
    ExportMovieXml(movie_id, export_option.substr(6));
  } else if (StartsWith(export_option, "--ogg=")) {
    ExportMovieOgg(movie_id, export_option.substr(6));
  } else if (StartsWith(export_option, "--name")) {
    ExportMovieNames(movie_id, export_option.size() > 8 ? export_option.substr(8) : std::string());
  }
}

}  // namespace

void RunDatabaseMode(const std::string& user, const std::string& password, const std::string& value,
                     const std::string& kind, const std::string& export_option) {
  if (!CheckValue(value, kind)) return;
  try {
    OpenChapterDatabase();
    if (!LoginUser(user, password)) {
      WriteLine("The user or password is incorrect.");
      return;
    }
    if (kind == "t") {
      ListMoviesByTitle(value);
    } else if (kind == "r") {
      ListMoviesByRange(value);
    } else if (kind == "m") {
      RunMovieWork(value, export_option);
    }
  } catch (const std::exception& error) {
    WriteLine("error: " + std::string(error.what()));
  }
}

}  // namespace db
