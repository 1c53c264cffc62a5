// The Blu-ray listings: the playlists of a PLAYLIST folder, longest first, and the chapter
// starts of one playlist. Their read errors are not caught here.
#pragma once

#include <cstdint>
#include <string>

namespace bluray {

// Folder: the PLAYLIST folder in UTF-8, ending in the separator.
void ListPlaylists(const std::string& folder);
void ShowPlaylist(const std::string& playlist_path);

}  // namespace bluray
