#include "bluray/playlist_listings.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "bluray/playlist_reader.h"
#include "chapters/timecode.h"
#include "common/console.h"
#include "common/integer.h"
#include "common/text.h"
#include "platform/platform.h"

namespace bluray {

namespace {

constexpr std::int32_t kMostChaptersNotListed = 2;
constexpr double kLongestPlayTimeNotListed = 60.0;

// The text before the first space and the text after it; without a space the first
// part is empty and the second the whole text.
std::pair<std::string_view, std::string_view> SplitAtSpace(std::string_view text) {
  const size_t space = text.find(' ');
  if (space == std::string_view::npos) return {std::string_view(), text};
  return {text.substr(0, space), text.substr(space + 1)};
}

}  // namespace

void ListPlaylists(const std::string& folder) {
  const std::vector<std::string> names = platform::FindEntries(common::Utf8ToSystem(folder) + "*.mpls");
  std::vector<std::string> summaries;
  summaries.reserve(names.size());
  for (const std::string& name : names) summaries.push_back(ReadPlaylistSummary(folder + common::SystemToUtf8(name)));
  // Each summary begins with its fixed-width play time, so byte order is play time order.
  std::sort(summaries.begin(), summaries.end());

  common::WriteLine("MPLS : playtime:    chapters:");
  for (auto summary = summaries.rbegin(); summary != summaries.rend(); ++summary) {
    const auto [play_time, rest] = SplitAtSpace(*summary);
    const auto [chapter_count, number] = SplitAtSpace(rest);
    // A playlist without play items has an empty summary; its count fails here, last.
    if (common::ToIntegerOrThrow(chapter_count) <= kMostChaptersNotListed ||
        chapters::TimecodeToSeconds(play_time) <= kLongestPlayTimeNotListed) {
      continue;
    }
    std::string line;
    line.reserve(summary->size() + 2);
    line.append(number).append(": ").append(play_time).append(" ").append(chapter_count);
    common::WriteLine(line);
  }
}

void ShowPlaylist(const std::string& playlist_path) {
  if (!platform::FileExists(common::Utf8ToSystem(playlist_path))) {
    common::WriteLine("The MPLS parameter is invalid.");
    return;
  }
  for (const std::string& entry : ReadPlaylistChapters(playlist_path)) common::WriteLine(entry);
}

}  // namespace bluray
