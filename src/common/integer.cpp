#include "common/integer.h"

#include <string>

#include "common/error.h"

namespace common {

namespace {

constexpr size_t kMaxIntegerText = 256;

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

}  // namespace

std::optional<std::int32_t> ToInteger(std::string_view text) {
  if (text.empty() || text.size() >= kMaxIntegerText) return std::nullopt;
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  int base = 10;
  std::string_view rest = text.substr(pos);
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    pos += 2;
  } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    base = 16;
    pos += 1;
  } else if (!rest.empty() && rest[0] == '%') {
    base = 2;
    pos += 1;
  } else if (!rest.empty() && rest[0] == '&') {
    base = 8;
    pos += 1;
  }
  if (pos >= text.size()) return std::nullopt;
  // Decimal: the magnitude may reach 2^31 for a negative value. Other bases: 32 bits.
  const std::uint64_t limit = base == 10 ? (negative ? 0x80000000ULL : 0x7FFFFFFFULL) : 0xFFFFFFFFULL;
  std::uint64_t value = 0;
  for (; pos < text.size(); ++pos) {
    int digit = DigitValue(text[pos]);
    if (digit >= base) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0U - bits;
  return static_cast<std::int32_t>(bits);
}

std::int32_t ToIntegerOr(std::string_view text, std::int32_t fallback) {
  return ToInteger(text).value_or(fallback);
}

std::int32_t ToIntegerOrThrow(std::string_view text) {
  if (auto value = ToInteger(text)) return *value;
  throw Error("\"" + std::string(text) + "\" is an invalid integer");
}

}  // namespace common
