// Integer conversion of command-line and file text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace common {

// Leading blanks and tabs, an optional sign, an optional base prefix ("$", "x", "X",
// "0x", "0X" hexadecimal; "%" binary; "&" octal), then one or more digits and nothing
// else. Decimal values must fit a signed 32-bit integer; the other bases may use all 32
// bits and are read as two's complement. Empty text and text of 256 characters or more
// are no integers.
std::optional<std::int32_t> ToInteger(std::string_view text);

// ToInteger, or `fallback` when the text is no integer.
std::int32_t ToIntegerOr(std::string_view text, std::int32_t fallback);

// ToInteger, or an Error ""text" is an invalid integer".
std::int32_t ToIntegerOrThrow(std::string_view text);

}  // namespace common
