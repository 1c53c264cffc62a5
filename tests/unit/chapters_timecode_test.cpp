#include "chapters/timecode.h"

#include <gtest/gtest.h>

#include <clocale>

#include "common/error.h"

namespace chapters {
namespace {

TEST(SecondsToTimecode, Examples) {
  struct Case {
    double seconds;
    const char* timecode;
  } cases[] = {
      {0.0, "00:00:00.000000000"},
      {0.5, "00:00:00.500000000"},
      {120.0, "00:02:00.000000000"},
      {3600.0, "01:00:00.000000000"},
      {5025.12, "01:23:45.120000000"},
      {5025.123466666667, "01:23:45.123466666"},  // 15 digits: 5025.12346666667
      {59.99999999999999, "00:01:00.000000000"},  // rounds to 60 first
      {90000.0, "25:00:00.000000000"},
      {360000.0, "100:00:00.000000000"},
      {1.0 / 45000.0, "00:00:00.000022222"},  // no exponent form, cut not rounded
      {0.04 + 0.04 + 0.04, "00:00:00.120000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(SecondsToTimecode(c.seconds), c.timecode) << c.seconds;
}

TEST(SecondsToTimecode, FifteenDigitText) {
  EXPECT_EQ(FifteenDigitText(5025.123466666667), "5025.12346666667");
  EXPECT_EQ(FifteenDigitText(5025.12), "5025.12");
  EXPECT_EQ(FifteenDigitText(120.0), "120");
  EXPECT_EQ(FifteenDigitText(1.0 / 45000.0), "0.0000222222222222222");
}

TEST(SecondsToTimecode, IgnoresTheLocaleDecimalSeparator) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(SecondsToTimecode(5025.12), "01:23:45.120000000");
  EXPECT_DOUBLE_EQ(TimecodeToSeconds("01:23:45.678"), 5025.678);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TimecodeToSeconds, Examples) {
  struct Case {
    const char* timecode;
    double seconds;
  } cases[] = {
      {"01:23:45.678", 5025.678},
      {"00:00:59.999", 59.999},
      {"00:01:00", 60.0},
      {"100:00:00.000", 360000.0},
      {"00:00:01.1234567891", 1.123456789},  // tenth fraction digit ignored
      {"01:23:45.", 5025.0},                  // frame byte 0x96: no fraction digits
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(TimecodeToSeconds(c.timecode), c.seconds) << c.timecode;
}

TEST(TimecodeToSeconds, BadPiecesNameThemselves) {
  struct Case {
    const char* timecode;
    const char* message;
  } cases[] = {
      {"1A:00:00.000", "\"1A\" is an invalid float"},
      {"000000.000", "\"\" is an invalid float"},  // no colon: empty hours
      {"00:0x:00.000", "\"0x\" is an invalid float"},
  };
  for (const auto& c : cases) {
    try {
      TimecodeToSeconds(c.timecode);
      ADD_FAILURE() << c.timecode;
    } catch (const common::Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(MillisecondTimecode, CutsTheLastSixDigits) {
  EXPECT_EQ(MillisecondTimecode("01:23:45.678999999"), "01:23:45.678");
  EXPECT_EQ(MillisecondTimecode("01:23:45."), "01:");
}

}  // namespace
}  // namespace chapters
