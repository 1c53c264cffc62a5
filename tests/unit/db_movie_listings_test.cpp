#include "db/movie_listings.h"

#include <gtest/gtest.h>

namespace db {
namespace {

TEST(MovieTypeName, CodesOneToFiveElseEmpty) {
  const char* const names[] = {"", "Blu-Ray", "DVD", "HD-DVD", "self created", "unknown", ""};
  for (int code = 0; code <= 6; ++code) EXPECT_EQ(MovieTypeName(code), names[code]) << code;
  EXPECT_EQ(MovieTypeName(-1), "");
}

}  // namespace
}  // namespace db
