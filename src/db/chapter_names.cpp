#include "db/chapter_names.h"

#include <array>
#include <utility>

#include "common/text.h"
#include "db/database_context.h"

namespace db {

std::vector<std::string> GetChapterNames(const std::string& movie_id) {
  std::vector<std::string> names;
  Query& query =
      RunQuery("SELECT kapname,version,hidden FROM kapitel WHERE k_fid=" + Quote(movie_id) + " ORDER BY version,kapnr;");
  query.First();
  for (std::size_t i = 0, count = query.RecordCount(); i < count; ++i) {
    if (query.FieldInteger("version") == 2) break;
    if (query.FieldInteger("hidden") == 0) names.push_back(common::SystemToUtf8(query.FieldText("kapname")));
    query.Next();
  }
  return names;
}

std::string GetMovieLanguage(const std::string& movie_id) {
  Query& query = RunQuery("SELECT sprache FROM filme WHERE fid=" + Quote(movie_id) + ";");
  query.First();
  return LanguageToCode(query.FieldText("sprache"));
}

std::string LanguageToCode(std::string_view language) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kCodes{{
      {"Spanish", "spa"},
      {"Italian", "ita"},
      {"German", "ger"},
      {"French", "fre"},
      {"English", "eng"},
  }};
  for (const auto& [name, code] : kCodes) {
    if (language == name) return std::string(code);
  }
  return "und";
}

}  // namespace db
