#include "bluray/playlist_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "chapters/timecode.h"
#include "common/error.h"

namespace bluray {

// The fields we read, at absolute offsets (big-endian, unsigned in the file):
//
// MPLS header
//   8..11   PlayList_start_address (PL)
//   12..15  PlayListMark_start_address (PM)
// PlayList, at PL
//   6, 7    number_of_PlayItems (N)
//   10..    the PlayItems, one after the other
// PlayItem, at its start P (the first at PL + 10)
//   0, 1    length of the item, not counting these two bytes; the next item starts at
//           P + 2 + length (multi-angle items are longer than the others)
//   14..17  IN_time, 45 kHz ticks
//   18..21  OUT_time, 45 kHz ticks
// PlayListMark, at PM
//   4, 5    number_of_PlayList_marks (n)
//   6..     the marks, 14 bytes each
// mark j (from 0), at PM + 6 + 14 * j
//   1       mark_type: 1 entry mark (a chapter), 2 link point
//   2, 3    ref_to_PlayItem_id, counted from 0
//   4..7    mark_time_stamp, 45 kHz ticks on the time base of that play item
//
// ReadBigEndian gives 4-byte fields of 2^31 or more as negative numbers; they stay
// plain doubles here, and a negative offset from the file makes the next read fail.

namespace {

using dvd::FileImage;
using dvd::ReadBigEndian;

constexpr double kTicksPerSecond = 45000.0;
constexpr double kShortChapterSeconds = 2.0;
constexpr std::int32_t kEntryMark = 1;
constexpr std::int32_t kLinkPoint = 2;
constexpr std::int64_t kMarkSize = 14;

double Seconds(std::int32_t ticks) { return static_cast<double>(ticks) / kTicksPerSecond; }

// A value as it reads back from its decimal text of 15 significant digits.
double FifteenDigits(double value) { return chapters::ReadDecimal(chapters::FifteenDigitText(value)); }

struct PlayItems {
  std::int32_t count = 0;
  double total = 0.0;
  // One play item: its IN time, unrounded.
  double single_in = 0.0;
  // Several play items: IN time and duration of each; a chapter start reads them as
  // their text of 15 significant digits.
  std::vector<double> starts;
  std::vector<double> durations;
  bool stored_as_text = false;  // starts and durations already hold the read-back values

  double Start(std::int32_t k) const { return Stored(starts[static_cast<size_t>(k)]); }
  double Duration(std::int32_t k) const { return Stored(durations[static_cast<size_t>(k)]); }
  double Stored(double value) const { return stored_as_text ? value : FifteenDigits(value); }
};

PlayItems ReadPlayItems(const FileImage& image) {
  const std::int64_t play_list = ReadBigEndian(image, 8, 4);
  PlayItems items;
  items.count = ReadBigEndian(image, play_list + 6, 2);
  std::int64_t item = play_list + 10;
  for (std::int32_t k = 0; k < items.count; ++k) {
    const std::int32_t length = ReadBigEndian(image, item, 2);
    const double in = Seconds(ReadBigEndian(image, item + 14, 4));
    const double out = Seconds(ReadBigEndian(image, item + 18, 4));
    if (items.count == 1) {
      items.single_in = in;
      items.total = out - in;
    } else {
      items.total += out - in;
      items.starts.push_back(in);
      items.durations.push_back(out - in);
    }
    item += 2 + length;
  }
  return items;
}

// For a chapter list, which reads them for every mark: each value rounded once.
void StoreAsText(PlayItems& items) {
  for (double& start : items.starts) start = FifteenDigits(start);
  for (double& duration : items.durations) duration = FifteenDigits(duration);
  items.stored_as_text = true;
}

// The start of the mark at `mark` on the playlist's timeline, in seconds.
double ChapterStart(const FileImage& image, const PlayItems& items, std::int64_t mark) {
  if (items.count == 1) return std::max(Seconds(ReadBigEndian(image, mark + 4, 4)) - items.single_in, 0.0);
  const std::int32_t index = ReadBigEndian(image, mark + 2, 2);
  if (index >= items.count) throw common::Error("List index (" + std::to_string(index) + ") out of bounds");
  double start = std::max(Seconds(ReadBigEndian(image, mark + 4, 4)) - items.Start(index), 0.0);
  // One by one, in item order: the sum is the one the stored durations give.
  for (std::int32_t k = 0; k < index; ++k) start += items.Duration(k);
  return start;
}

bool TooCloseToEnd(const PlayItems& items, double start) { return !(items.total > start + kShortChapterSeconds); }

struct Marks {
  std::int64_t first = 0;
  std::int32_t count = 0;
  std::int64_t At(std::int32_t j) const { return first + kMarkSize * j; }
};

Marks ReadMarks(const FileImage& image) {
  const std::int64_t mark_section = ReadBigEndian(image, 12, 4);
  return {mark_section + 6, ReadBigEndian(image, mark_section + 4, 2)};
}

}  // namespace

std::string PlaylistNumber(std::string_view path) {
  constexpr size_t kExtensionLength = 5;
  constexpr size_t kNumberLength = 5;
  if (path.size() <= kExtensionLength) return std::string();
  const size_t end = path.size() - kExtensionLength;
  const size_t begin = end > kNumberLength ? end - kNumberLength : 0;
  return std::string(path.substr(begin, end - begin));
}

std::string PlaylistSummary(const FileImage& image, std::string_view path) {
  const PlayItems items = ReadPlayItems(image);
  if (items.count == 0) return std::string();
  const Marks marks = ReadMarks(image);
  std::int32_t skipped = 0;
  for (std::int32_t j = 0; j < marks.count; ++j) {
    const std::int32_t type = ReadBigEndian(image, marks.At(j) + 1, 1);
    if (type == kLinkPoint) ++skipped;
    // Only the last mark is held against the 2-second rule here.
    if (j == marks.count - 1 && type == kEntryMark && TooCloseToEnd(items, ChapterStart(image, items, marks.At(j)))) {
      ++skipped;
    }
  }
  std::int32_t chapter_count = marks.count - skipped;
  if (chapter_count == 0) chapter_count = 1;
  return chapters::MillisecondTimecode(chapters::SecondsToTimecode(items.total)) + " " +
         std::to_string(chapter_count) + " " + PlaylistNumber(path);
}

chapters::ChapterTimeList PlaylistChapters(const FileImage& image) {
  PlayItems items = ReadPlayItems(image);
  StoreAsText(items);
  chapters::ChapterTimeList list;
  if (items.count == 0) return list;
  const Marks marks = ReadMarks(image);
  for (std::int32_t j = 0; j < marks.count; ++j) {
    if (ReadBigEndian(image, marks.At(j) + 1, 1) != kEntryMark) continue;
    const double start = ChapterStart(image, items, marks.At(j));
    list.push_back(TooCloseToEnd(items, start) ? std::string(chapters::kShortChapterNotice)
                                               : chapters::SecondsToTimecode(start));
  }
  return list;
}

std::string ReadPlaylistSummary(const std::string& path) { return PlaylistSummary(FileImage::Load(path), path); }

chapters::ChapterTimeList ReadPlaylistChapters(const std::string& path) {
  return PlaylistChapters(FileImage::Load(path));
}

}  // namespace bluray
