#include "dvd/playback_time.h"

#include <cstdio>

#include "common/error.h"

namespace dvd {

namespace {

constexpr std::int32_t kNoFrameRate = 0x96;
constexpr std::int32_t kPalBase = 0x40;   // rate bits 01
constexpr std::int32_t kNtscBase = 0xC0;  // rate bits 11
constexpr std::int64_t kNanoseconds = 1000000000;

std::string Hex(std::int32_t value) {
  char text[9];
  if (value < 0) {
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  } else {
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value));
  }
  return text;
}

// The frame number written as hexadecimal digits is read back as a decimal number, so
// only BCD nibbles survive.
std::int32_t FrameNumber(std::int32_t value) {
  std::string text = Hex(value);
  std::int32_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') throw common::Error("\"" + text + "\" is an invalid float");
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string FractionDigits(std::int32_t frames, std::int32_t rate) {
  std::int64_t nanoseconds = static_cast<std::int64_t>(frames % rate) * kNanoseconds / rate;
  std::string text = std::to_string(nanoseconds);
  return std::string(9 - text.size(), '0') + text;
}

}  // namespace

std::string ReadPlaybackTime(const FileImage& image, std::int64_t position) {
  IntArray bytes = ReadByteArray(image, position, 4);
  std::string text = Hex(bytes[0]) + ":" + Hex(bytes[1]) + ":" + Hex(bytes[2]) + ".";
  const std::int32_t frame_byte = bytes[3];
  if (frame_byte < kNoFrameRate) {
    text += FractionDigits(FrameNumber(frame_byte - kPalBase), 25);
  } else if (frame_byte > kNoFrameRate) {
    text += FractionDigits(FrameNumber(frame_byte - kNtscBase), 30);
  }
  return text;
}

}  // namespace dvd
