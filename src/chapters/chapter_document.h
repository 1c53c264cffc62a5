// Matroska chapter XML documents: the tree, its builders and its exact bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/chapter_time_list.h"

namespace chapters {

// An element holds child elements or one text node (possibly empty); one with neither
// is written as an empty-element tag. No attributes.
struct XmlElement {
  std::string name;
  std::optional<std::string> text;  // UTF-8
  std::vector<XmlElement> children;

  // Both append a child and return it: AddChild an element for children of its own,
  // AddText one holding `child_text`. The returned reference stays valid until the next
  // child is appended to this element.
  XmlElement& AddChild(std::string child_name);
  XmlElement& AddText(std::string child_name, std::string child_text);
};

// The document: the comment line, then the root element Chapters.
struct ChapterDocument {
  XmlElement chapters{"Chapters", std::nullopt, {}};
};

// The comment that follows the declaration in every document (a comment, not a
// document type declaration).
inline constexpr std::string_view kChapterDocumentComment =
    " <!DOCTYPE Chapters SYSTEM \"matroskachapters.dtd\"> ";

// Appends an EditionEntry with a new EditionUID, EditionFlagHidden 0 and
// EditionFlagDefault 0, and returns it (valid until the next edition is appended).
XmlElement& AddEdition(ChapterDocument& document);

// The disc document without names: one edition, one ChapterAtom per chapter of the list
// (notices left out).
ChapterDocument BuildChapterXml(const ChapterTimeList& list);

// The disc document with names: chapter k (its position in the list, notices counted)
// gets a ChapterDisplay with names[k] (UTF-8, passed through the system code page) and
// the language when the list is long enough.
ChapterDocument BuildChapterXmlWithNames(const ChapterTimeList& list,
                                         const std::vector<std::string>& names,
                                         std::string_view language);

// The bytes of the document: UTF-8, CR LF, two-space indent; in text "&", "<" and ">"
// are escaped and every line break becomes CR LF. Bytes that are not UTF-8 are written
// as "?", so the file is always well-formed. Fails with "Illegal character" for a
// control character other than tab, CR and LF.
std::string SerialiseChapterXml(const ChapterDocument& document);

// Writes the document to a file named in the system code page, replacing an old one.
// The bytes are complete before the file is touched, so on failure no file is created
// and an old one keeps its content. Fails with "Unable to create file "name"" or
// "Illegal character".
void WriteChapterXmlFile(const ChapterDocument& document, const std::string& system_file_name);

}  // namespace chapters
