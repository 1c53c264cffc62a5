// The Blu-ray side of disc mode as a user meets it: the built program run on playlists in
// temporary BDMV/PLAYLIST folders, its console lines and written files compared byte for
// byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/mpls_builder.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

using fixtures::EntryMark;
using fixtures::LinkPoint;
using fixtures::MplsPlayItem;
using fixtures::MplsPlaylist;
using fixtures::Ticks;
using test_support::ReadFile;
using test_support::RunOptions;
using test_support::SourcePath;
using test_support::TempDir;
using test_support::WriteFile;

const char kInvalidMpls[] = "The MPLS parameter is invalid.\r\n";
const char kHeader[] = "MPLS : playtime:    chapters:\r\n";

std::string Expected(const std::string& name) { return ReadFile(SourcePath("tests/e2e/expected/bluray/" + name)); }

MplsPlayItem Item(std::uint32_t in, std::uint32_t out) {
  MplsPlayItem item;
  item.in = in;
  item.out = out;
  return item;
}

// A playlist of one play item from 0 to `seconds` (whole, or whole plus `extra_ticks`)
// with `entry_marks` chapters spread over it.
MplsPlaylist Plain(std::uint32_t seconds, int entry_marks, std::uint32_t extra_ticks = 0) {
  MplsPlaylist playlist;
  playlist.items.push_back(Item(0, Ticks(seconds) + extra_ticks));
  for (int j = 0; j < entry_marks; ++j) {
    playlist.marks.push_back(EntryMark(0, Ticks(seconds) / static_cast<std::uint32_t>(entry_marks) * static_cast<std::uint32_t>(j)));
  }
  return playlist;
}

// A film of 1:52:07.625 in three play items: the first starts 600 s into its clip and has
// a multi-angle length, the third starts 12.5 s in and its first mark lies before its IN
// time. 24 chapters, two link points, and a last entry mark one second before the end.
MplsPlaylist Film() {
  MplsPlaylist playlist;
  playlist.items = {Item(Ticks(600), Ticks(3600)), Item(0, Ticks(3000)), Item(562500, 562500 + 32743125)};
  playlist.items[0].padding = 32;
  for (std::uint32_t k = 0; k < 10; ++k) playlist.marks.push_back(EntryMark(0, Ticks(600 + 300 * k)));
  playlist.marks.push_back(LinkPoint(0, Ticks(2107)));
  for (std::uint32_t k = 0; k < 10; ++k) playlist.marks.push_back(EntryMark(1, Ticks(300 * k) + (k == 5 ? 7 : 0)));
  playlist.marks.push_back(EntryMark(2, 0));
  playlist.marks.push_back(LinkPoint(2, Ticks(100)));
  for (std::uint32_t k = 1; k < 4; ++k) playlist.marks.push_back(EntryMark(2, 562500 + Ticks(200 * k)));
  playlist.marks.push_back(EntryMark(2, 562500 + 32743125 - Ticks(1)));
  return playlist;
}

class BlurayDiscMode : public testing::Test {
 protected:
  std::string Playlists() const { return dir_ / "BDMV/PLAYLIST"; }
  void Write(const std::string& name, const MplsPlaylist& playlist) {
    fixtures::WriteMpls(dir_.path() / "BDMV/PLAYLIST" / name, playlist);
  }

  // Runs the program in the test folder; it always ends with exit code 0 and writes
  // nothing to standard error.
  std::string Run(const std::vector<std::string>& args, RunOptions options = {}) {
    if (options.cwd.empty()) options.cwd = dir_.path();
    return test_support::RunCli(args, options);
  }

  TempDir dir_;
};

// Longest first; left out: 60 s or less, 2 chapters or fewer (a last chapter within 2 s
// not counted). Equal play times order by the count as text; 100 hours sort by their
// leading digits, below 20 hours.
TEST_F(BlurayDiscMode, ListsPlaylistsLongestFirst) {
  Write("00800.mpls", Film());
  Write("00001.mpls", Plain(30, 5));
  Write("00002.mpls", Plain(60, 3));
  Write("00003.mpls", Plain(60, 3, 45));  // 60.001 s
  Write("00004.mpls", Plain(7200, 2));
  MplsPlaylist close_to_end = Plain(600, 2);
  close_to_end.marks.push_back(EntryMark(0, Ticks(599)));
  Write("00005.mpls", close_to_end);
  Write("00006.mpls", Plain(3600, 12));
  Write("00007.mpls", Plain(3600, 9));
  MplsPlaylist hundred_hours;
  for (int k = 0; k < 8; ++k) hundred_hours.items.push_back(Item(0, Ticks(45000)));  // 12.5 h each
  hundred_hours.marks = {EntryMark(0, 0), EntryMark(3, 0), EntryMark(7, 0)};
  Write("00010.mpls", hundred_hours);
  MplsPlaylist twenty_hours;
  for (int k = 0; k < 2; ++k) twenty_hours.items.push_back(Item(0, Ticks(36000)));
  twenty_hours.marks = {EntryMark(0, 0), EntryMark(0, Ticks(100)), EntryMark(1, 0), LinkPoint(1, 5)};
  Write("00011.MPLS", twenty_hours);  // found whatever the case of the extension
  WriteFile(dir_.path() / "BDMV/PLAYLIST/readme.txt", "no playlist");

  const std::string expected = Expected("playlist-listing.txt");
  EXPECT_EQ(Run({dir_ / "BDMV"}), expected);
  EXPECT_EQ(Run({Playlists()}), expected);
}

// A playlist without play items has an empty summary: it sorts first, is reached last and
// its empty chapter count ends the listing with the exception report.
TEST_F(BlurayDiscMode, ListingEndsAtAPlaylistWithoutPlayItems) {
  Write("00800.mpls", Film());
  Write("00001.mpls", MplsPlaylist{});
  Write("00002.mpls", Plain(3600, 12));
  EXPECT_EQ(Run({dir_ / "BDMV"}), Expected("playlist-listing-without-play-items.txt"));
}

// A playlist that cannot be read ends the listing before anything is printed, and the
// error reaches the exception report.
TEST_F(BlurayDiscMode, ListingStopsAtAnUnreadablePlaylist) {
  Write("00800.mpls", Film());
  const std::string report = "exception at 00401000:\n";
  WriteFile(dir_.path() / "BDMV/PLAYLIST/00001.mpls", fixtures::BuildMpls(Film()).substr(0, 100));
  EXPECT_EQ(Run({dir_ / "BDMV"}), report + "Stream read error.\r\n");

  MplsPlaylist bad_index = Plain(600, 3);
  bad_index.items.push_back(Item(0, Ticks(600)));
  bad_index.marks.push_back(EntryMark(5, 0));
  Write("00001.mpls", bad_index);
  EXPECT_EQ(Run({dir_ / "BDMV"}), report + "List index (5) out of bounds.\r\n");

  fs::remove(dir_.path() / "BDMV/PLAYLIST/00001.mpls");
  fs::create_directory(dir_.path() / "BDMV/PLAYLIST/00001.mpls");
  EXPECT_EQ(Run({dir_ / "BDMV"}), report + "Unable to open file \"" + Playlists() + "/00001.mpls\".\r\n");
}

TEST_F(BlurayDiscMode, ShowsTheChaptersOfOnePlaylist) {
  Write("00800.mpls", Film());
  Write("00001.mpls", Plain(30, 0));
  MplsPlaylist links_only = Plain(600, 0);
  links_only.marks = {LinkPoint(0, 0), LinkPoint(0, Ticks(60))};
  Write("00002.mpls", links_only);

  EXPECT_EQ(Run({dir_ / "BDMV", "00800"}), Expected("show-playlist-00800.txt"));
  EXPECT_EQ(Run({dir_ / "BDMV", "00001"}), "");  // no marks
  EXPECT_EQ(Run({dir_ / "BDMV", "00002"}), "");  // link points only
  EXPECT_EQ(Run({dir_ / "BDMV", "00009"}), kInvalidMpls);
  EXPECT_EQ(Run({dir_ / "BDMV", "0080"}), kInvalidMpls);
  fs::create_directory(dir_.path() / "BDMV/PLAYLIST/00010.mpls");
  EXPECT_EQ(Run({dir_ / "BDMV", "00010"}), kInvalidMpls);  // a folder is no file

  WriteFile(dir_.path() / "BDMV/PLAYLIST/00003.mpls", "MPLS0200");
  EXPECT_EQ(Run({dir_ / "BDMV", "00003"}), "exception at 00401000:\nStream read error.\r\n");
}

TEST_F(BlurayDiscMode, ExportsOggChapterText) {
  Write("00800.mpls", Film());
  const std::string bdmv = dir_ / "BDMV";
  EXPECT_EQ(Run({bdmv, "00800", "--ogg=film"}), "");
  EXPECT_EQ(ReadFile(dir_ / "film.txt"), Expected("film-00800.ogg.txt"));

  EXPECT_EQ(Run({bdmv, "00800", "--ogg=film.txt"}), "");  // ".txt" is always appended
  EXPECT_EQ(ReadFile(dir_ / "film.txt.txt"), Expected("film-00800.ogg.txt"));

  // Without entry marks: an empty file, replacing the longer one.
  Write("00001.mpls", Plain(600, 0));
  EXPECT_EQ(Run({bdmv, "00001", "--ogg=film"}), "");
  EXPECT_EQ(ReadFile(dir_ / "film.txt"), "");
}

TEST_F(BlurayDiscMode, ExportsMatroskaXml) {
  Write("00800.mpls", Film());
  const std::string bdmv = dir_ / "BDMV";
  EXPECT_EQ(Run({bdmv, "00800", "--xml=film"}), "");
  const std::string expected = Expected("film-00800.xml");
  EXPECT_EQ(ReadFile(dir_ / "film.xml"), expected);
  // The UIDs come from a generator seeded alike in every run.
  EXPECT_EQ(Run({bdmv, "00800", "--xml=film.xml"}), "");
  EXPECT_EQ(ReadFile(dir_ / "film.xml.xml"), expected);
}

// Without an output name the file goes to the program's folder under its default name,
// replacing an older one there.
TEST_F(BlurayDiscMode, ExportsToDefaultNamesInTheProgramFolder) {
  Write("00800.mpls", Film());
  const fs::path program_folder = dir_.path() / "program";
  fs::create_directory(program_folder);
  RunOptions options;
  options.program = test_support::CopyProgramTo(program_folder, /*with_client_library=*/false);
  WriteFile(program_folder / "chapter file OGG.txt", std::string(5000, 'x'));

  EXPECT_EQ(Run({dir_ / "BDMV", "00800", "--ogg="}, options), "");
  EXPECT_EQ(ReadFile(program_folder / "chapter file OGG.txt"), Expected("film-00800.ogg.txt"));
  EXPECT_EQ(Run({dir_ / "BDMV", "00800", "--xml="}, options), "");
  EXPECT_EQ(ReadFile(program_folder / "chapter file matroska.xml"), Expected("film-00800.xml"));
  EXPECT_FALSE(fs::exists(dir_.path() / ".txt"));
  EXPECT_FALSE(fs::exists(dir_.path() / ".xml"));
}

TEST_F(BlurayDiscMode, ExportFailuresPrintOneLineAndWriteNothing) {
  Write("00800.mpls", Film());
  const std::string bdmv = dir_ / "BDMV";
  EXPECT_EQ(Run({bdmv, "00800", "--ogg=missing/film"}), "Unable to create file \"missing/film.txt\"\r\n");
  EXPECT_EQ(Run({bdmv, "00800", "--xml=missing/film"}), "Unable to create file \"missing/film.xml\"\r\n");
  EXPECT_FALSE(fs::exists(dir_.path() / "missing"));

  WriteFile(dir_.path() / "BDMV/PLAYLIST/00001.mpls", fixtures::BuildMpls(Film()).substr(0, 400));
  EXPECT_EQ(Run({bdmv, "00001", "--ogg=cut"}), "Stream read error\r\n");
  EXPECT_EQ(Run({bdmv, "00001", "--xml=cut"}), "Stream read error\r\n");
  MplsPlaylist bad_index = Film();
  bad_index.marks[3].item = 3;
  Write("00002.mpls", bad_index);
  EXPECT_EQ(Run({bdmv, "00002", "--ogg=cut"}), "List index (3) out of bounds\r\n");
  EXPECT_EQ(Run({bdmv, "00002", "--xml=cut"}), "List index (3) out of bounds\r\n");
  EXPECT_FALSE(fs::exists(dir_.path() / "cut.txt"));
  EXPECT_FALSE(fs::exists(dir_.path() / "cut.xml"));

  EXPECT_EQ(Run({bdmv, "00009", "--ogg=film"}), kInvalidMpls);
  EXPECT_EQ(Run({bdmv, "00009", "--xml=film"}), kInvalidMpls);
  EXPECT_FALSE(fs::exists(dir_.path() / "film.txt"));
}

}  // namespace
