#include "dvd/playback_time.h"

#include <gtest/gtest.h>

#include <string>

#include "common/error.h"

namespace {

std::string Decode(const std::string& bytes) { return dvd::ReadPlaybackTime(dvd::FileImage(bytes), 0); }

std::string Bytes(unsigned char h, unsigned char m, unsigned char s, unsigned char f) {
  return std::string{static_cast<char>(h), static_cast<char>(m), static_cast<char>(s), static_cast<char>(f)};
}

TEST(DvdPlaybackTimeTest, DecodesHoursMinutesSecondsAndFrames) {
  struct Case {
    std::string bytes;
    const char* expected;
  };
  const Case cases[] = {
      {Bytes(0x01, 0x23, 0x45, 0x59), "01:23:45.760000000"},  // 25 per second, frame 19
      {Bytes(0x00, 0x00, 0x10, 0xC1), "00:00:10.033333333"},  // 30 per second, frame 1
      {Bytes(0x00, 0x00, 0x10, 0xD5), "00:00:10.500000000"},  // 30 per second, frame 15
      {Bytes(0x00, 0x00, 0x00, 0x40), "00:00:00.000000000"},  // frame 0 at 25
      {Bytes(0x00, 0x00, 0x00, 0xC0), "00:00:00.000000000"},  // frame 0 at 30
      {Bytes(0x00, 0x00, 0x00, 0x41), "00:00:00.040000000"},
      {Bytes(0x00, 0x00, 0x00, 0x64), "00:00:00.960000000"},  // 24 frames at 25
      {Bytes(0x00, 0x00, 0x00, 0xC2), "00:00:00.066666666"},  // truncated, not rounded
      {Bytes(0x00, 0x00, 0x00, 0xE9), "00:00:00.966666666"},  // 29 frames at 30
      {Bytes(0x00, 0x00, 0x00, 0x80), "00:00:00.600000000"},  // 40 frames at 25: fraction only
      {Bytes(0x00, 0x00, 0x00, 0x95), "00:00:00.200000000"},  // 55 frames at 25, last byte at 25
      {Bytes(0x01, 0x00, 0x00, 0x96), "01:00:00."},           // no frame rate: empty fraction
      {Bytes(0x1A, 0x00, 0x00, 0x40), "1A:00:00.000000000"},  // nibbles above 9 are not checked here
      {Bytes(0x99, 0x59, 0x59, 0x40), "99:59:59.000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decode(c.bytes), c.expected);
  }
}

TEST(DvdPlaybackTimeTest, UndecodableFrameBytesFailWithTheConversionMessage) {
  struct Case {
    unsigned char frame_byte;
    const char* message;
  };
  const Case cases[] = {
      {0x00, "\"FFFFFFC0\" is an invalid float"},  // an all-zero time: negative, eight digits
      {0x3F, "\"FFFFFFFF\" is an invalid float"},  // just below the 25 per second base
      {0x4A, "\"0A\" is an invalid float"},        // nibble above 9
      {0x7F, "\"3F\" is an invalid float"},
      {0x97, "\"FFFFFFD7\" is an invalid float"},  // above 0x96, below the 30 per second base
      {0xBF, "\"FFFFFFFF\" is an invalid float"},
      {0xFF, "\"3F\" is an invalid float"},
  };
  for (const Case& c : cases) {
    try {
      Decode(Bytes(0x00, 0x00, 0x00, c.frame_byte));
      ADD_FAILURE() << "no error for frame byte " << int{c.frame_byte};
    } catch (const common::Error& error) {
      EXPECT_STREQ(error.what(), c.message) << "frame byte " << int{c.frame_byte};
    }
  }
}

TEST(DvdPlaybackTimeTest, ReadsAtAPositionAndFailsPastTheEnd) {
  const dvd::FileImage image(std::string("\xAA\x00\x00\x10\xC1", 5));
  EXPECT_EQ(dvd::ReadPlaybackTime(image, 1), "00:00:10.033333333");
  for (std::int64_t position : {2, 5, 1000}) {
    try {
      dvd::ReadPlaybackTime(image, position);
      ADD_FAILURE() << position;
    } catch (const common::Error& error) {
      EXPECT_STREQ(error.what(), "Stream read error") << position;
    }
  }
}

}  // namespace
