#include "chapters/ogg_chapters.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chapters/timecode.h"
#include "common/error.h"
#include "support/test_files.h"

namespace chapters {
namespace {

using test_support::ReadFile;
using test_support::TempDir;
using test_support::WriteFile;

std::string NoticeText() { return std::string(kShortChapterNotice); }

TEST(OggChapters, NoticeIsLeftOutButKeepsItsNumber) {
  ChapterTimeList list = {"00:00:00.000000000", "00:05:00.040000000", NoticeText()};
  EXPECT_EQ(FormatOggChapters(OggChaptersFromList(list)),
            "CHAPTER00=00:00:00.000\r\n"
            "CHAPTER00NAME=\r\n"
            "CHAPTER01=00:05:00.040\r\n"
            "CHAPTER01NAME=\r\n");

  // Wherever a notice stands, the chapters after it keep their positions as numbers.
  list = {"00:00:00.000000000", NoticeText(), "00:10:00.000000000"};
  EXPECT_EQ(FormatOggChapters(OggChaptersFromList(list)),
            "CHAPTER00=00:00:00.000\r\n"
            "CHAPTER00NAME=\r\n"
            "CHAPTER02=00:10:00.000\r\n"
            "CHAPTER02NAME=\r\n");
}

TEST(OggChapters, NumbersHaveAtLeastTwoDigits) {
  ChapterTimeList list;
  for (int i = 0; i < 101; ++i) list.push_back(SecondsToTimecode(60.0 * i));
  std::string text = FormatOggChapters(OggChaptersFromList(list));
  EXPECT_EQ(text.substr(0, 40), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n");
  EXPECT_NE(text.find("\r\nCHAPTER09=00:09:00.000\r\nCHAPTER09NAME=\r\nCHAPTER10=00:10:00.000\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nCHAPTER99NAME=\r\nCHAPTER100=01:40:00.000\r\nCHAPTER100NAME=\r\n"),
            std::string::npos);
  EXPECT_EQ(text.size() - text.rfind("CHAPTER100NAME=\r\n"), 17u);  // the last line
}

TEST(OggChapters, NamesByPositionWhileTheListLasts) {
  ChapterTimeList list = {"00:00:00.000000000", NoticeText(), "00:02:00.000000000",
                          "00:03:00.000000000"};
  // The notice takes name 1 with it; chapter 3 has no name left.
  std::vector<std::string> names = {"Intro", "Lost", "Gr\xC3\xBC\xC3\x9F" "e & <Abschied>"};
  EXPECT_EQ(FormatOggChapters(OggChaptersFromList(list, names)),
            "CHAPTER00=00:00:00.000\r\n"
            "CHAPTER00NAME=Intro\r\n"
            "CHAPTER02=00:02:00.000\r\n"
            "CHAPTER02NAME=Gr\xC3\xBC\xC3\x9F" "e & <Abschied>\r\n"
            "CHAPTER03=00:03:00.000\r\n"
            "CHAPTER03NAME=\r\n");
}

TEST(OggChapters, NoChaptersGiveAnEmptyFile) {
  TempDir dir;
  std::string name = dir / "empty.txt";
  WriteFile(name, "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n");
  WriteOggChapterFile(name, OggChaptersFromList({NoticeText()}));
  EXPECT_TRUE(std::filesystem::is_regular_file(name));
  EXPECT_EQ(std::filesystem::file_size(name), 0u);
}

TEST(OggChapters, ReplacesALongerFileWholly) {
  TempDir dir;
  std::string name = dir / "chapters.txt";
  WriteFile(name, std::string(5000, 'x'));
  WriteOggChapterFile(name, {{0, "00:00:00.000", ""}});
  EXPECT_EQ(ReadFile(name), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n");
  // Only the file itself: no temporary file stays beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(OggChapters, MissingFolderFailsWithTheCreateMessage) {
  TempDir dir;
  std::string name = dir / "no such folder/chapters.txt";
  try {
    WriteOggChapterFile(name, {{0, "00:00:00.000", ""}});
    FAIL() << "no error";
  } catch (const common::Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to create file \"" + name + "\"");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace chapters
