// The disc chapter document with the chapter names and language of a database movie.
#pragma once

#include <string>

#include "chapters/chapter_document.h"
#include "chapters/chapter_time_list.h"

namespace db {

// Fetches the movie's names (GetChapterNames), then its language (GetMovieLanguage), and
// builds the disc document in which chapter k carries name k when there is one. Needs an
// open context and a logged-in user; database errors are raised.
chapters::ChapterDocument BuildNamedChapterXml(const chapters::ChapterTimeList& list, const std::string& movie_id);

}  // namespace db
