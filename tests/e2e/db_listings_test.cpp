// The movie listings of database mode against the real chapter database: by number range
// and by title beginning, with their limits, and title beginnings that hold quotes,
// backslashes and LIKE wildcards.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/database.h"

namespace {

using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::RunCliOn;
using test_support::SessionStatements;
using test_support::SqlLiteral;

constexpr char kHeading[] = "mid: title/episode playtime type chapters\r\n\r\n";

MovieRow Movie(int fid, const std::string& title, const std::string& folge = "NULL", const std::string& time = "NULL",
               const std::string& typ = "NULL", const std::string& kaps = "NULL") {
  MovieRow movie{fid, title};
  movie.folge = folge;
  movie.time = time;
  movie.typ = typ;
  movie.kaps = kaps;
  return movie;
}

TEST(MovieListings, RangeCoversTwoHundredAndOneNumbers) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(121);
  block.AddUser("list121", "pw");
  const int start = block.Fid(100);
  block.AddMovie(Movie(start - 1, "Before"));
  block.AddMovie(Movie(start + 200, "Last", SqlLiteral(""), SqlLiteral("01:00:00"), "2", "12"));
  block.AddMovie(Movie(start, "First", SqlLiteral("Episode 1"), SqlLiteral("01:57:00"), "1", "24"));
  block.AddMovie(Movie(start + 7, "M\xC3\xBCnchen", "NULL", "NULL", "9", "NULL"));
  block.AddMovie(Movie(start + 201, "After"));
  const std::string s = std::to_string(start);
  EXPECT_EQ(RunCliOn(block.server_folder(), {"--user=list121", "--pass=pw", "--range=" + s}),
            kHeading + s + ": First / Episode 1 01:57:00 Blu-Ray 24\r\n" + std::to_string(start + 7) +
                ": M\xC3\xBCnchen   \r\n" + std::to_string(start + 200) + ": Last 01:00:00 DVD 12\r\n");
  EXPECT_EQ(SessionStatements(block.server_folder(), "BETWEEN '" + s + "'").at(2),
            "SELECT fid,title,folge,time,kaps,typ FROM filme WHERE fid BETWEEN '" + s + "' AND '" +
                std::to_string(start + 200) + "' ORDER BY fid");

  // The end of a range near the largest movie number does not wrap around.
  block.Root("DELETE FROM filme WHERE fid=2147483647;");
  block.AddMovie(Movie(2147483647, "Top"));
  EXPECT_EQ(RunCliOn(block.server_folder(), {"--user=list121", "--pass=pw", "--range=2147483600"}),
            kHeading + std::string("2147483647: Top   \r\n"));
  block.Root("DELETE FROM filme WHERE fid=2147483647;");
}

TEST(MovieListings, TitleListingStopsAtTwoHundredRowsSortedByTitle) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(122);
  block.AddUser("list122", "pw");
  std::string insert = "INSERT INTO filme (fid,title) VALUES ";
  std::string expected = kHeading;
  for (int i = 0; i <= 200; ++i) {
    char title[32];
    std::snprintf(title, sizeof title, "B122 Limit %03d", i);
    const int fid = block.Fid(500 - i);  // numbers run against the titles
    insert += (i > 0 ? "," : "") + std::string("(") + std::to_string(fid) + "," + SqlLiteral(title) + ")";
    if (i < 200) expected += std::to_string(fid) + ": " + title + "   \r\n";
  }
  block.Root(insert + ";");
  EXPECT_EQ(RunCliOn(block.server_folder(), {"--user=list122", "--pass=pw", "--title=B122 Limit"}), expected);
}

TEST(MovieListings, TitleBeginningsAsTyped) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(123);
  block.AddUser("list123", "pw");
  const std::string hostile = "B123 It's \\ \"q\"; DROP TABLE filme; --";
  block.AddMovie(Movie(block.Fid(1), hostile));
  block.AddMovie(Movie(block.Fid(2), "B123 ab"));
  block.AddMovie(Movie(block.Fid(3), "B123 a\\b"));
  block.AddMovie(Movie(block.Fid(4), "B123 the end"));
  block.AddMovie(Movie(block.Fid(5), "B123 start"));
  block.AddMovie(Movie(block.Fid(6), "B123x"));
  const auto line = [&](int n, const std::string& title) { return std::to_string(block.Fid(n)) + ": " + title + "   \r\n"; };
  struct Case {
    std::string beginning;
    std::string listing;
  } cases[] = {
      {"B123 It's \\ \"q\"; DROP", line(1, hostile)},
      {"B123 a\\b", line(3, "B123 a\\b")},  // the backslash stands for itself
      {"B123 ab", line(2, "B123 ab")},
      {"B123%end", line(4, "B123 the end")},  // "%" stays a wildcard
      {"B12_x", line(6, "B123x")},            // and so does "_"
      {"B123 nothing", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunCliOn(block.server_folder(), {"--user=list123", "--pass=pw", "--title=" + c.beginning}),
              kHeading + c.listing)
        << c.beginning;
  }
  EXPECT_EQ(block.Root("SELECT COUNT(*) FROM filme WHERE fid BETWEEN 123000 AND 123999;"),
            test_support::SqlRows{{"6"}});
}

}  // namespace
