// The DVD side of disc mode as a user meets it: the built program run on title-set files
// in temporary VIDEO_TS folders, its console lines and written files compared byte for
// byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/ifo_builder.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

using fixtures::DvdTime;
using fixtures::NtscTime;
using fixtures::PalTime;
using test_support::ReadFile;
using test_support::RunOptions;
using test_support::RunCli;
using test_support::SourcePath;
using test_support::TempDir;
using test_support::WriteFile;

const char kIfoMissing[] = "The ifo file could not be found.\r\nPlease check the 2. parameter.\r\n";
const char kBadTitle[] = "The title must be an integer and greater than 0.\r\nPlease check the 3. parameter.\r\n";
const char kTitleOneOgg[] =
    "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n"
    "CHAPTER01=00:05:00.000\r\nCHAPTER01NAME=\r\n"
    "CHAPTER02=00:12:30.480\r\nCHAPTER02NAME=\r\n";

std::string Expected(const std::string& name) { return ReadFile(SourcePath("tests/e2e/expected/dvd/" + name)); }

// Title 1: chapters at 0, 5:00 and 12:30.48, then one of 1 second (the notice).
// Title 2: twelve chapters of 4:10.16 each and a last one of 1.48 seconds.
// Title 3: one program, 30 frames per second.
fixtures::IfoTitleSet ThreeTitles() {
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell(
      {PalTime(0, 5, 0), PalTime(0, 7, 30, 12), PalTime(0, 12, 0), PalTime(0, 0, 1)}));
  std::vector<DvdTime> cells(12, PalTime(0, 4, 10, 4));
  cells.push_back(PalTime(0, 0, 1, 12));
  set.chains.push_back(fixtures::OneProgramPerCell(cells));
  set.chains.push_back(fixtures::OneProgramPerCell({NtscTime(0, 42, 10, 15)}));
  return set;
}

// Chain times with the frame byte 0x96 (no fraction), with hours 0x1A, and all zero.
fixtures::IfoTitleSet OddTimes() {
  fixtures::IfoTitleSet set;
  fixtures::IfoProgramChain no_fraction;
  no_fraction.playback_time = {0x01, 0x00, 0x00, 0x96};
  no_fraction.cells = {PalTime(1, 0, 0)};
  no_fraction.program_map = {1};
  fixtures::IfoProgramChain hours_1a;
  hours_1a.playback_time = {0x1A, 0x00, 0x00, 0x40};
  hours_1a.cells = {PalTime(0, 10, 0), PalTime(0, 20, 0)};
  hours_1a.program_map = {1, 2};
  fixtures::IfoProgramChain all_zero = fixtures::OneProgramPerCell({PalTime(0, 1, 0)});
  all_zero.playback_time = {0, 0, 0, 0};
  set.chains = {no_fraction, hours_1a, all_zero};
  return set;
}

fixtures::IfoTitleSet NoTitles() {
  fixtures::IfoTitleSet set = ThreeTitles();
  set.title_count = 0;
  return set;
}

fixtures::IfoTitleSet OneTitle() {
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell({PalTime(0, 1, 0)}));
  return set;
}

// A VIDEO_TS folder with the menu file and backups beside the title sets; returns its path.
std::string MakeDisc(const TempDir& dir) {
  const fs::path video_ts = dir.path() / "DISC" / "VIDEO_TS";
  fixtures::WriteIfo(video_ts / "VTS_01_0.IFO", ThreeTitles());
  fixtures::WriteIfo(video_ts / "VTS_01_0.BUP", ThreeTitles());
  fixtures::WriteIfo(video_ts / "VTS_02_0.IFO", OddTimes());
  fixtures::WriteIfo(video_ts / "VTS_03_0.IFO", NoTitles());
  fixtures::WriteIfo(video_ts / "A.IFO", OddTimes());
  fixtures::WriteIfo(video_ts / "video_ts.ifo", OneTitle());
  WriteFile(video_ts / "VIDEO_TS.IFO", "DVDVIDEO-VMG, never read");
  WriteFile(video_ts / "VIDEO_TS.BUP", "DVDVIDEO-VMG, never read");
  WriteFile(video_ts / "VTS_01_1.VOB", "");
  return video_ts.string();
}

TEST(DvdListings, TitleSetsSortedWithoutTheMenuFileAndBackups) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  EXPECT_EQ(RunCli({disc}), Expected("title-set-listing.txt"));
  EXPECT_EQ(RunCli({disc + "/"}), Expected("title-set-listing.txt"));
}

TEST(DvdListings, TitleSetListingStopsAtAFileItCannotRead) {
  TempDir dir;
  const fs::path video_ts = dir.path() / "VIDEO_TS";
  fixtures::WriteIfo(video_ts / "VTS_01_0.IFO", ThreeTitles());
  WriteFile(video_ts / "VTS_02_0.IFO", fixtures::BuildIfo(ThreeTitles()).substr(0, 0xCA));
  fixtures::WriteIfo(video_ts / "VTS_03_0.IFO", ThreeTitles());
  EXPECT_EQ(RunCli({video_ts.string()}), "1)  VTS_01_0.IFO  3 title(s)\r\nStream read error\r\n");

  TempDir menu_only;
  WriteFile(menu_only.path() / "VIDEO_TS" / "VIDEO_TS.IFO", "");
  EXPECT_EQ(RunCli({(menu_only.path() / "VIDEO_TS").string()}), "");
}

TEST(DvdListings, TitlesOfATitleSet) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  EXPECT_EQ(RunCli({disc, "VTS_01_0"}), Expected("title-set-three-titles.txt"));
  // 0x96 leaves no fraction, so the cut leaves "01:"; hours 1A are shown as they are;
  // the undecodable third chain time ends the listing with its message.
  EXPECT_EQ(RunCli({disc, "VTS_02_0"}), Expected("title-set-odd-times.txt"));
  EXPECT_EQ(RunCli({disc, "VTS_03_0"}), "");
}

TEST(DvdListings, ChaptersOfATitle) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1"}), Expected("title-chapters-with-notice.txt"));
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "3"}), "00:00:00.000\r\n");
  EXPECT_EQ(RunCli({disc, "VTS_02_0", "1"}), "00:00:00.000\r\n");
  // ShowTitleSet shows hours 1A; the chapter listing must convert them and cannot.
  EXPECT_EQ(RunCli({disc, "VTS_02_0", "2"}), "\"1A\" is an invalid float\r\n");
  EXPECT_EQ(RunCli({disc, "VTS_02_0", "3"}), "\"FFFFFFC0\" is an invalid float\r\n");
}

TEST(DvdListings, MessagesForAMissingFileOrABadTitle) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const Case cases[] = {
      {{"VTS_09_0"}, kIfoMissing},
      {{"VTS_09_0", "1"}, kIfoMissing},
      {{"VTS_09_0", "abc"}, kIfoMissing},  // the file is checked first
      {{"DISC"}, kIfoMissing},             // a folder is no file
      {{"VTS_01_0", "abc"}, kBadTitle},
      {{"VTS_01_0", "0"}, kBadTitle},
      {{"VTS_01_0", "1000"}, "Stream read error\r\n"},  // far beyond the chain table
  };
  fs::create_directory(fs::path(disc) / "DISC.IFO");
  for (const Case& c : cases) {
    std::vector<std::string> args{disc};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(RunCli(args), c.expected) << c.args[0];
  }
}

TEST(DvdExports, OggNumbersFromZeroAndLeavesOutTheNotice) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  RunOptions in_dir;
  in_dir.cwd = dir.path();
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "2", "--ogg=twelve"}, in_dir), "");
  EXPECT_EQ(ReadFile(dir.path() / "twelve.txt"), Expected("ogg-twelve-chapters-and-notice.txt"));
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--ogg=first"}, in_dir), "");
  EXPECT_EQ(ReadFile(dir.path() / "first.txt"), kTitleOneOgg);
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "3", "--ogg=" + (dir / "single")}), "");
  EXPECT_EQ(ReadFile(dir.path() / "single.txt"), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=\r\n");
}

TEST(DvdExports, XmlDocumentLeavesOutTheNotice) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--xml=" + (dir / "first")}), "");
  EXPECT_EQ(ReadFile(dir.path() / "first.xml"), Expected("title-with-notice.xml"));
}

TEST(DvdExports, ExtensionIsAlwaysAppended) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  RunOptions in_dir;
  in_dir.cwd = dir.path();
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--ogg=movie.txt"}, in_dir), "");
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--xml=movie.xml"}, in_dir), "");
  EXPECT_EQ(ReadFile(dir.path() / "movie.txt.txt"), kTitleOneOgg);
  EXPECT_TRUE(fs::exists(dir.path() / "movie.xml.xml"));
  EXPECT_FALSE(fs::exists(dir.path() / "movie.txt"));
  EXPECT_FALSE(fs::exists(dir.path() / "movie.xml"));
}

TEST(DvdExports, EmptyNamesWriteDefaultFilesInTheProgramFolder) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  const fs::path program_folder = dir.path() / "program";
  fs::create_directory(program_folder);
  RunOptions options;
  options.program = test_support::CopyProgramTo(program_folder, false);
  options.cwd = dir.path();
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--ogg="}, options), "");
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--xml="}, options), "");
  EXPECT_EQ(ReadFile(program_folder / "chapter file OGG.txt"), kTitleOneOgg);
  EXPECT_EQ(ReadFile(program_folder / "chapter file matroska.xml"), Expected("title-with-notice.xml"));
  EXPECT_FALSE(fs::exists(dir.path() / "chapter file OGG.txt"));
  EXPECT_FALSE(fs::exists(dir.path() / "chapter file matroska.xml"));
}

TEST(DvdExports, MissingOutputFolderGivesTheCreateErrorAndNoFile) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  const std::string name = dir / "missing/movie";
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--ogg=" + name}), "Unable to create file \"" + name + ".txt\"\r\n");
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--xml=" + name}), "Unable to create file \"" + name + ".xml\"\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

TEST(DvdExports, FailedReadLeavesAnOldFileUntouched) {
  TempDir dir;
  const std::string disc = MakeDisc(dir);
  RunOptions in_dir;
  in_dir.cwd = dir.path();
  const std::string old_content = "old content of an earlier export\r\n";
  struct Case {
    std::string title_set;
    std::string title;
    std::string message;
  };
  const Case cases[] = {
      {"VTS_01_0", "1000", "Stream read error\r\n"},
      {"VTS_02_0", "2", "\"1A\" is an invalid float\r\n"},
      {"VTS_02_0", "3", "\"FFFFFFC0\" is an invalid float\r\n"},
  };
  for (const Case& c : cases) {
    for (const std::string& option : {std::string("--ogg=out"), std::string("--xml=out")}) {
      const fs::path file = dir.path() / (option == "--ogg=out" ? "out.txt" : "out.xml");
      WriteFile(file, old_content);
      EXPECT_EQ(RunCli({disc, c.title_set, c.title, option}, in_dir), c.message) << c.title_set << " " << c.title;
      EXPECT_EQ(ReadFile(file), old_content) << option;
    }
  }
  // A successful export replaces a longer old file completely.
  WriteFile(dir.path() / "out.txt", std::string(4096, 'x'));
  EXPECT_EQ(RunCli({disc, "VTS_01_0", "1", "--ogg=out"}, in_dir), "");
  EXPECT_EQ(ReadFile(dir.path() / "out.txt"), kTitleOneOgg);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"DISC", "out.txt", "out.xml"})) << "no temporary file left behind";
}

}  // namespace
