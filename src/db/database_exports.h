// The exports of a movie's chapters straight from the chapter database: OGG chapter text
// of the first edition, a Matroska chapter document of every edition, or a list of the
// chapter names. Each needs an open context and a logged-in user, writes its file (the
// output name plus extension, or the default name in the program folder), then logs
// "fid=<movie number>:down>CLI:<form>". Each catches its own errors and prints the
// message as one line; no log row is written when the file was not.
#pragma once

#include <string>

namespace db {

// <output>.txt or "chapter file OGG mid=<movie number>.txt"; logs ":down>CLI:ogg".
void ExportMovieOgg(const std::string& movie_id, const std::string& output_name);

// <output>.xml or "chapter file matroska mid=<movie number>.xml"; logs ":down>CLI:xml".
void ExportMovieXml(const std::string& movie_id, const std::string& output_name);

// <output>.txt or "chapter names mid=<movie number>.txt"; logs ":down>CLI:names".
void ExportMovieNames(const std::string& movie_id, const std::string& output_name);

}  // namespace db
