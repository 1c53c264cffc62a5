#include "bluray/playlist_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/error.h"
#include "fixtures/mpls_builder.h"
#include "support/test_files.h"

namespace bluray {
namespace {

using chapters::ChapterTimeList;
using fixtures::EntryMark;
using fixtures::LinkPoint;
using fixtures::MplsMark;
using fixtures::MplsPlayItem;
using fixtures::MplsPlaylist;
using fixtures::Ticks;

const std::string kNotice(chapters::kShortChapterNotice);

MplsPlaylist Playlist(std::vector<MplsPlayItem> items, std::vector<MplsMark> marks) {
  MplsPlaylist playlist;
  playlist.items = std::move(items);
  playlist.marks = std::move(marks);
  return playlist;
}

// The message of the error a call raises, or nullopt when it returns.
template <typename Call>
std::optional<std::string> ErrorOf(Call call) {
  try {
    call();
  } catch (const common::Error& error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

TEST(ReadPlaylist, ChaptersAndSummary) {
  struct Case {
    const char* what;
    MplsPlaylist playlist;
    ChapterTimeList chapters;
    std::string summary;
  } cases[] = {
      {"last mark 1 s before the end",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), EntryMark(0, Ticks(300)), EntryMark(0, Ticks(599))}),
       {"00:00:00.000000000", "00:05:00.000000000", kNotice},
       "00:10:00.000 2 00800"},
      {"last mark exactly 2.0 s before the end",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), EntryMark(0, Ticks(598))}),
       {"00:00:00.000000000", kNotice},
       "00:10:00.000 1 00800"},
      {"last mark one tick more than 2 s before the end",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), EntryMark(0, Ticks(598) - 1)}),
       {"00:00:00.000000000", "00:09:57.999977777"},
       "00:10:00.000 2 00800"},
      {"one play item not starting at 0",
       Playlist({{Ticks(100), Ticks(700)}}, {EntryMark(0, Ticks(100)), EntryMark(0, Ticks(250))}),
       {"00:00:00.000000000", "00:02:30.000000000"},
       "00:10:00.000 2 00800"},
      {"two play items, mark in the second",
       Playlist({{0, Ticks(60)}, {Ticks(10), Ticks(70)}}, {EntryMark(1, Ticks(15))}),
       {"00:01:05.000000000"},
       "00:02:00.000 1 00800"},
      {"mark before IN of the second item: start of that item",
       Playlist({{0, Ticks(60)}, {Ticks(10), Ticks(70)}}, {EntryMark(0, 0), EntryMark(1, Ticks(5))}),
       {"00:00:00.000000000", "00:01:00.000000000"},
       "00:02:00.000 2 00800"},
      {"mark before IN of the only item",
       Playlist({{Ticks(10), Ticks(70)}}, {EntryMark(0, Ticks(5)), EntryMark(0, Ticks(20))}),
       {"00:00:00.000000000", "00:00:10.000000000"},
       "00:01:00.000 2 00800"},
      {"link points are no chapters and lower the count",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), LinkPoint(0, Ticks(100)), EntryMark(0, Ticks(200)),
                                    LinkPoint(0, Ticks(300)), EntryMark(0, Ticks(400))}),
       {"00:00:00.000000000", "00:03:20.000000000", "00:06:40.000000000"},
       "00:10:00.000 3 00800"},
      {"a mark of another type is no chapter but is counted",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), {3, 0, Ticks(100)}}),
       {"00:00:00.000000000"},
       "00:10:00.000 2 00800"},
      {"no marks: no chapters, counted as one",
       Playlist({{0, Ticks(600)}}, {}),
       {},
       "00:10:00.000 1 00800"},
      {"only link points: counted as one",
       Playlist({{0, Ticks(600)}}, {LinkPoint(0, 0), LinkPoint(0, Ticks(10))}),
       {},
       "00:10:00.000 1 00800"},
      {"no play items: nothing at all", Playlist({}, {EntryMark(0, 0)}), {}, ""},
      {"every entry mark is tested, only the last one counted",
       Playlist({{0, Ticks(600)}}, {EntryMark(0, 0), EntryMark(0, Ticks(599)), EntryMark(0, Ticks(100))}),
       {"00:00:00.000000000", kNotice, "00:01:40.000000000"},
       "00:10:00.000 3 00800"},
      {"with one play item the mark's item index is not looked at",
       Playlist({{0, Ticks(600)}}, {EntryMark(7, Ticks(30))}),
       {"00:00:30.000000000"},
       "00:10:00.000 1 00800"},
      {"durations of all earlier items are added",
       Playlist({{0, Ticks(60)}, {Ticks(5), Ticks(35)}, {Ticks(1000), Ticks(1100)}},
                {EntryMark(0, 0), EntryMark(1, Ticks(5)), EntryMark(2, Ticks(1050))}),
       {"00:00:00.000000000", "00:01:00.000000000", "00:02:20.000000000"},
       "00:03:10.000 3 00800"},
      {"IN and durations of several items are kept at 15 significant digits",
       Playlist({{338668373, 363481448}, {66193297, 66193297 + Ticks(3600)}}, {EntryMark(1, 67596520)}),
       {"00:09:42.584399999"},  // 00:09:42.584400000 from the unrounded values
       "01:09:11.401 1 00800"},
      {"four-byte times of 2^31 and more arrive negative and still subtract",
       Playlist({{0x80000000u, 0x80000000u + Ticks(600)}},
                {EntryMark(0, 0x80000000u), EntryMark(0, 0x80000000u + Ticks(300))}),
       {"00:00:00.000000000", "00:05:00.000000000"},
       "00:10:00.000 2 00800"},
      {"ticks of 0xFFFFFFFF in a mark before IN: clamped",
       Playlist({{0, Ticks(600)}, {0, Ticks(600)}}, {EntryMark(1, 0xFFFFFFFFu)}),
       {"00:10:00.000000000"},
       "00:20:00.000 1 00800"},
  };
  test_support::TempDir folder;
  const std::string path = folder / "00800.mpls";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fixtures::WriteMpls(path, c.playlist);
    EXPECT_EQ(ReadPlaylistChapters(path), c.chapters);
    EXPECT_EQ(ReadPlaylistSummary(path), c.summary);
  }
}

// An OUT time past 2^31 with an IN time below it reads as a negative play time: every
// entry mark then lies "within 2 s of the end", and the listing leaves such a playlist out.
TEST(ReadPlaylist, OutTimeWrappedToNegative) {
  test_support::TempDir folder;
  const std::string path = folder / "00800.mpls";
  fixtures::WriteMpls(path, Playlist({{0x7FFFFFFFu - Ticks(100), 0x7FFFFFFFu + Ticks(500)}},
                                     {EntryMark(0, 0x7FFFFFFFu - Ticks(100)), EntryMark(0, 0x7FFFFFFFu)}));
  EXPECT_EQ(ReadPlaylistChapters(path), (ChapterTimeList{kNotice, kNotice}));
  const std::string summary = ReadPlaylistSummary(path);
  EXPECT_EQ(summary.substr(summary.find(' ')), " 1 00800");
}

// Multi-angle play items carry their angles inside the item and so are longer than the
// others: each item starts where the one before it ends, by that item's own length.
TEST(ReadPlaylist, PlayItemsOfDifferentLengths) {
  MplsPlaylist playlist =
      Playlist({{0, Ticks(60)}, {Ticks(10), Ticks(40)}, {Ticks(500), Ticks(800)}, {0, Ticks(100)}},
               {EntryMark(0, 0), EntryMark(1, Ticks(10)), EntryMark(2, Ticks(600)), EntryMark(3, Ticks(50))});
  playlist.items[1].padding = 32;
  playlist.items[2].padding = 100;
  test_support::TempDir folder;
  fixtures::WriteMpls(folder.path() / "00001.mpls", playlist);
  EXPECT_EQ(ReadPlaylistChapters(folder / "00001.mpls"),
            (ChapterTimeList{"00:00:00.000000000", "00:01:00.000000000", "00:03:10.000000000",
                             "00:07:20.000000000"}));
  EXPECT_EQ(ReadPlaylistSummary(folder / "00001.mpls"), "00:08:10.000 4 00001");
}

TEST(ReadPlaylist, Failures) {
  const std::string kReadError = "Stream read error";
  auto with_field = [](MplsPlaylist playlist, std::size_t offset, std::uint32_t value) {
    std::string bytes = fixtures::BuildMpls(playlist);
    for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
  };
  const MplsPlaylist two_items = Playlist({{0, Ticks(60)}, {0, Ticks(60)}}, {EntryMark(0, 0), EntryMark(1, 0)});
  MplsPlaylist long_length = two_items;
  long_length.items[0].length = 0xFFFF;
  MplsPlaylist many_items = two_items;
  many_items.items.resize(1);
  std::string many_items_bytes = fixtures::BuildMpls(many_items);
  const std::size_t play_list = static_cast<unsigned char>(many_items_bytes[fixtures::kMplsPlayListStartField + 3]);
  many_items_bytes[play_list + 6] = '\x7F';  // number_of_PlayItems 0x7F01 with one item present

  struct Case {
    const char* what;
    std::string bytes;
    std::optional<std::string> chapters_error;
    std::optional<std::string> summary_error;
  } cases[] = {
      {"empty file", "", kReadError, kReadError},
      {"PlayList start of 2^31 or more (negative)",
       with_field(two_items, fixtures::kMplsPlayListStartField, 0x80000000u), kReadError, kReadError},
      {"PlayList start beyond the file",
       with_field(two_items, fixtures::kMplsPlayListStartField, 0x7FFFFFF0u), kReadError, kReadError},
      {"PlayListMark start negative",
       with_field(two_items, fixtures::kMplsMarkStartField, 0xFFFFFFFFu), kReadError, kReadError},
      {"first item's length points past the end", fixtures::BuildMpls(long_length), kReadError, kReadError},
      {"more play items counted than present", many_items_bytes, kReadError, kReadError},
      {"entry mark in a play item that does not exist",
       fixtures::BuildMpls(Playlist({{0, Ticks(60)}, {0, Ticks(60)}}, {EntryMark(0, 0), EntryMark(2, 0)})),
       "List index (2) out of bounds", "List index (2) out of bounds"},
      {"bad index in a mark before the last: only the chapter list reads it",
       fixtures::BuildMpls(Playlist({{0, Ticks(60)}, {0, Ticks(60)}}, {EntryMark(65535, 0), EntryMark(1, 0)})),
       "List index (65535) out of bounds", std::nullopt},
      {"bad index in a link point is never read",
       fixtures::BuildMpls(Playlist({{0, Ticks(60)}, {0, Ticks(60)}}, {EntryMark(0, 0), LinkPoint(9, 0)})),
       std::nullopt, std::nullopt},
  };
  test_support::TempDir folder;
  const std::string path = folder / "00000.mpls";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test_support::WriteFile(path, c.bytes);
    EXPECT_EQ(ErrorOf([&] { ReadPlaylistChapters(path); }), c.chapters_error);
    EXPECT_EQ(ErrorOf([&] { ReadPlaylistSummary(path); }), c.summary_error);
  }
}

TEST(ReadPlaylist, MissingFile) {
  test_support::TempDir folder;
  const std::string path = folder / "00009.mpls";
  const std::string message = "Unable to open file \"" + path + "\"";
  EXPECT_EQ(ErrorOf([&] { ReadPlaylistChapters(path); }), message);
  EXPECT_EQ(ErrorOf([&] { ReadPlaylistSummary(path); }), message);
  // A folder of that name is no playlist either.
  std::filesystem::create_directory(path);
  EXPECT_EQ(ErrorOf([&] { ReadPlaylistSummary(path); }), message);
}

// Every cut of a real playlist either reads as the whole file does (the fields read all
// lie before the cut) or fails with the read error; none crashes.
void ExpectCleanTruncation(const std::string& bytes) {
  const std::string path = "/disc/BDMV/PLAYLIST/00800.mpls";
  const ChapterTimeList whole_chapters = PlaylistChapters(dvd::FileImage(bytes));
  const std::string whole_summary = PlaylistSummary(dvd::FileImage(bytes), path);
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    const dvd::FileImage image(bytes.substr(0, size));
    try {
      EXPECT_EQ(PlaylistChapters(image), whole_chapters) << size;
    } catch (const common::Error& error) {
      EXPECT_STREQ(error.what(), "Stream read error") << size;
    }
    try {
      EXPECT_EQ(PlaylistSummary(image, path), whole_summary) << size;
    } catch (const common::Error& error) {
      EXPECT_STREQ(error.what(), "Stream read error") << size;
    }
  }
}

TEST(ReadPlaylist, TruncatedAtEveryLength) {
  MplsPlaylist playlist = Playlist({{0, Ticks(60)}, {Ticks(10), Ticks(400)}},
                                   {EntryMark(0, 0), LinkPoint(1, Ticks(20)), EntryMark(1, Ticks(399))});
  playlist.items[0].padding = 24;
  ExpectCleanTruncation(fixtures::BuildMpls(playlist));

  const std::filesystem::path corpus = test_support::CorpusPath();
  if (corpus.empty()) GTEST_SKIP() << "no corpus of real playlists";
  ExpectCleanTruncation(test_support::ReadFile(corpus / "files/domyd+mpls/assets/multi-angle.mpls"));
}

TEST(PlaylistNumber, TakenByPosition) {
  struct Case {
    const char* path;
    const char* number;
  } cases[] = {
      {"/media/disc/BDMV/PLAYLIST/00800.mpls", "00800"},
      {"/media/disc/BDMV/PLAYLIST/abc.mpls", "T/abc"},
      {"D:\\BDMV\\PLAYLIST\\01234.mpls", "01234"},
      {"ab.mpls", "ab"},
      {".mpls", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaylistNumber(c.path), c.number) << c.path;
}

}  // namespace
}  // namespace bluray
