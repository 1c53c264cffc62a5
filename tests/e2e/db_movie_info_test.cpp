// Database mode's movie information against the real chapter database: the ten lines of
// the movie row, the chapters of every edition, and the statements sent for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/database.h"

namespace {

using test_support::ChapterRow;
using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::RunCliOn;
using test_support::SessionStatements;
using test_support::SqlLiteral;

std::string Info(const DatabaseBlock& block, int fid) {
  return RunCliOn(block.server_folder(), {"--user=info111", "--pass=pw", "--mid=" + std::to_string(fid)});
}

TEST(MovieInfo, OneEditionWithHiddenChapters) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(111);
  block.AddUser("info111", "pw");
  MovieRow movie{block.Fid(1), "Blade Runner \xC3\xA4"};
  movie.notiz = SqlLiteral("Final Cut");
  movie.typ = "1";
  movie.sprache = SqlLiteral("English");
  movie.rang = SqlLiteral("5");
  movie.time = SqlLiteral("01:57:00");
  movie.version = "1";
  movie.kaps = "3";
  block.AddMovie(movie);
  block.AddChapters(block.Fid(1), {{1, 3, "Ende", "01:50:00.000000000", "", 2},
                                   {1, 1, "Opening", "00:00:00.000000000", "00:05:12.120000000", 0},
                                   {1, 2, "Tears & rain", "00:05:12.120000000", "", 1}});
  EXPECT_EQ(Info(block, block.Fid(1)),
            "movie information:\r\n"
            "title   : Blade Runner \xC3\xA4\r\n"
            "episode : \r\n"
            "note    : Final Cut\r\n"
            "type    : Blu-Ray\r\n"
            "language: English\r\n"
            "rank    : 5\r\n"
            "playtime: 01:57:00\r\n"
            "editions: 1\r\n"
            "chapters: 3\r\n"
            "1. Opening {00:00:00.000000000 - 00:05:12.120000000}\r\n"
            "2. Tears & rain {00:05:12.120000000} hidden\r\n"
            "3. Ende {01:50:00.000000000} hidden\r\n");

  // Reading only: one transaction begun, nothing committed.
  const std::string fid = std::to_string(block.Fid(1));
  EXPECT_EQ(SessionStatements(block.server_folder(), "fid='" + fid + "'"),
            (std::vector<std::string>{
                "START TRANSACTION",
                "SELECT uid,level FROM users WHERE user='info111' AND pass='pw'",
                "SELECT * FROM filme WHERE fid='" + fid + "'",
                "SELECT * FROM kapitel WHERE k_fid='" + fid + "' ORDER BY version,kapnr",
            }));
}

TEST(MovieInfo, EditionHeadingsCountEditionsButShowStoredVersions) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(112);
  block.AddUser("info112", "pw");
  MovieRow two{block.Fid(1), "Twin Peaks"};
  two.folge = SqlLiteral("Pilot");
  two.typ = "7";  // no type name
  two.version = "2";
  block.AddMovie(two);
  block.AddChapters(block.Fid(1), {{2, 1, "Intro (TV)", "00:00:00.000000000", "", 0},
                                   {1, 2, "Finale", "01:00:00.000000000", "", 0},
                                   {1, 1, "Intro", "00:00:00.000000000", "", 0}});
  MovieRow gap{block.Fid(2), "Gap"};
  gap.version = "2";
  block.AddMovie(gap);
  block.AddChapters(block.Fid(2), {{1, 1, "One", "00:00:00.000000000", "", 0},
                                   {3, 1, "Three", "00:00:01.000000000", "", 0}});
  const auto info = [&](int fid) {
    return RunCliOn(block.server_folder(), {"--user=info112", "--pass=pw", "--mid=" + std::to_string(fid)});
  };
  EXPECT_EQ(info(block.Fid(1)),
            "movie information:\r\ntitle   : Twin Peaks\r\nepisode : Pilot\r\nnote    : \r\ntype    : \r\n"
            "language: \r\nrank    : \r\nplaytime: \r\neditions: 2\r\nchapters: \r\n"
            "\r\nedition 1\r\n1. Intro {00:00:00.000000000}\r\n2. Finale {01:00:00.000000000}\r\n"
            "\r\nedition 2\r\n1. Intro (TV) {00:00:00.000000000}\r\n");
  const std::string head = "movie information:\r\ntitle   : Gap\r\nepisode : \r\nnote    : \r\ntype    : \r\n"
                           "language: \r\nrank    : \r\nplaytime: \r\neditions: 2\r\nchapters: \r\n";
  EXPECT_EQ(info(block.Fid(2)),
            head + "\r\nedition 1\r\n1. One {00:00:00.000000000}\r\n\r\nedition 3\r\n1. Three {00:00:01.000000000}\r\n");
}

TEST(MovieInfo, AbsentMovieGivesEmptyValuesAndNoChapters) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(113);
  block.AddUser("info113", "pw");
  EXPECT_EQ(RunCliOn(block.server_folder(), {"--user=info113", "--pass=pw", "--mid=" + std::to_string(block.Fid(9))}),
            "movie information:\r\ntitle   : \r\nepisode : \r\nnote    : \r\ntype    : \r\n"
            "language: \r\nrank    : \r\nplaytime: \r\neditions: \r\nchapters: \r\n");
}

}  // namespace
