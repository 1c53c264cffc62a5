// The disc exports with chapter names and language from the chapter database, shared by
// the DVD and Blu-ray readers.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "chapters/chapter_time_list.h"
#include "chapters/disc_chapter_export.h"

namespace db {

// Checks the movie number, connects and logs in (printing their messages on failure),
// then writes the disc's chapter list with the movie's names: OGG takes the names before
// it reads the list, XML reads the list and then builds its document with names and
// language (BuildNamedChapterXml). After the file, one log row
// "fid=<movie>:down>CLI:<disc>>ogg" or "...>xml" (disc "BD" or "DVD"). Every error is
// printed as one line; the steps after it are not done.
void ExportNamedDiscChapters(chapters::ChapterFileFormat format,
                             const std::function<chapters::ChapterTimeList()>& read_list,
                             const std::string& output_name, const std::string& user, const std::string& password,
                             const std::string& movie_id, std::string_view disc);

}  // namespace db
