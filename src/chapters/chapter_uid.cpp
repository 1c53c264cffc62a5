#include "chapters/chapter_uid.h"

#include <cstdint>

namespace chapters {
namespace {

// Two outputs make a 63-bit value: the first is its low half, the second (top bit
// cleared) its high 31 bits.
uint64_t Draw64Below(std::mt19937& generator, uint64_t limit) {
  uint64_t low = generator();
  uint64_t high = generator() & 0x7FFFFFFFu;
  return ((high << 32) | low) % limit;
}

// One output scaled into [0, limit): floor(g * limit / 2^32).
uint64_t Draw32Below(std::mt19937& generator, uint32_t limit) {
  return (static_cast<uint64_t>(generator()) * limit) >> 32;
}

}  // namespace

std::string NewChapterUID(std::mt19937& generator) {
  uint64_t a = Draw64Below(generator, 9999999999u) + 1000000000u;
  uint64_t b = Draw32Below(generator, 999999999u) + 100000000u;
  // A has 10 or 11 digits and B 9 or 10, so there are always at least 19.
  return (std::to_string(a) + std::to_string(b)).substr(0, 19);
}

std::string NewChapterUID() {
  static std::mt19937 generator(0);
  return NewChapterUID(generator);
}

}  // namespace chapters
