// The login against the real chapter database: who gets in, and that names and passwords
// reach the server exactly as typed, whatever quotes and backslashes they hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/database.h"

namespace {

using test_support::DatabaseBlock;
using test_support::RunCliOn;
using test_support::SessionStatements;

constexpr char kRefused[] = "The user or password is incorrect.\r\n";

// Database mode with a fourth parameter that selects no work: after a successful login
// nothing at all is printed.
std::string LoginOnly(const DatabaseBlock& block, const std::string& user, const std::string& password) {
  return RunCliOn(block.server_folder(), {"--user=" + user, "--pass=" + password, "--mid=1", "nothing"});
}

TEST(DatabaseLogin, ExactlyOneMatchingRowLetsTheUserIn) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(101);
  block.AddUser("reader101", "Secret1");
  block.AddUser("twin101", "same");
  block.AddUser("twin101", "same");
  block.AddUser("nopass101", "");

  struct Case {
    const char* user;
    const char* password;
    const char* output;
  } cases[] = {
      {"reader101", "Secret1", ""},
      {"reader101", "wrong", kRefused},
      {"reader101", "secret1", kRefused},  // the password compares with letter case
      {"reader101", "", kRefused},
      {"unknown101", "Secret1", kRefused},
      {"twin101", "same", kRefused},  // two rows
      {"nopass101", "", ""},          // an empty password is still compared
      {"nopass101", "x", kRefused},
      // Without escaping this would cut off the password test and let anyone in.
      {"reader101' LIMIT 1 -- ", "x", kRefused},
      {"reader101' OR '1'='1", "x' OR '1'='1", kRefused},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoginOnly(block, c.user, c.password), c.output) << c.user << " / " << c.password;
  }
}

TEST(DatabaseLogin, HostileNameAndPasswordReachTheServerAsTyped) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(102);
  const std::string user = "O'Brien102 \\ \"q\"; DROP TABLE users; --";
  const std::string password = "p'w\\\"; DROP TABLE logs; -- `x`";
  block.AddUser(user, password);
  EXPECT_EQ(LoginOnly(block, user, password + "'"), kRefused);
  EXPECT_EQ(LoginOnly(block, user.substr(0, 7), password), kRefused);
  // Matching the row stored by root proves the server compared the exact bytes.
  EXPECT_EQ(LoginOnly(block, user, password), "");

  const std::vector<std::string> expected = {
      "START TRANSACTION",
      "SELECT uid,level FROM users WHERE user='O\\'Brien102 \\\\ \\\"q\\\"; DROP TABLE users; --'"
      " AND pass='p\\'w\\\\\\\"; DROP TABLE logs; -- `x`'",  // the log drops the final ";"
  };
  EXPECT_EQ(SessionStatements(block.server_folder(), "O\\'Brien102"), expected);
  EXPECT_EQ(block.Root("SELECT COUNT(*) FROM users WHERE uid BETWEEN 1020 AND 1029;"),
            test_support::SqlRows{{"1"}});
}

TEST(DatabaseLogin, NonAsciiNameRoundTrips) {
  TESSELLA_NEED_DATABASE();
  DatabaseBlock block(103);
  block.AddUser("Jürgen103", "Paßwort");
  EXPECT_EQ(LoginOnly(block, "Jürgen103", "Paßwort"), "");
  EXPECT_EQ(LoginOnly(block, "Jürgen103", "Passwort"), kRefused);
}

}  // namespace
