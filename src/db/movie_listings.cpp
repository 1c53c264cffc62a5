#include "db/movie_listings.h"

#include "common/console.h"
#include "common/integer.h"
#include "common/text.h"
#include "db/database_context.h"

namespace db {

namespace {

using common::SystemToUtf8;
using common::ToConsoleCodePage;
using common::WriteLine;

constexpr const char* kListingHeading = "mid: title/episode playtime type chapters";
constexpr std::int64_t kRangeWidth = 200;

// fid: title[ / episode] time type chapters
void WriteMovieLines(Query& query) {
  for (std::size_t i = 0, count = query.RecordCount(); i < count; ++i) {
    std::string line = query.FieldText("fid") + ": " + SystemToUtf8(query.FieldText("title"));
    const std::string episode = query.FieldText("folge");
    if (!episode.empty()) line += " / " + SystemToUtf8(episode);
    line += " " + query.FieldText("time") + " " + MovieTypeName(query.FieldInteger("typ")) + " " +
            query.FieldText("kaps");
    WriteLine(line);
    query.Next();
  }
}

// In a LIKE pattern the backslash is the escape character; doubled, it matches itself.
std::string LiteralBackslashes(const std::string& pattern) {
  std::string result;
  for (char c : pattern) {
    if (c == '\\') result += '\\';
    result += c;
  }
  return result;
}

}  // namespace

std::string MovieTypeName(std::int32_t code) {
  switch (code) {
    case 1:
      return "Blu-Ray";
    case 2:
      return "DVD";
    case 3:
      return "HD-DVD";
    case 4:
      return "self created";
    case 5:
      return "unknown";
    default:
      return std::string();
  }
}

void ShowMovieInfo(const std::string& movie_id) {
  Query& movie = RunQuery("SELECT * FROM filme WHERE fid=" + Quote(movie_id) + ";");
  movie.First();
  WriteLine("movie information:");
  WriteLine("title   : " + ToConsoleCodePage(SystemToUtf8(movie.FieldText("title"))));
  WriteLine("episode : " + ToConsoleCodePage(SystemToUtf8(movie.FieldText("folge"))));
  WriteLine("note    : " + ToConsoleCodePage(SystemToUtf8(movie.FieldText("notiz"))));
  WriteLine("type    : " + MovieTypeName(movie.FieldInteger("typ")));
  WriteLine("language: " + movie.FieldText("sprache"));
  WriteLine("rank    : " + movie.FieldText("rang"));
  WriteLine("playtime: " + movie.FieldText("time"));
  WriteLine("editions: " + movie.FieldText("version"));
  WriteLine("chapters: " + movie.FieldText("kaps"));
  const std::int32_t editions = movie.FieldInteger("version");

  Query& chapters = RunQuery("SELECT * FROM kapitel WHERE k_fid=" + Quote(movie_id) + " ORDER BY version,kapnr;");
  chapters.First();
  std::int32_t edition_counter = 0;
  for (std::size_t i = 0, count = chapters.RecordCount(); i < count; ++i) {
    if (editions > 1 && chapters.FieldInteger("version") > edition_counter) {
      WriteLine("");
      WriteLine("edition " + chapters.FieldText("version"));
      ++edition_counter;
    }
    const std::string end = chapters.FieldText("etime");
    std::string times = chapters.FieldText("stime");
    if (!end.empty()) times += " - " + end;
    std::string line = chapters.FieldText("kapnr") + ". " +
                       ToConsoleCodePage(SystemToUtf8(chapters.FieldText("kapname"))) + " {" + times + "}";
    if (chapters.FieldInteger("hidden") != 0) line += " hidden";
    WriteLine(line);
    chapters.Next();
  }
}

void ListMoviesByRange(const std::string& range_start) {
  // Wide enough that a start near the largest integer does not wrap.
  const std::int64_t end = std::int64_t{common::ToIntegerOr(range_start, 0)} + kRangeWidth;
  WriteLine(kListingHeading);
  WriteLine("");
  Query& query = RunQuery("SELECT fid,title,folge,time,kaps,typ FROM filme WHERE fid BETWEEN " + Quote(range_start) +
                          " AND " + Quote(std::to_string(end)) + " ORDER BY fid;");
  WriteMovieLines(query);
}

void ListMoviesByTitle(const std::string& title_beginning) {
  WriteLine(kListingHeading);
  WriteLine("");
  Query& query = RunQuery("SELECT fid,title,folge,time,kaps,typ FROM filme WHERE title LIKE " +
                          Quote(LiteralBackslashes(common::Utf8ToSystem(title_beginning)) + "%") +
                          " ORDER BY title LIMIT 0,200;");
  WriteMovieLines(query);
}

}  // namespace db
