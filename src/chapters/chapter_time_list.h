// The chapter starts of one title or playlist, as the disc readers return them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chapters {

// Nanosecond timecodes of chapter starts, in order; a chapter that would start 2.0
// seconds or less before the end is replaced by kShortChapterNotice and keeps its
// position, which stays its chapter number in every export.
using ChapterTimeList = std::vector<std::string>;

inline constexpr std::string_view kShortChapterNotice =
    "The last chapter is shorter than 2 seconds and was ignored.";

// Exports leave out every entry holding "The" (the notice), keeping its position.
inline bool IsNotice(std::string_view entry) { return entry.find("The") != std::string_view::npos; }

}  // namespace chapters
