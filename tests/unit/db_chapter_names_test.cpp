#include "db/chapter_names.h"

#include <gtest/gtest.h>

namespace db {
namespace {

TEST(LanguageToCode, ExactNamesOnlyEverythingElseUndetermined) {
  struct Case {
    const char* name;
    const char* code;
  } cases[] = {
      {"Spanish", "spa"}, {"Italian", "ita"}, {"German", "ger"}, {"French", "fre"}, {"English", "eng"},
      {"german", "und"},    // letter case counts
      {" German", "und"},   // so do blanks
      {"German ", "und"},   //
      {"Deutsch", "und"},   // another form of the name
      {"", "und"},          // no filme row
  };
  for (const auto& c : cases) EXPECT_EQ(LanguageToCode(c.name), c.code) << '"' << c.name << '"';
}

}  // namespace
}  // namespace db
