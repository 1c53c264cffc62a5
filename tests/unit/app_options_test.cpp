#include "app/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace app {
namespace {

std::string Validate(std::vector<std::string> parameters) {
  SetParameters(std::move(parameters));
  return ValidateOptions(kShortOptions, kLongOptions);
}

TEST(ValidateOptions, ErrorTexts) {
  struct Case {
    std::vector<std::string> parameters;
    const char* error;
  } cases[] = {
      {{}, ""},
      {{"/media/disc", "00800", "--ogg=film"}, ""},
      {{"--user=a", "--pass=", "--mid=5", "--names="}, ""},   // empty values are values
      {{"-ah"}, ""},
      {{"--foo"}, "Invalid option at position 1: \"foo\""},
      {{"D:", "-x"}, "Invalid option at position 2: \"x\""},
      {{"-hx"}, "Invalid option at position 1: \"x\""},
      {{"-h:"}, "Invalid option at position 1: \":\""},
      {{"-"}, "Invalid option at position 1: \"-\""},
      {{"--"}, "Invalid option at position 1: \"\""},
      {{"-H"}, "Invalid option at position 1: \"H\""},
      {{"--Help"}, "Invalid option at position 1: \"Help\""},
      {{"--User=x"}, "Invalid option at position 1: \"User\""},
      {{"--foo=1=2"}, "Invalid option at position 1: \"foo\""},
      {{"D:", "VTS_01_0", "-1"}, "Invalid option at position 3: \"1\""},  // a negative title
      {{"D:", "VTS_01_0", "1", "--ogg"}, "Option at position 4 needs an argument : ogg"},
      {{"--help=1"}, "Option at position 1 does not allow an argument: help"},
      {{"--anleitung="}, "Option at position 1 does not allow an argument: anleitung"},
      {{"--foo", "-x"}, "Invalid option at position 1: \"foo\""},  // first by position
      {{"x", "", "--mid"}, "Option at position 3 needs an argument : mid"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Validate(c.parameters), c.error) << (c.parameters.empty() ? "" : c.parameters[0]);
  }
}

TEST(OptionLookup, NamesAndValues) {
  SetParameters({"-h", "--ogg=a.txt", "--title=a=b", "-ha", "--user=", "--xml"});
  EXPECT_TRUE(OptionPresent('h', "help"));
  EXPECT_TRUE(OptionPresent("ogg"));
  EXPECT_EQ(OptionValue("ogg"), "a.txt");
  EXPECT_EQ(OptionValue("title"), "a=b");    // everything after the first "="
  EXPECT_FALSE(OptionPresent('a', "anleitung"));  // "-ha" names nothing
  EXPECT_TRUE(OptionPresent("user"));
  EXPECT_EQ(OptionValue("user"), "");
  EXPECT_TRUE(OptionPresent("xml"));
  EXPECT_EQ(OptionValue("xml"), "");         // no "=": empty value
  EXPECT_EQ(OptionValue("mid"), "");         // absent
  EXPECT_FALSE(OptionPresent("ogg=a.txt"));
}

TEST(OptionLookup, LaterParameterWins) {
  SetParameters({"--mid=1", "--mid=2"});
  EXPECT_EQ(OptionValue("mid"), "2");
  SetParameters({"--help", "x"});
  EXPECT_TRUE(OptionPresent('h', "help"));
  SetParameters({"--helpme"});
  EXPECT_FALSE(OptionPresent('h', "help"));
}

TEST(OptionLookup, ShortFormTakesTheNextParameterAsValue) {
  SetParameters({"-ogg", "film", "-mid", "-5"});
  EXPECT_EQ(OptionValue("ogg"), "film");
  EXPECT_EQ(OptionValue("mid"), "");
}

TEST(ParameterChecks, PositionsAndMessages) {
  SetParameters({"D:", "00800", "--ogg=", "--user=a", "--pass=b", "--mid="});
  EXPECT_TRUE(CheckNamedExportParameters());
  SetParameters({"D:", "00800", "--ogg=", "--user=a", "--mid=5", "--pass=b"});
  testing::internal::CaptureStdout();
  EXPECT_FALSE(CheckNamedExportParameters());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "5. parameter not found or invalid.\r\n");
}

TEST(CommandLine, ParametersBeyondTheLastReadEmpty) {
  SetParameters({"a"});
  EXPECT_EQ(ParameterCount(), 1);
  EXPECT_EQ(Parameter(1), "a");
  EXPECT_EQ(Parameter(2), "");
  EXPECT_EQ(Parameter(0), "");
}

}  // namespace
}  // namespace app
