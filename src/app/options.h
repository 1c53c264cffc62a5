// Options: "-" followed by letters ("ah", no values), or "--" followed by a long name,
// with "=value" in the same parameter for the names that take one. Names are
// case-sensitive; every other parameter is positional.
#pragma once

#include <string>
#include <string_view>

namespace app {

inline constexpr std::string_view kShortOptions = "ah";
inline constexpr std::string_view kLongOptions =
    "user: pass: mid: range: title: ogg: xml: names: anleitung help";

// Empty when every parameter is acceptable, otherwise the error text for the first
// offending parameter. List entries ending in ":" take a value.
std::string ValidateOptions(std::string_view short_letters, std::string_view long_list);

// True when a parameter names the short letter or, failing that, the long name. The
// parameters are searched from last to first.
bool OptionPresent(char letter, std::string_view long_name);
bool OptionPresent(std::string_view long_name);

// The value of the last parameter naming the long option (the text after its first
// "="), or empty text.
std::string OptionValue(std::string_view long_name);

// Database mode: the library check, then "--pass=" in position 2 and one of "--range=",
// "--title=", "--mid=" in position 3. Prints its own message on failure.
bool CheckDatabaseParameters();

// Blu-ray export with names: "--user=", "--pass=", "--mid=" in positions 4 to 6. Prints
// its own message on failure.
bool CheckNamedExportParameters();

// True when the MySQL client library file is in the program folder; otherwise prints
// "The libmySQL.dll could not be found.".
bool CheckMySqlLibrary();

}  // namespace app
