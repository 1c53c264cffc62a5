#include "chapters/chapter_document.h"

#include <utility>

#include "chapters/chapter_uid.h"
#include "chapters/output_file.h"
#include "common/error.h"
#include "common/text.h"

namespace chapters {

XmlElement& XmlElement::AddChild(std::string child_name) {
  children.push_back({std::move(child_name), std::nullopt, {}});
  return children.back();
}

XmlElement& XmlElement::AddText(std::string child_name, std::string child_text) {
  children.push_back({std::move(child_name), std::move(child_text), {}});
  return children.back();
}

XmlElement& AddEdition(ChapterDocument& document) {
  XmlElement& edition = document.chapters.AddChild("EditionEntry");
  edition.AddText("EditionUID", NewChapterUID());
  edition.AddText("EditionFlagHidden", "0");
  edition.AddText("EditionFlagDefault", "0");
  return edition;
}

namespace {

ChapterDocument BuildDiscDocument(const ChapterTimeList& list, const std::vector<std::string>* names,
                                  std::string_view language) {
  ChapterDocument document;
  XmlElement& edition = AddEdition(document);
  for (size_t k = 0; k < list.size(); ++k) {
    if (IsNotice(list[k])) continue;
    XmlElement& atom = edition.AddChild("ChapterAtom");
    atom.AddText("ChapterUID", NewChapterUID());
    atom.AddText("ChapterTimeStart", list[k]);
    atom.AddText("ChapterFlagHidden", "0");
    atom.AddText("ChapterFlagEnabled", "1");
    if (names != nullptr && k < names->size()) {
      XmlElement& display = atom.AddChild("ChapterDisplay");
      // Through the system code page, as every name from the database takes that road.
      display.AddText("ChapterString", common::SystemToUtf8(common::Utf8ToSystem((*names)[k])));
      display.AddText("ChapterLanguage", std::string(language));
    }
  }
  return document;
}

// The length of the well-formed UTF-8 sequence at `text[at]`, a byte of 0x80 or more;
// 0 when it is not one, with `*bad_length` set to the bytes that belong to the bad
// sequence (at least 1), so each ill-formed piece becomes one replacement.
size_t Utf8SequenceLength(std::string_view text, size_t at, size_t* bad_length) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    *bad_length = 1;
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    bool fits = at + i < text.size() && byte(at + i) >= (i == 1 ? low : 0x80) &&
                byte(at + i) <= (i == 1 ? high : 0xBF);
    if (!fits) {
      *bad_length = i;
      return 0;
    }
  }
  return length;
}

void AppendText(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '&': out += "&amp;"; ++i; continue;
      case '<': out += "&lt;"; ++i; continue;
      case '>': out += "&gt;"; ++i; continue;
      case '\n': out += "\r\n"; ++i; continue;
      case '\r':
        out += "\r\n";
        i += (i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        continue;
      case '\t': out += '\t'; ++i; continue;
      default: break;
    }
    if (c < 0x20) throw common::Error("Illegal character");
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    size_t bad_length = 0;
    size_t length = Utf8SequenceLength(text, i, &bad_length);
    if (length == 0) {
      out += '?';
      i += bad_length;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
}

void AppendElement(std::string& out, const XmlElement& element, size_t level) {
  std::string indent(2 * level, ' ');
  if (element.text.has_value()) {
    out += indent + "<" + element.name + ">";
    AppendText(out, *element.text);
    out += "</" + element.name + ">\r\n";
  } else if (element.children.empty()) {
    out += indent + "<" + element.name + "/>\r\n";
  } else {
    out += indent + "<" + element.name + ">\r\n";
    for (const XmlElement& child : element.children) AppendElement(out, child, level + 1);
    out += indent + "</" + element.name + ">\r\n";
  }
}

}  // namespace

ChapterDocument BuildChapterXml(const ChapterTimeList& list) { return BuildDiscDocument(list, nullptr, {}); }

ChapterDocument BuildChapterXmlWithNames(const ChapterTimeList& list,
                                         const std::vector<std::string>& names,
                                         std::string_view language) {
  return BuildDiscDocument(list, &names, language);
}

std::string SerialiseChapterXml(const ChapterDocument& document) {
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
  out += "<!--" + std::string(kChapterDocumentComment) + "-->\r\n";
  AppendElement(out, document.chapters, 0);
  return out;
}

void WriteChapterXmlFile(const ChapterDocument& document, const std::string& system_file_name) {
  // The whole text first: an illegal character must fail before any file is touched.
  WriteOutputFile(system_file_name, SerialiseChapterXml(document));
}

}  // namespace chapters
