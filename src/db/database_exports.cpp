#include "db/database_exports.h"

#include <cstdint>
#include <exception>
#include <vector>

#include "chapters/chapter_document.h"
#include "chapters/chapter_uid.h"
#include "chapters/disc_chapter_export.h"
#include "chapters/ogg_chapters.h"
#include "chapters/output_file.h"
#include "chapters/timecode.h"
#include "common/console.h"
#include "common/text.h"
#include "db/chapter_names.h"
#include "db/database_context.h"
#include "db/login.h"

namespace db {

namespace {

using common::SystemToUtf8;
using common::Utf8ToSystem;

std::string ChapterRowsStatement(const std::string& columns, const std::string& movie_id) {
  return "SELECT " + columns + " FROM kapitel WHERE k_fid=" + Quote(movie_id) + " ORDER BY version,kapnr;";
}

// The Matroska document of every edition: an EditionEntry whenever a row's version
// exceeds the editions begun so far, hidden chapters kept but without a display.
chapters::ChapterDocument BuildMovieDocument(const std::string& movie_id) {
  chapters::ChapterDocument document;
  Query& language_query = RunQuery("SELECT sprache FROM filme WHERE fid=" + Quote(movie_id) + ";");
  language_query.First();
  const std::string language = LanguageToCode(language_query.FieldText("sprache"));

  Query& rows = RunQuery(ChapterRowsStatement("*", movie_id));
  rows.First();
  std::int32_t edition_counter = 0;
  chapters::XmlElement* edition = nullptr;
  for (std::size_t i = 0, count = rows.RecordCount(); i < count; ++i) {
    const bool ordered = rows.FieldInteger("ordered") == 1;
    // Rows numbered below 1 before any edition form an edition of their own rather than
    // having none to belong to.
    const bool begins_edition = rows.FieldInteger("version") > edition_counter;
    if (begins_edition || edition == nullptr) {
      if (begins_edition) ++edition_counter;
      edition = &chapters::AddEdition(document);
      if (ordered) edition->AddText("EditionFlagOrdered", "1");
    }
    chapters::XmlElement& atom = edition->AddChild("ChapterAtom");
    atom.AddText("ChapterUID", chapters::NewChapterUID());
    atom.AddText("ChapterTimeStart", rows.FieldText("stime"));
    if (ordered) atom.AddText("ChapterTimeEnd", rows.FieldText("etime"));
    atom.AddText("ChapterFlagHidden", rows.FieldText("hidden"));
    atom.AddText("ChapterFlagEnabled", "1");
    if (rows.FieldInteger("hidden") == 0) {
      chapters::XmlElement& display = atom.AddChild("ChapterDisplay");
      // Names arrive in the system code page, as for every reader of the database.
      display.AddText("ChapterString", SystemToUtf8(rows.FieldText("kapname")));
      display.AddText("ChapterLanguage", language);
    }
    rows.Next();
  }
  return document;
}

// The OGG chapters of the rows before edition 2: visible ones numbered without gaps.
std::vector<chapters::OggChapter> MovieOggChapters(const std::string& movie_id) {
  std::vector<chapters::OggChapter> result;
  Query& rows = RunQuery(ChapterRowsStatement("kapname,stime,version,hidden", movie_id));
  rows.First();
  std::int32_t hidden_count = 0;
  for (std::size_t i = 0, count = rows.RecordCount(); i < count; ++i) {
    if (rows.FieldInteger("version") == 2) break;
    const std::int32_t hidden = rows.FieldInteger("hidden");
    if (hidden == 1) ++hidden_count;
    if (hidden == 0) {
      const int number = static_cast<int>(i) - hidden_count;
      result.push_back({number, chapters::MillisecondTimecode(rows.FieldText("stime")),
                        SystemToUtf8(rows.FieldText("kapname"))});
    }
    rows.Next();
  }
  return result;
}

// The lines of the names list: names of visible chapters, with "edition: n" headings
// only when the rows begin more than one edition.
std::string MovieNamesText(const std::string& movie_id) {
  std::vector<std::string> lines;
  Query& rows = RunQuery(ChapterRowsStatement("kapname,version,hidden", movie_id));
  rows.First();
  std::int32_t edition_counter = 0;
  for (std::size_t i = 0, count = rows.RecordCount(); i < count; ++i) {
    if (rows.FieldInteger("version") > edition_counter) {
      ++edition_counter;
      if (edition_counter > 1) lines.emplace_back();
      lines.push_back("edition: " + std::to_string(edition_counter));
    }
    if (rows.FieldInteger("hidden") == 0) lines.push_back(SystemToUtf8(rows.FieldText("kapname")));
    rows.Next();
  }
  if (edition_counter == 1) lines.erase(lines.begin());
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

void ExportMovieOgg(const std::string& movie_id, const std::string& output_name) {
  try {
    const std::vector<chapters::OggChapter> lines = MovieOggChapters(movie_id);
    const std::string file_name =
        chapters::ChapterFileName(chapters::ChapterFileFormat::kOgg, output_name, " mid=" + movie_id);
    chapters::WriteOggChapterFile(Utf8ToSystem(file_name), lines);
    WriteLogEntry("fid=" + movie_id + ":down>CLI:ogg");
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

void ExportMovieXml(const std::string& movie_id, const std::string& output_name) {
  try {
    const chapters::ChapterDocument document = BuildMovieDocument(movie_id);
    const std::string file_name =
        chapters::ChapterFileName(chapters::ChapterFileFormat::kXml, output_name, " mid=" + movie_id);
    chapters::WriteChapterXmlFile(document, Utf8ToSystem(file_name));
    WriteLogEntry("fid=" + movie_id + ":down>CLI:xml");
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

void ExportMovieNames(const std::string& movie_id, const std::string& output_name) {
  try {
    const std::string text = MovieNamesText(movie_id);
    const std::string file_name =
        chapters::OutputFileName(output_name, ".txt", "chapter names mid=" + movie_id + ".txt");
    chapters::WriteOutputFile(Utf8ToSystem(file_name), text);
    WriteLogEntry("fid=" + movie_id + ":down>CLI:names");
  } catch (const std::exception& error) {
    common::WriteLine(error.what());
  }
}

}  // namespace db
