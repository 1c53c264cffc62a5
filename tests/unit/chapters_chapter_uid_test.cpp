#include "chapters/chapter_uid.h"

#include <gtest/gtest.h>

#include <random>

namespace chapters {
namespace {

TEST(NewChapterUID, FirstThreeOfARun) {
  std::mt19937 generator(0);
  EXPECT_EQ(NewChapterUID(generator), "1067622006781518936");
  EXPECT_EQ(NewChapterUID(generator), "8329396959957945618");
  EXPECT_EQ(NewChapterUID(generator), "1032032389952365479");
}

// A with 10 or 11 digits and B with 9 or 10 always make 19 digits after the cut.
TEST(NewChapterUID, AlwaysNineteenDigitsWithoutLeadingZero) {
  std::mt19937 generator(0);
  for (int i = 0; i < 100000; ++i) {
    std::string uid = NewChapterUID(generator);
    ASSERT_EQ(uid.size(), 19u) << uid;
    ASSERT_EQ(uid.find_first_not_of("0123456789"), std::string::npos) << uid;
    ASSERT_NE(uid[0], '0') << uid;
  }
}

TEST(NewChapterUID, ProcessWideGeneratorGoesOn) {
  std::string first = NewChapterUID();
  std::string second = NewChapterUID();
  EXPECT_EQ(first.size(), 19u);
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace chapters
