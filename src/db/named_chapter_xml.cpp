#include "db/named_chapter_xml.h"

#include "db/chapter_names.h"

namespace db {

chapters::ChapterDocument BuildNamedChapterXml(const chapters::ChapterTimeList& list, const std::string& movie_id) {
  const std::vector<std::string> names = GetChapterNames(movie_id);
  const std::string language = GetMovieLanguage(movie_id);
  return chapters::BuildChapterXmlWithNames(list, names, language);
}

}  // namespace db
