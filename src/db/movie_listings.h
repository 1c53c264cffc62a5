// The movie information display and the two movie listings of database mode. Each runs
// its statements on the open context and prints its lines; database errors are raised to
// the caller.
#pragma once

#include <cstdint>
#include <string>

namespace db {

// "Blu-Ray", "DVD", "HD-DVD", "self created", "unknown" for the codes 1 to 5; empty text
// for any other code.
std::string MovieTypeName(std::int32_t code);

// The ten lines of the movie's `filme` row (empty values when there is none), then one
// line per chapter of every edition, with an "edition n" heading per edition when the
// movie has more than one.
void ShowMovieInfo(const std::string& movie_id);

// The movies numbered from the range start (as typed) to its value plus 200.
void ListMoviesByRange(const std::string& range_start);

// Up to 200 movies whose title begins with the text (UTF-8), by title. "%" and "_" in
// the text are wildcards; every other character, the backslash too, stands for itself.
void ListMoviesByTitle(const std::string& title_beginning);

}  // namespace db
