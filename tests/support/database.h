// The chapter database as the tests meet it: the private MariaDB server of the test run
// (scripts/private-mariadb; TESSELLA_TEST_DB names its folder), reached as root through
// its socket with the server's own command-line client, to seed tables and to read what
// the program left there.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/run_program.h"

namespace test_support {

// The folder of the test run's server; empty when the run has none.
std::string TestServerFolder();

// True when TESSELLA_REQUIRE_DB=1: a missing server then fails the tests that need it.
bool DatabaseRequired();

// Skips the current test when the run has no server, or fails it when one is required.
#define TESSELLA_NEED_DATABASE()                                                            \
  do {                                                                                      \
    if (::test_support::TestServerFolder().empty()) {                                       \
      if (::test_support::DatabaseRequired()) FAIL() << "TESSELLA_TEST_DB is not set";      \
      GTEST_SKIP() << "no test database (TESSELLA_TEST_DB is not set)";                     \
    }                                                                                       \
  } while (false)

using SqlRows = std::vector<std::vector<std::string>>;

// Runs statements as root in the chapter schema of the server in `server_folder`; the
// rows of the last result, each value as text ("NULL" for NULL). Throws
// std::runtime_error with the client's message when a statement fails.
SqlRows RootQuery(const std::string& server_folder, const std::string& sql);

// The name of the chapter schema (also the program's account) on that server.
std::string ChapterSchema(const std::string& server_folder);

// A single-quoted SQL literal of the value, for seeding.
std::string SqlLiteral(std::string_view value);

struct MovieRow {
  int fid = 0;
  std::string title;
  std::string folge = "NULL";  // SQL expressions: "NULL" or SqlLiteral(...)
  std::string notiz = "NULL";
  std::string typ = "NULL";
  std::string sprache = "NULL";
  std::string rang = "NULL";
  std::string time = "NULL";
  std::string version = "NULL";
  std::string kaps = "NULL";
};

struct ChapterRow {
  int version = 1;
  int kapnr = 1;
  std::string kapname;
  std::string stime;
  std::string etime;
  int hidden = 0;
  int ordered = 0;
};

// One test's share of the test run's database, so that tests running at the same time
// (and the same tests in a later build) never see each other's rows: movie numbers
// block * 1000 to block * 1000 + 999 and user ids block * 10 to block * 10 + 9. The
// share is emptied when the object is made. Each test uses its own block number, and
// user names that hold it.
class DatabaseBlock {
 public:
  explicit DatabaseBlock(int block, std::string server_folder = TestServerFolder());

  int Fid(int n) const { return block_ * 1000 + n; }
  const std::string& server_folder() const { return server_folder_; }

  // Adds a user with the block's next user id and returns the id.
  int AddUser(const std::string& name, const std::string& password);
  void AddMovie(const MovieRow& movie);
  void AddChapters(int fid, const std::vector<ChapterRow>& chapters);

  // The `logs` rows of the block's users in insertion order: l_uid, datum, uhr, log.
  SqlRows LogRows() const;

  // Runs statements as root on this server (see RootQuery).
  SqlRows Root(const std::string& sql) const { return RootQuery(server_folder_, sql); }

 private:
  int block_;
  std::string server_folder_;
  int next_user_ = 0;
};

// The statements the server received, in order, in the latest session of the program's
// account that sent one containing `marker` (the server's general query log, which drops
// a statement's final ";").
std::vector<std::string> SessionStatements(const std::string& server_folder, const std::string& marker);

// RunCli against the server in `server_folder` (its socket in MYSQL_UNIX_PORT, which the
// client library reads).
std::string RunCliOn(const std::string& server_folder, const std::vector<std::string>& args, RunOptions options = {});

// A private server of a test's own, for tests that damage the database: started with
// scripts/private-mariadb in a short folder below /tmp, stopped and removed at the end.
class PrivateServer {
 public:
  PrivateServer();
  ~PrivateServer();
  PrivateServer(const PrivateServer&) = delete;
  PrivateServer& operator=(const PrivateServer&) = delete;

  const std::string& folder() const { return folder_; }
  std::string socket() const { return folder_ + "/sock"; }

 private:
  std::string folder_;
};

}  // namespace test_support
