// The consumer reads our chapter files: mkvmerge muxes a tiny subtitle track with an OGG
// chapter text or a Matroska chapter XML file of ours, and mkvextract reads the chapters
// back out of the Matroska file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chapters/chapter_document.h"
#include "chapters/ogg_chapters.h"
#include "chapters/timecode.h"
#include "fixtures/ifo_builder.h"
#include "fixtures/mpls_builder.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;
using test_support::ProgramResult;
using test_support::ReadFile;
using test_support::RunOptions;
using test_support::RunProgram;
using test_support::TempDir;
using test_support::WriteFile;

std::optional<fs::path> FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    fs::path candidate = fs::path(folder) / name;
    std::error_code error;
    if (!folder.empty() && fs::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

// A subtitle track from the first second to two hours, so that every chapter of the
// tests lies inside the muxed file.
constexpr char kSubtitles[] =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nFirst\r\n\r\n"
    "2\r\n02:00:00,000 --> 02:00:01,000\r\nLast\r\n\r\n";

class ConsumerTest : public testing::Test {
 protected:
  void SetUp() override {
    mkvmerge_ = FindOnPath("mkvmerge");
    mkvextract_ = FindOnPath("mkvextract");
    if (!mkvmerge_ || !mkvextract_) {
      GTEST_SKIP() << "mkvmerge/mkvextract not installed (Debian package mkvtoolnix); chapter files "
                      "not checked by the consumer";
    }
    WriteFile(dir_ / "sub.srt", kSubtitles);
  }

  ProgramResult RunTool(const fs::path& tool, const std::vector<std::string>& args) {
    RunOptions options;
    options.program = tool;
    options.cwd = dir_.path();
    options.env.emplace("LC_ALL", "C.UTF-8");
    return RunProgram(args, options);
  }

  // Runs our program in the test folder; an export prints nothing.
  void RunExport(const std::vector<std::string>& args) {
    RunOptions options;
    options.cwd = dir_.path();
    EXPECT_EQ(test_support::RunCli(args, options), "");
  }

  // Muxes the subtitles with the chapter file and returns the chapters mkvextract reads
  // back: Matroska XML, or with `simple` the OGG form. Fails the test on any warning.
  std::string MuxAndExtract(const std::string& chapter_file, bool simple) {
    ProgramResult mux = RunTool(*mkvmerge_, {"-o", "out.mkv", "--chapters", chapter_file, "sub.srt"});
    EXPECT_EQ(mux.exit_code, 0) << mux.out << mux.err;  // 1 would be a warning, 2 an error
    if (mux.exit_code != 0) return "";
    std::vector<std::string> args = {"out.mkv", "chapters"};
    if (simple) args.push_back("--simple");
    args.push_back("-");
    ProgramResult extract = RunTool(*mkvextract_, args);
    EXPECT_EQ(extract.exit_code, 0) << extract.out << extract.err;
    fs::remove(dir_ / "out.mkv");
    return extract.out;
  }

  TempDir dir_;
  std::optional<fs::path> mkvmerge_;
  std::optional<fs::path> mkvextract_;
};

// The texts of every `tag` element of an XML text, in document order (entities undone).
std::vector<std::string> ElementTexts(const std::string& xml, const std::string& tag) {
  std::vector<std::string> texts;
  const std::string open = "<" + tag + ">";
  const std::string close = "</" + tag + ">";
  for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at)) {
    at += open.size();
    size_t end = xml.find(close, at);
    if (end == std::string::npos) break;
    std::string text = xml.substr(at, end - at);
    for (auto [entity, letter] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
      for (size_t p = text.find(entity); p != std::string::npos; p = text.find(entity, p + 1)) {
        text.replace(p, std::string(entity).size(), letter);
      }
    }
    texts.push_back(text);
  }
  return texts;
}

// The values of the time lines ("CHAPTERnn=") or, with `names`, of the name lines
// ("CHAPTERnnNAME=") of a simple chapter text.
std::vector<std::string> SimpleValues(const std::string& text, bool names) {
  std::vector<std::string> values;
  std::stringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    bool is_name = equals >= 4 && line.compare(equals - 4, 4, "NAME") == 0;
    if (is_name == names) values.push_back(line.substr(equals + 1));
  }
  return values;
}

const std::string kUmlautName = "Gr\xC3\xBC\xC3\x9F" "e & <Abschied>";

TEST_F(ConsumerTest, ReadsOurOggChapterText) {
  chapters::ChapterTimeList list = {"00:00:00.000000000", "00:05:00.040000000", "00:59:59.999000000",
                                    "01:49:58.123456789", std::string(chapters::kShortChapterNotice)};
  auto ogg = chapters::OggChaptersFromList(list, {"Intro", kUmlautName});
  chapters::WriteOggChapterFile(dir_ / "chapters.txt", ogg);

  std::string read_back = MuxAndExtract("chapters.txt", true);
  EXPECT_EQ(SimpleValues(read_back, false),
            (std::vector<std::string>{"00:00:00.000", "00:05:00.040", "00:59:59.999", "01:49:58.123"}));
  std::vector<std::string> names = SimpleValues(read_back, true);
  ASSERT_EQ(names.size(), 4u) << read_back;
  EXPECT_EQ(names[0], "Intro");
  EXPECT_EQ(names[1], kUmlautName);  // UTF-8 read as UTF-8
}

TEST_F(ConsumerTest, ReadsOurOggNumbersFromTenAndAHundredOn) {
  chapters::ChapterTimeList list;
  for (int i = 0; i < 102; ++i) list.push_back(chapters::SecondsToTimecode(60.0 * i + 0.5));
  chapters::WriteOggChapterFile(dir_ / "many.txt", chapters::OggChaptersFromList(list));

  std::vector<std::string> times = SimpleValues(MuxAndExtract("many.txt", true), false);
  ASSERT_EQ(times.size(), 102u);
  EXPECT_EQ(times[10], "00:10:00.500");
  EXPECT_EQ(times[100], "01:40:00.500");
  EXPECT_EQ(times[101], "01:41:00.500");
}

TEST_F(ConsumerTest, ReadsOurChapterXmlWithNames) {
  chapters::ChapterTimeList list = {"00:00:00.000000000", "00:05:00.040000000", "01:49:58.123456789",
                                    std::string(chapters::kShortChapterNotice)};
  chapters::ChapterDocument document =
      chapters::BuildChapterXmlWithNames(list, {"Intro", kUmlautName}, "ger");
  chapters::WriteChapterXmlFile(document, dir_ / "chapters.xml");

  std::string read_back = MuxAndExtract("chapters.xml", false);
  const chapters::XmlElement& edition = document.chapters.children.at(0);
  std::vector<std::string> chapter_uids;
  for (size_t i = 3; i < edition.children.size(); ++i) chapter_uids.push_back(*edition.children[i].children[0].text);
  EXPECT_EQ(ElementTexts(read_back, "EditionUID"), std::vector<std::string>{*edition.children[0].text});
  EXPECT_EQ(ElementTexts(read_back, "ChapterUID"), chapter_uids);
  EXPECT_EQ(ElementTexts(read_back, "ChapterTimeStart"),
            (std::vector<std::string>{"00:00:00.000000000", "00:05:00.040000000", "01:49:58.123456789"}));
  EXPECT_EQ(ElementTexts(read_back, "ChapterString"), (std::vector<std::string>{"Intro", kUmlautName}));
  EXPECT_EQ(ElementTexts(read_back, "ChapterLanguage"), (std::vector<std::string>{"ger", "ger"}));
}

// The database export's shape: two editions, the first ordered with end times and a
// hidden chapter without display.
TEST_F(ConsumerTest, ReadsOurDatabaseStyleDocument) {
  chapters::ChapterDocument document;
  chapters::XmlElement& first = chapters::AddEdition(document);
  first.AddText("EditionFlagOrdered", "1");
  struct Row {
    const char* uid;
    const char* start;
    const char* end;  // nullptr: not ordered, no ChapterTimeEnd
    const char* hidden;
  };
  auto add_atom = [](chapters::XmlElement& edition, const Row& row) {
    chapters::XmlElement& atom = edition.AddChild("ChapterAtom");
    atom.AddText("ChapterUID", row.uid);
    atom.AddText("ChapterTimeStart", row.start);
    if (row.end != nullptr) atom.AddText("ChapterTimeEnd", row.end);
    atom.AddText("ChapterFlagHidden", row.hidden);
    atom.AddText("ChapterFlagEnabled", "1");
    if (std::string(row.hidden) == "0") {
      chapters::XmlElement& display = atom.AddChild("ChapterDisplay");
      display.AddText("ChapterString", "Teil " + std::string(row.uid).substr(18));
      display.AddText("ChapterLanguage", "eng");
    }
  };
  add_atom(first, {"1000000000000000001", "00:00:00.000000000", "00:10:00.000000000", "0"});
  add_atom(first, {"1000000000000000002", "00:10:00.000000000", "00:20:00.000000000", "1"});
  add_atom(chapters::AddEdition(document), {"1000000000000000003", "00:00:01.500000000", nullptr, "0"});
  chapters::WriteChapterXmlFile(document, dir_ / "database.xml");

  std::vector<std::string> editions = ElementTexts(MuxAndExtract("database.xml", false), "EditionEntry");
  ASSERT_EQ(editions.size(), 2u);
  EXPECT_EQ(ElementTexts(editions[0], "EditionUID"),
            std::vector<std::string>{*document.chapters.children[0].children[0].text});
  EXPECT_EQ(ElementTexts(editions[0], "EditionFlagOrdered"), std::vector<std::string>{"1"});
  EXPECT_EQ(ElementTexts(editions[0], "ChapterUID"),
            (std::vector<std::string>{"1000000000000000001", "1000000000000000002"}));
  EXPECT_EQ(ElementTexts(editions[0], "ChapterTimeStart"),
            (std::vector<std::string>{"00:00:00.000000000", "00:10:00.000000000"}));
  EXPECT_EQ(ElementTexts(editions[0], "ChapterTimeEnd"),
            (std::vector<std::string>{"00:10:00.000000000", "00:20:00.000000000"}));
  EXPECT_EQ(ElementTexts(editions[0], "ChapterFlagHidden"), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(ElementTexts(editions[0], "ChapterString"), std::vector<std::string>{"Teil 1"});

  EXPECT_EQ(ElementTexts(editions[1], "EditionUID"),
            std::vector<std::string>{*document.chapters.children[1].children[0].text});
  EXPECT_NE(ElementTexts(editions[1], "EditionFlagOrdered"), std::vector<std::string>{"1"});
  EXPECT_EQ(ElementTexts(editions[1], "ChapterUID"), std::vector<std::string>{"1000000000000000003"});
  EXPECT_EQ(ElementTexts(editions[1], "ChapterTimeStart"), std::vector<std::string>{"00:00:01.500000000"});
  EXPECT_EQ(ElementTexts(editions[1], "ChapterString"), std::vector<std::string>{"Teil 3"});
}

// The first UIDs of every run of the program, the edition's first.
const std::vector<std::string> kFirstUidsOfARun = {"1067622006781518936", "8329396959957945618",
                                                   "1032032389952365479", "6914057911484381707"};

// A DVD title of three chapters at 0, 10.48 and 30.48 seconds whose fourth chapter, one
// second long, gives way to the notice.
TEST_F(ConsumerTest, ReadsTheDvdExportsOfTheProgram) {
  fixtures::IfoTitleSet title_set;
  title_set.chains.push_back(fixtures::OneProgramPerCell({fixtures::PalTime(0, 0, 10, 12), fixtures::PalTime(0, 0, 20),
                                                          fixtures::PalTime(0, 5, 0), fixtures::PalTime(0, 0, 1)}));
  fixtures::WriteIfo(dir_.path() / "VIDEO_TS" / "VTS_01_0.IFO", title_set);
  const std::string video_ts = dir_ / "VIDEO_TS";

  RunExport({video_ts, "VTS_01_0", "1", "--ogg=dvd"});
  EXPECT_EQ(ReadFile(dir_ / "dvd.txt"),
            "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n"
            "CHAPTER01=00:00:10.480\r\nCHAPTER01NAME=\r\n"
            "CHAPTER02=00:00:30.480\r\nCHAPTER02NAME=\r\n");
  EXPECT_EQ(SimpleValues(MuxAndExtract("dvd.txt", true), false),
            (std::vector<std::string>{"00:00:00.000", "00:00:10.480", "00:00:30.480"}));

  RunExport({video_ts, "VTS_01_0", "1", "--xml=dvd"});
  std::string atoms;
  const char* starts[] = {"00:00:00.000000000", "00:00:10.480000000", "00:00:30.480000000"};
  for (int i = 0; i < 3; ++i) {
    atoms += "    <ChapterAtom>\r\n      <ChapterUID>" + kFirstUidsOfARun[i + 1] +
             "</ChapterUID>\r\n      <ChapterTimeStart>" + starts[i] +
             "</ChapterTimeStart>\r\n      <ChapterFlagHidden>0</ChapterFlagHidden>\r\n"
             "      <ChapterFlagEnabled>1</ChapterFlagEnabled>\r\n    </ChapterAtom>\r\n";
  }
  EXPECT_EQ(ReadFile(dir_ / "dvd.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<!-- <!DOCTYPE Chapters SYSTEM \"matroskachapters.dtd\"> -->\r\n"
            "<Chapters>\r\n  <EditionEntry>\r\n    <EditionUID>1067622006781518936</EditionUID>\r\n"
            "    <EditionFlagHidden>0</EditionFlagHidden>\r\n    <EditionFlagDefault>0</EditionFlagDefault>\r\n" +
                atoms + "  </EditionEntry>\r\n</Chapters>\r\n");
  std::string read_back = MuxAndExtract("dvd.xml", false);
  EXPECT_EQ(ElementTexts(read_back, "EditionUID"), std::vector<std::string>{kFirstUidsOfARun[0]});
  EXPECT_EQ(ElementTexts(read_back, "ChapterUID"),
            std::vector<std::string>(kFirstUidsOfARun.begin() + 1, kFirstUidsOfARun.end()));
  EXPECT_EQ(ElementTexts(read_back, "ChapterTimeStart"),
            (std::vector<std::string>{"00:00:00.000000000", "00:00:10.480000000", "00:00:30.480000000"}));
}

// A playlist of two play items (10 and 20 minutes, the first starting at 100 s on its
// clip), with chapters at 0, 5:00.04 and 11:00 plus one tick, a link point, and a last
// chapter one second before the end that gives way to the notice.
TEST_F(ConsumerTest, ReadsTheBlurayExportsOfTheProgram) {
  fixtures::MplsPlaylist playlist;
  for (auto [in, out] : {std::pair{100u, 700u}, {0u, 1200u}}) {
    fixtures::MplsPlayItem item;
    item.in = fixtures::Ticks(in);
    item.out = fixtures::Ticks(out);
    playlist.items.push_back(item);
  }
  playlist.marks = {fixtures::EntryMark(0, fixtures::Ticks(100)), fixtures::EntryMark(0, fixtures::Ticks(400) + 1800),
                    fixtures::LinkPoint(0, fixtures::Ticks(500)), fixtures::EntryMark(1, fixtures::Ticks(60) + 1),
                    fixtures::EntryMark(1, fixtures::Ticks(1199))};
  fixtures::WriteMpls(dir_.path() / "BDMV" / "PLAYLIST" / "00800.mpls", playlist);
  const std::string bdmv = dir_ / "BDMV";

  RunExport({bdmv, "00800", "--ogg=film"});
  EXPECT_EQ(ReadFile(dir_ / "film.txt"),
            "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n"
            "CHAPTER01=00:05:00.040\r\nCHAPTER01NAME=\r\n"
            "CHAPTER02=00:11:00.000\r\nCHAPTER02NAME=\r\n");
  EXPECT_EQ(SimpleValues(MuxAndExtract("film.txt", true), false),
            (std::vector<std::string>{"00:00:00.000", "00:05:00.040", "00:11:00.000"}));

  RunExport({bdmv, "00800", "--xml=film"});
  std::string read_back = MuxAndExtract("film.xml", false);
  EXPECT_EQ(ElementTexts(read_back, "EditionUID"), std::vector<std::string>{kFirstUidsOfARun[0]});
  EXPECT_EQ(ElementTexts(read_back, "ChapterUID"),
            std::vector<std::string>(kFirstUidsOfARun.begin() + 1, kFirstUidsOfARun.end()));
  EXPECT_EQ(ElementTexts(read_back, "ChapterTimeStart"),
            (std::vector<std::string>{"00:00:00.000000000", "00:05:00.040000000", "00:11:00.000022222"}));
}

}  // namespace
