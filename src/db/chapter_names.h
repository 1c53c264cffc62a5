// The chapter names and the language code of a movie, for the disc exports with names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace db {

// The UTF-8 names of the visible chapters (hidden 0) of the movie's rows in the order
// version, kapnr, up to the first row of edition 2. Entry k belongs to chapter k of a
// disc's chapter list. Database errors are raised.
std::vector<std::string> GetChapterNames(const std::string& movie_id);

// LanguageToCode of the movie's `sprache`; "und" when the movie has no row. Database
// errors are raised.
std::string GetMovieLanguage(const std::string& movie_id);

// "spa", "ita", "ger", "fre", "eng" for exactly "Spanish", "Italian", "German",
// "French", "English"; "und" for anything else.
std::string LanguageToCode(std::string_view language);

}  // namespace db
