// The DVD listings: title sets of a VIDEO_TS folder, the titles of one title set, the
// chapter starts of one title. Each prints its own lines and messages.
#pragma once

#include <cstdint>
#include <string>

namespace dvd {

// Folder: the VIDEO_TS folder in UTF-8, ending in the separator.
void ListDvdTitleSets(const std::string& folder);
void ShowTitleSet(const std::string& ifo_path);
// Title: the program chain number; -1 when the parameter was no integer.
void ShowDvdTitleChapters(const std::string& ifo_path, std::int32_t title);

}  // namespace dvd
