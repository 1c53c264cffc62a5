// Our chapter starts against libbluray's (bd_get_playlist_info) for every real playlist
// of the corpus. libbluray keeps a chapter that starts 2 s or less before the end; we put
// the short-chapter notice in its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bluray/playlist_reader.h"
#include "chapters/timecode.h"
#include "support/test_files.h"

namespace bluray {
namespace {

namespace fs = std::filesystem;

constexpr double kTolerance = 1e-6;  // seconds
constexpr double k90kHz = 90000.0;

// What libbluray read from one playlist (its .bd_playlist_info.tsv), in seconds.
struct Reading {
  double duration = -1.0;
  std::vector<double> chapter_starts;
  std::vector<std::string> mark_types;  // "entry" or "link", in mark order
  std::vector<double> mark_starts;
};

Reading ReadReading(const fs::path& path) {
  Reading reading;
  std::istringstream lines(test_support::ReadFile(path));
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::istringstream columns(line);
    std::string field;
    while (std::getline(columns, field, '\t')) fields.push_back(field);
    if (fields.size() >= 2 && fields[0] == "duration_90k") reading.duration = std::stod(fields[1]) / k90kHz;
    if (fields.size() >= 3 && fields[0] == "chapter") reading.chapter_starts.push_back(std::stod(fields[2]) / k90kHz);
    if (fields.size() >= 4 && fields[0] == "mark") {
      reading.mark_types.push_back(fields[2]);
      reading.mark_starts.push_back(std::stod(fields[3]) / k90kHz);
    }
  }
  return reading;
}

std::vector<fs::path> CorpusPlaylists(const fs::path& corpus) {
  std::vector<fs::path> playlists;
  for (const auto& entry : fs::recursive_directory_iterator(corpus / "files")) {
    if (entry.is_regular_file() && entry.path().extension() == ".mpls") playlists.push_back(entry.path());
  }
  std::sort(playlists.begin(), playlists.end());
  return playlists;
}

bool WithinTwoSecondsOfEnd(double start, double duration) { return !(duration > start + 2.0 + kTolerance); }

TEST(PlaylistCorpus, ChapterStartsAgreeWithLibbluray) {
  const fs::path corpus = test_support::CorpusPath();
  if (corpus.empty()) GTEST_SKIP() << "no corpus of real playlists";
  int compared_playlists = 0;
  int compared_chapters = 0;
  int notices = 0;
  double worst = 0.0;
  for (const fs::path& playlist : CorpusPlaylists(corpus)) {
    const fs::path relative = fs::relative(playlist, corpus / "files");
    SCOPED_TRACE(relative.string());
    const fs::path reading_path = corpus / "readings" / (relative.string() + ".bd_playlist_info.tsv");
    ASSERT_TRUE(fs::exists(reading_path));
    const Reading reading = ReadReading(reading_path);
    ASSERT_GE(reading.duration, 0.0);

    const chapters::ChapterTimeList ours = ReadPlaylistChapters(playlist.string());
    ASSERT_EQ(ours.size(), reading.chapter_starts.size());
    for (size_t i = 0; i < ours.size(); ++i) {
      const double theirs = reading.chapter_starts[i];
      if (chapters::IsNotice(ours[i])) {
        EXPECT_TRUE(WithinTwoSecondsOfEnd(theirs, reading.duration)) << "chapter " << i + 1;
        ++notices;
        continue;
      }
      const double deviation = std::fabs(chapters::TimecodeToSeconds(ours[i]) - theirs);
      EXPECT_LE(deviation, kTolerance) << "chapter " << i + 1 << ": " << ours[i];
      EXPECT_FALSE(WithinTwoSecondsOfEnd(theirs, reading.duration)) << "chapter " << i + 1;
      worst = std::max(worst, deviation);
      ++compared_chapters;
    }

    // The summary: libbluray's play time cut to milliseconds, and the marks less the link
    // points less a last entry mark within 2 s of the end.
    const std::string summary = ReadPlaylistSummary(playlist.string());
    const double play_time = chapters::TimecodeToSeconds(summary.substr(0, summary.find(' ')));
    EXPECT_LE(play_time, reading.duration + kTolerance);
    EXPECT_GT(play_time, reading.duration - 0.001 - kTolerance);
    long expected_count = static_cast<long>(reading.mark_types.size()) -
                          std::count(reading.mark_types.begin(), reading.mark_types.end(), "link");
    if (!reading.mark_types.empty() && reading.mark_types.back() == "entry" &&
        WithinTwoSecondsOfEnd(reading.mark_starts.back(), reading.duration)) {
      --expected_count;
    }
    const std::string rest = summary.substr(summary.find(' ') + 1);
    EXPECT_EQ(rest.substr(0, rest.find(' ')), std::to_string(std::max(expected_count, 1L)));
    ++compared_playlists;
  }
  EXPECT_EQ(compared_playlists, 167);
  std::printf("compared %d playlists, %d chapter starts (max deviation %.3g ns), %d notices\n",
              compared_playlists, compared_chapters, worst * 1e9, notices);
  RecordProperty("max_deviation_ns", std::to_string(worst * 1e9));
}

// The corpus's multi-angle playlist has play items of 640 and 672 bytes in turn; with one
// stride for all items every item after the second would be read from the wrong place.
TEST(PlaylistCorpus, MultiAnglePlayItemsOfTwoLengths) {
  const fs::path corpus = test_support::CorpusPath();
  if (corpus.empty()) GTEST_SKIP() << "no corpus of real playlists";
  const std::string path = (corpus / "files/domyd+mpls/assets/multi-angle.mpls").string();
  const dvd::FileImage image = dvd::FileImage::Load(path);
  const std::int64_t play_list = dvd::ReadBigEndian(image, 8, 4);
  EXPECT_EQ(dvd::ReadBigEndian(image, play_list + 10, 2), 640);
  EXPECT_EQ(dvd::ReadBigEndian(image, play_list + 10 + 642, 2), 672);

  // 539552728 / 90000 s; 64 marks, 31 link points, the last entry mark 0.25 s before the end.
  EXPECT_EQ(ReadPlaylistSummary(path), "01:39:55.030 32 angle");
  const chapters::ChapterTimeList list = ReadPlaylistChapters(path);
  ASSERT_EQ(list.size(), 33u);
  EXPECT_EQ(list[1], "00:02:55.884000000");   // in play item 2; libbluray 15829560
  EXPECT_EQ(list[31], "01:32:57.363088888");  // in play item 34; libbluray 501962678
  EXPECT_EQ(list[32], chapters::kShortChapterNotice);
}

}  // namespace
}  // namespace bluray
