#include "chapters/chapter_document.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "common/error.h"
#include "support/test_files.h"

namespace chapters {
namespace {

using test_support::ReadFile;
using test_support::TempDir;
using test_support::WriteFile;

constexpr char kHead[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<!-- <!DOCTYPE Chapters SYSTEM \"matroskachapters.dtd\"> -->\r\n";

std::string NoticeText() { return std::string(kShortChapterNotice); }

// The UIDs come from the run's generator, so expected texts take them from the tree.
const std::string& Uid(const XmlElement& element) {
  EXPECT_EQ(element.children.at(0).name.substr(element.children.at(0).name.size() - 3), "UID");
  return *element.children.at(0).text;
}

std::vector<std::string> ChildNames(const XmlElement& element) {
  std::vector<std::string> names;
  for (const XmlElement& child : element.children) names.push_back(child.name);
  return names;
}

TEST(ChapterDocument, OneChapterExactBytes) {
  ChapterDocument document = BuildChapterXml({"00:00:00.000000000"});
  const XmlElement& edition = document.chapters.children.at(0);
  const XmlElement& atom = edition.children.at(3);
  EXPECT_EQ(Uid(edition).size(), 19u);
  EXPECT_EQ(Uid(atom).size(), 19u);
  EXPECT_NE(Uid(edition), Uid(atom));
  EXPECT_EQ(SerialiseChapterXml(document),
            std::string(kHead) +
                "<Chapters>\r\n"
                "  <EditionEntry>\r\n"
                "    <EditionUID>" + Uid(edition) + "</EditionUID>\r\n"
                "    <EditionFlagHidden>0</EditionFlagHidden>\r\n"
                "    <EditionFlagDefault>0</EditionFlagDefault>\r\n"
                "    <ChapterAtom>\r\n"
                "      <ChapterUID>" + Uid(atom) + "</ChapterUID>\r\n"
                "      <ChapterTimeStart>00:00:00.000000000</ChapterTimeStart>\r\n"
                "      <ChapterFlagHidden>0</ChapterFlagHidden>\r\n"
                "      <ChapterFlagEnabled>1</ChapterFlagEnabled>\r\n"
                "    </ChapterAtom>\r\n"
                "  </EditionEntry>\r\n"
                "</Chapters>\r\n");
}

TEST(ChapterDocument, NoticeOnlyGivesAnEditionWithoutAtoms) {
  ChapterDocument document = BuildChapterXml({NoticeText()});
  const XmlElement& edition = document.chapters.children.at(0);
  EXPECT_EQ(SerialiseChapterXml(document),
            std::string(kHead) +
                "<Chapters>\r\n"
                "  <EditionEntry>\r\n"
                "    <EditionUID>" + Uid(edition) + "</EditionUID>\r\n"
                "    <EditionFlagHidden>0</EditionFlagHidden>\r\n"
                "    <EditionFlagDefault>0</EditionFlagDefault>\r\n"
                "  </EditionEntry>\r\n"
                "</Chapters>\r\n");
}

TEST(ChapterDocument, NamesByPositionWhileTheListLasts) {
  ChapterTimeList list = {"00:00:00.000000000", "00:01:00.000000000", NoticeText(),
                          "00:03:00.000000000", "00:04:00.000000000", "00:05:00.000000000"};
  // Position 2 is the notice: its name goes with it; positions 4 and 5 have none.
  std::vector<std::string> names = {"Intro", "Zwei", "Lost", "Vier"};
  ChapterDocument document = BuildChapterXmlWithNames(list, names, "ger");
  const XmlElement& edition = document.chapters.children.at(0);
  ASSERT_EQ(edition.children.size(), 3u + 5u);

  struct Expected {
    const char* start;
    const char* name;  // nullptr: no ChapterDisplay
  } expected[] = {
      {"00:00:00.000000000", "Intro"}, {"00:01:00.000000000", "Zwei"},
      {"00:03:00.000000000", "Vier"},  {"00:04:00.000000000", nullptr},
      {"00:05:00.000000000", nullptr},
  };
  for (size_t i = 0; i < 5; ++i) {
    const XmlElement& atom = edition.children[3 + i];
    SCOPED_TRACE(i);
    EXPECT_EQ(atom.children.at(1).text, expected[i].start);
    if (expected[i].name == nullptr) {
      EXPECT_EQ(ChildNames(atom), (std::vector<std::string>{"ChapterUID", "ChapterTimeStart",
                                                            "ChapterFlagHidden", "ChapterFlagEnabled"}));
    } else {
      ASSERT_EQ(atom.children.size(), 5u);
      const XmlElement& display = atom.children[4];
      EXPECT_EQ(display.name, "ChapterDisplay");
      EXPECT_EQ(ChildNames(display), (std::vector<std::string>{"ChapterString", "ChapterLanguage"}));
      EXPECT_EQ(display.children[0].text, expected[i].name);
      EXPECT_EQ(display.children[1].text, "ger");
    }
  }

  std::string bytes = SerialiseChapterXml(document);
  EXPECT_NE(bytes.find("      <ChapterFlagEnabled>1</ChapterFlagEnabled>\r\n"
                       "      <ChapterDisplay>\r\n"
                       "        <ChapterString>Vier</ChapterString>\r\n"
                       "        <ChapterLanguage>ger</ChapterLanguage>\r\n"
                       "      </ChapterDisplay>\r\n"
                       "    </ChapterAtom>\r\n"),
            std::string::npos);
}

TEST(ChapterDocument, TextEscapesAndUtf8) {
  struct Case {
    std::string text;
    std::string written;
  } cases[] = {
      {"Tom & Jerry", "Tom &amp; Jerry"},
      {"<Intro> \"quoted\" 'single'", "&lt;Intro&gt; \"quoted\" 'single'"},
      {"Gr\xC3\xBC\xC3\x9F" "e", "Gr\xC3\xBC\xC3\x9F" "e"},  // umlaut and sharp s: two bytes each
      {"\xE2\x82\xAC \xF0\x9F\x8E\xAC", "\xE2\x82\xAC \xF0\x9F\x8E\xAC"},  // three and four bytes
      {"a\nb\rc\r\nd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne"},  // every line break one CR LF
      {"tab\there\x7F", "tab\there\x7F"},
      {"", ""},
      // Bytes that are not UTF-8 become "?", one per broken piece.
      {"a\xFF" "b", "a?b"},
      {"\xC3", "?"},                         // cut off at the end
      {"\xC3(", "?("},                       // missing continuation
      {"\xE2\x82", "?"},                     // two of three bytes
      {"\xC0\xAF", "??"},                    // overlong
      {"\xED\xA0\x80", "???"},               // surrogate
      {"\xF4\x90\x80\x80", "????"},          // above U+10FFFF
  };
  for (const auto& c : cases) {
    ChapterDocument document;
    document.chapters.AddText("ChapterString", c.text);
    EXPECT_EQ(SerialiseChapterXml(document), std::string(kHead) + "<Chapters>\r\n  <ChapterString>" +
                                                 c.written + "</ChapterString>\r\n</Chapters>\r\n")
        << c.text;
  }
}

TEST(ChapterDocument, NamesGoThroughTheSystemCodePage) {
  std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.iso88591") == nullptr) GTEST_SKIP() << "no Latin-1 locale";
  // The umlaut survives Latin-1; the euro sign does not and becomes "?".
  ChapterDocument document =
      BuildChapterXmlWithNames({"00:00:00.000000000"}, {"\xC3\x9C" "ber 5 \xE2\x82\xAC"}, "ger");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(document.chapters.children.at(0).children.at(3).children.at(4).children.at(0).text,
            "\xC3\x9C" "ber 5 ?");
}

// The database export's layout: several editions, ordered ones with end times, hidden
// chapters without display, and a movie without rows.
TEST(ChapterDocument, DatabaseStyleDocument) {
  ChapterDocument empty;
  EXPECT_EQ(SerialiseChapterXml(empty), std::string(kHead) + "<Chapters/>\r\n");

  ChapterDocument document;
  XmlElement& first = AddEdition(document);
  first.AddText("EditionFlagOrdered", "1");
  XmlElement& atom = first.AddChild("ChapterAtom");
  atom.AddText("ChapterUID", "1111111111111111111");
  atom.AddText("ChapterTimeStart", "00:00:00.000000000");
  atom.AddText("ChapterTimeEnd", "");
  atom.AddText("ChapterFlagHidden", "1");
  atom.AddText("ChapterFlagEnabled", "1");
  XmlElement& second = AddEdition(document);
  second.AddChild("ChapterAtom").AddChild("ChapterDisplay");  // no children: empty-element tag
  ASSERT_EQ(document.chapters.children.size(), 2u);
  const std::string& first_uid = Uid(document.chapters.children[0]);
  const std::string& second_uid = Uid(document.chapters.children[1]);
  EXPECT_NE(first_uid, second_uid);
  EXPECT_EQ(SerialiseChapterXml(document),
            std::string(kHead) +
                "<Chapters>\r\n"
                "  <EditionEntry>\r\n"
                "    <EditionUID>" + first_uid + "</EditionUID>\r\n"
                "    <EditionFlagHidden>0</EditionFlagHidden>\r\n"
                "    <EditionFlagDefault>0</EditionFlagDefault>\r\n"
                "    <EditionFlagOrdered>1</EditionFlagOrdered>\r\n"
                "    <ChapterAtom>\r\n"
                "      <ChapterUID>1111111111111111111</ChapterUID>\r\n"
                "      <ChapterTimeStart>00:00:00.000000000</ChapterTimeStart>\r\n"
                "      <ChapterTimeEnd></ChapterTimeEnd>\r\n"
                "      <ChapterFlagHidden>1</ChapterFlagHidden>\r\n"
                "      <ChapterFlagEnabled>1</ChapterFlagEnabled>\r\n"
                "    </ChapterAtom>\r\n"
                "  </EditionEntry>\r\n"
                "  <EditionEntry>\r\n"
                "    <EditionUID>" + second_uid + "</EditionUID>\r\n"
                "    <EditionFlagHidden>0</EditionFlagHidden>\r\n"
                "    <EditionFlagDefault>0</EditionFlagDefault>\r\n"
                "    <ChapterAtom>\r\n"
                "      <ChapterDisplay/>\r\n"
                "    </ChapterAtom>\r\n"
                "  </EditionEntry>\r\n"
                "</Chapters>\r\n");
}

TEST(ChapterDocument, WritesTheBytesAndReplacesALongerFile) {
  TempDir dir;
  std::string name = dir / "chapters.xml";
  WriteFile(name, std::string(10000, '<'));
  ChapterDocument document = BuildChapterXml({"00:00:00.000000000", "01:02:03.456789012"});
  WriteChapterXmlFile(document, name);
  EXPECT_EQ(ReadFile(name), SerialiseChapterXml(document));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

// A control character fails the whole write before any file is touched: no new file,
// and an old one keeps its content.
TEST(ChapterDocument, IllegalCharacterLeavesNoFile) {
  const std::string illegal[] = {std::string(1, '\0'), "\x01", "a\x0B" "b", "\x1B[0m", "x\x1F"};
  for (const std::string& text : illegal) {
    SCOPED_TRACE(testing::PrintToString(text));
    ChapterDocument document = BuildChapterXmlWithNames({"00:00:00.000000000"}, {text}, "eng");
    EXPECT_THROW(
        {
          try {
            SerialiseChapterXml(document);
          } catch (const common::Error& error) {
            EXPECT_STREQ(error.what(), "Illegal character");
            throw;
          }
        },
        common::Error);

    TempDir dir;
    std::string fresh = dir / "fresh.xml";
    std::string old = dir / "old.xml";
    WriteFile(old, "old content");
    EXPECT_THROW(WriteChapterXmlFile(document, fresh), common::Error);
    EXPECT_THROW(WriteChapterXmlFile(document, old), common::Error);
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(ReadFile(old), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
  }
}

TEST(ChapterDocument, MissingFolderFailsWithTheCreateMessage) {
  TempDir dir;
  std::string name = dir / "missing/chapters.xml";
  try {
    WriteChapterXmlFile(BuildChapterXml({}), name);
    FAIL() << "no error";
  } catch (const common::Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to create file \"" + name + "\"");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace chapters
