#include "common/integer.h"

#include <gtest/gtest.h>

#include <string>

#include "common/error.h"

namespace common {
namespace {

TEST(ToInteger, AcceptedForms) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"+42", 42},
      {"-42", -42},
      {" \t 7", 7},              // leading blanks and tabs
      {"0012", 12},              // leading zeros
      {"$1F", 31},               // hexadecimal prefixes
      {"x1f", 31},
      {"X1F", 31},
      {"0x1F", 31},
      {"0X1f", 31},
      {"-$10", -16},
      {"%101", 5},               // binary
      {"&17", 15},               // octal
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$FFFFFFFF", -1},         // all 32 bits, two's complement
      {"$80000000", -2147483647 - 1},
      {"%11111111111111111111111111111111", -1},
  };
  for (const auto& c : cases) {
    auto value = ToInteger(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.value) << c.text;
  }
}

TEST(ToInteger, RejectedForms) {
  const char* cases[] = {
      "",             // empty
      " ",            // blanks only
      "-",            // sign without digits
      "$",            // prefix without digits
      "0x",
      "12 ",          // something after the digits
      "1.5",
      "abc",
      "1e3",
      "2147483648",   // decimal beyond the signed 32-bit range
      "-2147483649",
      "$100000000",   // more than 32 bits
      "%2",           // digit outside the base
      "&8",
      " -5x",
  };
  for (const char* text : cases) EXPECT_FALSE(ToInteger(text).has_value()) << text;
}

TEST(ToInteger, TextOf256CharactersOrMoreIsNoInteger) {
  EXPECT_TRUE(ToInteger(std::string(254, ' ') + "7").has_value());
  EXPECT_FALSE(ToInteger(std::string(255, ' ') + "7").has_value());
  EXPECT_FALSE(ToInteger(std::string(300, '1')).has_value());
}

TEST(ToInteger, DefaultsAndErrors) {
  EXPECT_EQ(ToIntegerOr("abc", -1), -1);
  EXPECT_EQ(ToIntegerOr("5", -1), 5);
  try {
    ToIntegerOrThrow("");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "\"\" is an invalid integer");
  }
}

}  // namespace
}  // namespace common
