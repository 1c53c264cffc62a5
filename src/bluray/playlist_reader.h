// Blu-ray playlists (BDMV/PLAYLIST/*.mpls): how long one plays, how many chapters it
// has and where they start, read from a few fields at absolute offsets of the file.
#pragma once

#include <string>
#include <string_view>

#include "chapters/chapter_time_list.h"
#include "dvd/file_image.h"

namespace bluray {

// The playlist summary "HH:MM:SS.mmm chapters number": the total play time as a
// millisecond timecode, the chapter count (marks less link points, less a last entry
// mark 2.0 s or less before the end; at least 1) and the playlist number. Empty text
// when the playlist has no play item. The path is UTF-8.
// Fails with "Unable to open file "path"", "Stream read error" (a field past the end of
// the file) or "List index (n) out of bounds" (the last mark is an entry mark of a
// playlist with several play items and names a play item n that does not exist).
std::string ReadPlaylistSummary(const std::string& path);

// The chapter starts of the playlist's entry marks, in mark order, as nanosecond
// timecodes from the playlist's start; an entry mark 2.0 s or less before the end gives
// chapters::kShortChapterNotice in its place. Empty when there is no play item.
// Fails as ReadPlaylistSummary, "List index" for any entry mark.
chapters::ChapterTimeList ReadPlaylistChapters(const std::string& path);

// The same two readings of a file already in memory; `path` supplies only the number.
std::string PlaylistSummary(const dvd::FileImage& image, std::string_view path);
chapters::ChapterTimeList PlaylistChapters(const dvd::FileImage& image);

// The five characters before the last five (".mpls") of a path, taken by position
// only: "00800" for ".../00800.mpls", "T/abc" for ".../PLAYLIST/abc.mpls". Fewer for a
// path shorter than ten characters.
std::string PlaylistNumber(std::string_view path);

}  // namespace bluray
