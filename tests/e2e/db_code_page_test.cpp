// The chapter database under a system code page other than UTF-8 (here ISO-8859-1): what
// the user types arrives in that code page, the names stored on the server (utf8mb4)
// reach the console in it and the chapter files in UTF-8, whatever character set the
// client library would choose by itself.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "support/database.h"
#include "support/test_files.h"

namespace {

using test_support::ChapterRow;
using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::ReadFile;
using test_support::RunCliOn;
using test_support::RunOptions;
using test_support::SqlLiteral;
using test_support::TempDir;

TEST(DatabaseCodePage, Latin1ConsoleAndUtf8Files) {
  TESSELLA_NEED_DATABASE();
  if (std::setlocale(LC_ALL, "de_DE.ISO-8859-1") == nullptr) GTEST_SKIP() << "locale de_DE.ISO-8859-1 not generated";
  std::setlocale(LC_ALL, "C");

  DatabaseBlock block(161);
  block.AddUser("J\xC3\xBCrgen161", "p\xC3\xA4ss");  // Jürgen161, päss
  MovieRow movie{block.Fid(1), "T\xC3\xBCr"};          // Tür
  movie.folge = SqlLiteral("Gr\xC3\xB6\xC3\x9F" "e");  // Größe
  movie.version = "1";
  block.AddMovie(movie);
  block.AddChapters(block.Fid(1), {{1, 1, "Caf\xC3\xA9", "00:00:00.000000000", "", 0},      // Café
                                   {1, 2, "\xC3\x9C" "ber", "00:05:00.000000000", "", 0}});  // Über

  TempDir dir;
  RunOptions options;
  options.cwd = dir.path();
  options.env.emplace("LC_ALL", "de_DE.ISO-8859-1");
  const std::string fid = std::to_string(block.Fid(1));
  // The parameters as a Latin-1 console passes them.
  const std::string user = "--user=J\xFCrgen161";
  const std::string pass = "--pass=p\xE4ss";

  EXPECT_EQ(RunCliOn(block.server_folder(), {user, pass, "--title=T\xFC"}, options),
            "mid: title/episode playtime type chapters\r\n\r\n" + fid + ": T\xC3\xBCr / Gr\xC3\xB6\xC3\x9F" "e   \r\n");
  const std::string info = RunCliOn(block.server_folder(), {user, pass, "--mid=" + fid}, options);
  EXPECT_NE(info.find("title   : T\xFCr\r\nepisode : Gr\xF6\xDF" "e\r\n"), std::string::npos) << info;
  EXPECT_NE(info.find("1. Caf\xE9 {00:00:00.000000000}\r\n2. \xDC" "ber {00:05:00.000000000}\r\n"), std::string::npos)
      << info;

  EXPECT_EQ(RunCliOn(block.server_folder(), {user, pass, "--mid=" + fid, "--ogg=kapitel"}, options), "");
  EXPECT_EQ(ReadFile(dir.path() / "kapitel.txt"),
            "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=Caf\xC3\xA9\r\n"
            "CHAPTER01=00:05:00.000\r\nCHAPTER01NAME=\xC3\x9C" "ber\r\n");
  EXPECT_EQ(RunCliOn(block.server_folder(), {user, pass, "--mid=" + fid, "--xml=kapitel"}, options), "");
  const std::string xml = ReadFile(dir.path() / "kapitel.xml");
  EXPECT_NE(xml.find("<ChapterString>Caf\xC3\xA9</ChapterString>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<ChapterString>\xC3\x9C" "ber</ChapterString>"), std::string::npos) << xml;

  const auto logs = block.LogRows();
  ASSERT_EQ(logs.size(), 2u);
  EXPECT_EQ(logs[0].at(3), "fid=" + fid + ":down>CLI:ogg");
}

}  // namespace
