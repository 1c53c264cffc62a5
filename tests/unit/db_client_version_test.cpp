#include "db/client_version.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace db {
namespace {

TEST(ClientVersion, OnlyTheExpectedMajorVersionPasses) {
  struct Case {
    const char* version_text;
    bool accepted;
  } cases[] = {
      {"3.3.20", true},
      {"3.0.0", true},
      {"3.", true},
      {"30.1.0", false},  // major 30, not 3
      {"2.3.7", false},
      {"5.1.73", false},  // the old libmysql
      {"3", false},       // no dot after the major version
      {"", false},
      {" 3.3.20", false},
  };
  for (const auto& c : cases) {
    if (c.accepted) {
      EXPECT_NO_THROW(CheckClientVersion(c.version_text, 3)) << c.version_text;
    } else {
      EXPECT_THROW(CheckClientVersion(c.version_text, 3), common::Error) << c.version_text;
    }
  }
}

TEST(ClientVersion, MessageNamesExpectedAndFound) {
  try {
    CheckClientVersion("5.1.73", 3);
    FAIL() << "no error";
  } catch (const common::Error& error) {
    EXPECT_STREQ(error.what(), "Wrong MySQL client library version: expected 3.x, found \"5.1.73\".");
  }
}

TEST(ClientVersion, LoadMessageNamesTheLibraryTwice) {
  EXPECT_EQ(LibraryLoadMessage("libmysql.dll"),
            "Can not load default MySQL library (\"libmysql.dll\" or \"libmysql.dll\"). Check your installation.");
}

}  // namespace
}  // namespace db
