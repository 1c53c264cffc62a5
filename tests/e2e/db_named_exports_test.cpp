// The disc exports with chapter names from the database, against the real server: times
// from a playlist or title set in a temporary disc folder, names and language from the
// movie's rows, paired by position, and one log row per written file.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fixtures/ifo_builder.h"
#include "fixtures/mpls_builder.h"
#include "support/database.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

using fixtures::EntryMark;
using fixtures::PalTime;
using fixtures::Ticks;
using test_support::ChapterRow;
using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::ReadFile;
using test_support::RunCliOn;
using test_support::RunOptions;
using test_support::SourcePath;
using test_support::SqlLiteral;
using test_support::SqlRows;
using test_support::TempDir;
using test_support::WriteFile;

std::string Expected(const std::string& name) { return ReadFile(SourcePath("tests/e2e/expected/db/" + name)); }

fixtures::MplsPlayItem Item(std::uint32_t seconds) {
  fixtures::MplsPlayItem item;
  item.out = Ticks(seconds);
  return item;
}

// 00800: six chapters, a minute apart. 00801: chapters at 0 and 30 s, and one 1 s before
// the end, which becomes the short-chapter notice.
void WritePlaylists(const fs::path& disc) {
  fixtures::MplsPlaylist six;
  six.items.push_back(Item(600));
  for (std::uint32_t k = 0; k < 6; ++k) six.marks.push_back(EntryMark(0, Ticks(60 * k)));
  fixtures::WriteMpls(disc / "BDMV/PLAYLIST/00800.mpls", six);
  fixtures::MplsPlaylist short_end;
  short_end.items.push_back(Item(100));
  short_end.marks = {EntryMark(0, 0), EntryMark(0, Ticks(30)), EntryMark(0, Ticks(99))};
  fixtures::WriteMpls(disc / "BDMV/PLAYLIST/00801.mpls", short_end);
}

// Title 1: five chapters at 0, 10, 30, 90 and 210 s.
void WriteTitleSet(const fs::path& disc) {
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell(
      {PalTime(0, 0, 10), PalTime(0, 0, 20), PalTime(0, 1, 0), PalTime(0, 2, 0), PalTime(0, 5, 0)}));
  fixtures::WriteIfo(disc / "VIDEO_TS/VTS_01_0.IFO", set);
}

class NamedExports : public ::testing::Test {
 protected:
  void SetUpBlock(int number) {
    block_.emplace(number);
    user_ = "named" + std::to_string(number);
    block_->AddUser(user_, "pw");
    WritePlaylists(disc_.path());
    WriteTitleSet(disc_.path());
    // Few names: four visible names of edition 1 (a hidden one between them), and an
    // edition 2 whose names are never used.
    MovieRow few{block_->Fid(1), "Few names"};
    few.sprache = SqlLiteral("German");
    block_->AddMovie(few);
    block_->AddChapters(block_->Fid(1), {{1, 1, "Eins", "", "", 0},
                                         {1, 2, "Zwei", "", "", 1},
                                         {1, 3, "Drei", "", "", 0},
                                         {1, 4, "Vier", "", "", 0},
                                         {1, 5, "F\xC3\xBCnf & mehr", "", "", 0},
                                         {2, 1, "Anders", "", "", 0}});
    // Many names: eight, and a language name in the wrong letter case.
    MovieRow many{block_->Fid(2), "Many names"};
    many.sprache = SqlLiteral("german");
    block_->AddMovie(many);
    std::vector<ChapterRow> rows;
    for (int k = 1; k <= 8; ++k) rows.push_back({1, k, "Name " + std::to_string(k), "", "", 0});
    block_->AddChapters(block_->Fid(2), rows);
  }

  std::vector<std::string> Login(const std::string& movie_id) const {
    return {"--user=" + user_, "--pass=pw", "--mid=" + movie_id};
  }
  std::string Bluray(const std::string& playlist, const std::string& option, const std::string& movie_id,
                     RunOptions options = {}) const {
    std::vector<std::string> args{disc_ / "BDMV", playlist, option};
    for (const auto& arg : Login(movie_id)) args.push_back(arg);
    return RunCliOn(block_->server_folder(), args, options);
  }
  std::string Dvd(const std::string& option, const std::string& movie_id, RunOptions options = {}) const {
    std::vector<std::string> args{disc_ / "VIDEO_TS", "VTS_01_0", "1", option};
    for (const auto& arg : Login(movie_id)) args.push_back(arg);
    return RunCliOn(block_->server_folder(), args, options);
  }
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const auto& row : block_->LogRows()) texts.push_back(row.at(3));
    return texts;
  }

  std::optional<DatabaseBlock> block_;
  std::string user_;
  TempDir disc_;
  TempDir out_;
};

TEST_F(NamedExports, BlurayNamesPairedByPosition) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(141);
  const std::string few = std::to_string(block_->Fid(1));
  const std::string many = std::to_string(block_->Fid(2));
  EXPECT_EQ(Bluray("00800", "--ogg=" + out_ / "few", few), "");
  EXPECT_EQ(ReadFile(out_ / "few.txt"), Expected("bluray_few_names.ogg.txt"));
  EXPECT_EQ(Bluray("00800", "--xml=" + out_ / "few", few), "");
  EXPECT_EQ(ReadFile(out_ / "few.xml"), Expected("bluray_few_names.xml"));
  EXPECT_EQ(Bluray("00801", "--ogg=" + out_ / "many", many), "");
  EXPECT_EQ(ReadFile(out_ / "many.txt"), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=Name 1\r\n"
                                         "CHAPTER01=00:00:30.000\r\nCHAPTER01NAME=Name 2\r\n");
  EXPECT_EQ(Bluray("00801", "--xml=" + out_ / "many", many), "");
  EXPECT_EQ(ReadFile(out_ / "many.xml"), Expected("bluray_many_names.xml"));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"fid=" + few + ":down>CLI:BD>ogg", "fid=" + few + ":down>CLI:BD>xml",
                                                  "fid=" + many + ":down>CLI:BD>ogg",
                                                  "fid=" + many + ":down>CLI:BD>xml"}));
}

TEST_F(NamedExports, DvdNamesPairedByPosition) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(142);
  const std::string few = std::to_string(block_->Fid(1));
  const std::string many = std::to_string(block_->Fid(2));
  EXPECT_EQ(Dvd("--ogg=" + out_ / "few", few), "");
  EXPECT_EQ(ReadFile(out_ / "few.txt"), Expected("dvd_few_names.ogg.txt"));
  EXPECT_EQ(Dvd("--xml=" + out_ / "few", few), "");
  EXPECT_EQ(ReadFile(out_ / "few.xml"), Expected("dvd_few_names.xml"));
  EXPECT_EQ(Dvd("--ogg=" + out_ / "many", many), "");
  EXPECT_EQ(ReadFile(out_ / "many.txt"), Expected("dvd_many_names.ogg.txt"));
  EXPECT_EQ(Dvd("--xml=" + out_ / "many", many), "");
  EXPECT_EQ(ReadFile(out_ / "many.xml"), Expected("dvd_many_names.xml"));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"fid=" + few + ":down>CLI:DVD>ogg", "fid=" + few + ":down>CLI:DVD>xml",
                                                  "fid=" + many + ":down>CLI:DVD>ogg",
                                                  "fid=" + many + ":down>CLI:DVD>xml"}));
}

// Names come from edition 1 and, with no edition 2, from later ones; any non-zero hidden
// value leaves a name out.
TEST_F(NamedExports, NamesOfEditionsOneAndThree) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(143);
  const int fid = block_->Fid(3);
  block_->AddChapters(fid, {{3, 1, "Drei", "", "", 0}, {1, 2, "Versteckt", "", "", 2}, {1, 1, "Eins", "", "", 0}});
  EXPECT_EQ(Bluray("00801", "--ogg=" + out_ / "gap", std::to_string(fid)), "");
  EXPECT_EQ(ReadFile(out_ / "gap.txt"), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=Eins\r\n"
                                        "CHAPTER01=00:00:30.000\r\nCHAPTER01NAME=Drei\r\n");
}

// The movie number as typed names the default file in the program's folder and the log.
TEST_F(NamedExports, DefaultFileNamesKeepTheMovieNumberAsTyped) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(144);
  const std::string typed = "0" + std::to_string(block_->Fid(1));
  RunOptions options;
  options.program = test_support::CopyProgramTo(out_.path(), true);
  EXPECT_EQ(Bluray("00800", "--ogg=", typed, options), "");
  EXPECT_EQ(ReadFile(out_ / ("chapter file OGG mid=" + typed + ".txt")), Expected("bluray_few_names.ogg.txt"));
  EXPECT_EQ(Dvd("--xml=", typed, options), "");
  EXPECT_EQ(ReadFile(out_ / ("chapter file matroska mid=" + typed + ".xml")), Expected("dvd_few_names.xml"));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"fid=" + typed + ":down>CLI:BD>ogg", "fid=" + typed + ":down>CLI:DVD>xml"}));
}

// Nothing is written or logged when the export stops before its file.
TEST_F(NamedExports, StoppedExportsLeaveNoFileAndNoLogRow) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(145);
  const std::string few = std::to_string(block_->Fid(1));
  const std::string out = out_ / "out";
  struct Case {
    std::vector<std::string> args;
    std::string output;
  } cases[] = {
      {{disc_ / "BDMV", "00800", "--ogg=" + out, "--user=" + user_, "--pass=wrong", "--mid=" + few},
       "The user or password is incorrect.\r\n"},
      {{disc_ / "VIDEO_TS", "VTS_01_0", "1", "--xml=" + out, "--user=" + user_, "--pass=wrong", "--mid=" + few},
       "The user or password is incorrect.\r\n"},
      {{disc_ / "BDMV", "00802", "--xml=" + out, "--user=" + user_, "--pass=pw", "--mid=" + few},
       "Unable to open file \"" + disc_ / "BDMV/PLAYLIST/00802.mpls" + "\"\r\n"},
      {{disc_ / "BDMV", "00802", "--ogg=" + out, "--user=" + user_, "--pass=pw", "--mid=" + few},
       "Unable to open file \"" + disc_ / "BDMV/PLAYLIST/00802.mpls" + "\"\r\n"},
      {{disc_ / "VIDEO_TS", "VTS_02_0", "1", "--ogg=" + out, "--user=" + user_, "--pass=pw", "--mid=" + few},
       "Stream read error\r\n"},
      {{disc_ / "BDMV", "00800", "--ogg=" + out_ / "missing/out", "--user=" + user_, "--pass=pw", "--mid=" + few},
       "Unable to create file \"" + out_ / "missing/out.txt" + "\"\r\n"},
  };
  WriteFile(disc_.path() / "VIDEO_TS/VTS_02_0.IFO", "DVDVIDEO-VTS");  // cut short
  for (const auto& c : cases) EXPECT_EQ(RunCliOn(block_->server_folder(), c.args), c.output) << c.args[1];
  EXPECT_FALSE(fs::exists(out + ".txt"));
  EXPECT_FALSE(fs::exists(out + ".xml"));
  EXPECT_TRUE(block_->LogRows().empty());
}

}  // namespace
