#include "bluray/playlist_listings.h"
namespace bluray {
void ListPlaylists(const std::string&) {}
void ShowPlaylist(const std::string&) {}
}  // namespace bluray
