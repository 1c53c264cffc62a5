// What the database work does when something around it is wrong: values refused before
// any connection, a client library that is missing or cannot be loaded, a server that is
// down, and a server whose schema, tables or account are damaged. None of these may
// crash, leave a file it should not, or write a log row.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/mpls_builder.h"
#include "platform/platform.h"
#include "support/database.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

using test_support::ChapterRow;
using test_support::CopyProgramTo;
using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::PrivateServer;
using test_support::ReadFile;
using test_support::RunCliOn;
using test_support::RunOptions;
using test_support::SqlLiteral;
using test_support::TempDir;
using test_support::WriteFile;

// A folder without a server: the client library finds no socket there.
const std::string kNoServer = "/nonexistent-tessella-server";

void WritePlaylist(const fs::path& disc) {
  fixtures::MplsPlaylist playlist;
  fixtures::MplsPlayItem item;
  item.out = fixtures::Ticks(60);
  playlist.items.push_back(item);
  playlist.marks = {fixtures::EntryMark(0, 0)};
  fixtures::WriteMpls(disc / "BDMV/PLAYLIST/00800.mpls", playlist);
}

TEST(DatabaseFaults, ValuesAreCheckedBeforeAnyConnection) {
  TempDir disc;
  WritePlaylist(disc.path());
  const std::string bdmv = disc / "BDMV";
  const std::string mid_message = "The movie_id must be an integer and greater than 0.\r\n";
  struct Case {
    std::vector<std::string> args;
    std::string output;
  } cases[] = {
      {{"--user=u", "--pass=p", "--mid=0"}, mid_message},
      {{"--user=u", "--pass=p", "--mid=-1"}, mid_message},
      {{"--user=u", "--pass=p", "--mid=abc", "--ogg=x"}, mid_message},
      {{"--user=u", "--pass=p", "--range=0"}, "The range must be an integer and greater than 0.\r\n"},
      {{"--user=u", "--pass=p", "--range=-5"}, "The range must be an integer and greater than 0.\r\n"},
      {{"--user=u", "--pass=p", "--title=a"}, "The title must include at least 2 characters.\r\n"},
      {{bdmv, "00800", "--ogg=x", "--user=u", "--pass=p", "--mid=0"}, mid_message},
      {{bdmv, "00800", "--xml=x", "--user=u", "--pass=p", "--mid=-3"}, mid_message},
      {{bdmv, "00800", "--ogg=x", "--user=u", "--pass=p", "--mid=abc"}, mid_message},
      // These pass the check, so they try to connect.
      {{"--user=u", "--pass=p", "--title=\xC3\xA4"}, "error: Server connect failed.\r\n"},
      {{"--user=u", "--pass=p", "--range=1"}, "error: Server connect failed.\r\n"},
      {{"--user=u", "--pass=p", "--mid=1", "--names="}, "error: Server connect failed.\r\n"},
      {{bdmv, "00800", "--ogg=x", "--user=u", "--pass=p", "--mid=1"}, "Server connect failed.\r\n"},
  };
  RunOptions options;
  options.cwd = disc.path();
  for (const auto& c : cases) EXPECT_EQ(RunCliOn(kNoServer, c.args, options), c.output) << c.args.back();
  EXPECT_FALSE(fs::exists(disc / "x.txt"));
}

TEST(DatabaseFaults, ClientLibraryMissingOrNotLoadable) {
  TempDir dir;
  WritePlaylist(dir.path());
  RunOptions options;
  options.program = CopyProgramTo(dir.path(), false);
  options.cwd = dir.path();
  const std::vector<std::string> info = {"--user=u", "--pass=p", "--mid=1"};
  const std::vector<std::string> named = {dir / "BDMV", "00800", "--ogg=x", "--user=u", "--pass=p", "--mid=1"};
  EXPECT_EQ(RunCliOn(kNoServer, info, options), "The libmySQL.dll could not be found.\r\n");
  EXPECT_EQ(RunCliOn(kNoServer, named, options), "The libmySQL.dll could not be found.\r\n");

  const std::string library = dir / platform::kMySqlLibraryFile;
  const std::string load_message = "Can not load default MySQL library (\"" + std::string(platform::kMySqlLibraryFile) +
                                   "\" or \"" + platform::kMySqlLibraryFile + "\"). Check your installation.";
  WriteFile(library, "not a shared library");
  EXPECT_EQ(RunCliOn(kNoServer, info, options), "error: " + load_message + "\r\n");
  EXPECT_EQ(RunCliOn(kNoServer, named, options), load_message + "\r\n");

  // A real shared library, but not the client library.
  const fs::path other = "/lib/x86_64-linux-gnu/libz.so.1";
  if (fs::exists(other)) {
    fs::remove(library);
    fs::create_symlink(other, library);
    EXPECT_EQ(RunCliOn(kNoServer, info, options), "error: " + load_message + "\r\n");
  }
  EXPECT_FALSE(fs::exists(dir / "x.txt"));
}

// Disc mode runs on a machine without the client library: the program is not linked to it.
TEST(DatabaseFaults, ProgramIsNotLinkedToTheClientLibrary) {
  const fs::path readelf = "/usr/bin/readelf";
  if (!fs::exists(readelf)) GTEST_SKIP() << "readelf not installed";
  RunOptions options;
  options.program = readelf;
  const auto result = test_support::RunProgram({"-d", test_support::BuiltProgram().string()}, options);
  ASSERT_EQ(result.exit_code, 0);
  EXPECT_NE(result.out.find("(NEEDED)"), std::string::npos);
  EXPECT_EQ(result.out.find("mariadb"), std::string::npos);
  EXPECT_EQ(result.out.find("mysql"), std::string::npos);
}

// A server of this test's own, damaged step by step.
TEST(DatabaseFaults, DamagedSchemaTablesAndAccount) {
  TESSELLA_NEED_DATABASE();
  PrivateServer server;
  DatabaseBlock block(151, server.folder());
  block.AddUser("faults", "pw");
  MovieRow movie{block.Fid(1), "Damaged"};
  movie.rang = SqlLiteral("1");
  block.AddMovie(movie);
  block.AddChapters(block.Fid(1), {{1, 1, "One", "00:00:00.000000000", "", 0}});
  TempDir out;
  const std::string id = std::to_string(block.Fid(1));
  const auto run = [&](const std::string& last) {
    return RunCliOn(server.folder(), {"--user=faults", "--pass=pw", "--mid=" + id, last});
  };
  const auto run_info = [&] { return RunCliOn(server.folder(), {"--user=faults", "--pass=pw", "--mid=" + id}); };

  block.Root("ALTER TABLE kapitel DROP COLUMN ordered; ALTER TABLE filme DROP COLUMN rang;");
  EXPECT_EQ(run("--xml=" + out / "damaged"), "Field not found : \"ordered\"\r\n");
  EXPECT_FALSE(fs::exists(out / "damaged.xml"));
  EXPECT_EQ(run_info(),
            "movie information:\r\ntitle   : Damaged\r\nepisode : \r\nnote    : \r\ntype    : \r\nlanguage: \r\n"
            "error: Field not found : \"rang\"\r\n");
  EXPECT_TRUE(block.LogRows().empty());

  // The file is written before the log insert fails, and stays.
  block.Root("DROP TABLE logs;");
  const std::string schema = test_support::ChapterSchema(server.folder());
  EXPECT_EQ(run("--ogg=" + out / "kept"), "Error executing query: Table '" + schema + ".logs' doesn't exist\r\n");
  EXPECT_EQ(ReadFile(out / "kept.txt"), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=One\r\n");

  block.Root("DROP TABLE filme;");
  EXPECT_EQ(RunCliOn(server.folder(), {"--user=faults", "--pass=pw", "--range=1"}),
            "mid: title/episode playtime type chapters\r\n\r\nerror: Error executing query: Table '" + schema +
                ".filme' doesn't exist\r\n");

  block.Root("REVOKE ALL PRIVILEGES, GRANT OPTION FROM '" + schema + "'@'localhost';");
  EXPECT_EQ(run_info(), "error: failed to select database: Access denied for user '" + schema +
                            "'@'localhost' to database '" + schema + "'\r\n");

  block.Root("ALTER USER '" + schema + "'@'localhost' IDENTIFIED BY 'another password';");
  EXPECT_EQ(run_info(), "error: Server connect failed.\r\n");
}

}  // namespace
