#include "db/client_charset.h"

#include <gtest/gtest.h>

namespace db {
namespace {

TEST(ClientCharset, SystemCodePagesAndTheServersNames) {
  struct Case {
    const char* code_page;
    const char* charset;
  } cases[] = {
      {"UTF-8", "utf8mb4"},       {"CP1252", "latin1"},  // Windows western European
      {"ISO-8859-1", "latin1"},   {"CP1250", "cp1250"},  {"CP1251", "cp1251"},
      {"ISO-8859-2", "latin2"},   {"CP932", "cp932"},
      {"ANSI_X3.4-1968", "utf8mb4"},  // unknown to the table: the server's full Unicode
      {"", "utf8mb4"},
  };
  for (const auto& c : cases) EXPECT_EQ(ClientCharsetFor(c.code_page), c.charset) << c.code_page;
}

}  // namespace
}  // namespace db
