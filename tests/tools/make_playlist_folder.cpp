// Fills a folder with many playlists for timing the playlist listing:
//   make_playlist_folder FOLDER COUNT
// writes FOLDER/00000.mpls ... with play times from 10 seconds to 3 hours, one to four
// play items, up to 60 marks (some of them link points). The content depends on the
// count only, so every run writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <random>
#include <string>

#include "fixtures/mpls_builder.h"

namespace {

constexpr int kMostPlaylists = 100000;

fixtures::MplsPlaylist MakePlaylist(std::mt19937& random) {
  auto below = [&random](std::uint32_t limit) { return static_cast<std::uint32_t>(random() % limit); };
  fixtures::MplsPlaylist playlist;
  const std::uint32_t item_count = 1 + below(4);
  for (std::uint32_t k = 0; k < item_count; ++k) {
    const std::uint32_t in = fixtures::Ticks(below(600));
    const std::uint32_t length = fixtures::Ticks(10 + below(10800 / item_count));
    playlist.items.push_back({in, in + length, static_cast<std::uint16_t>(below(2) * 32), std::nullopt, "00000"});
  }
  const std::uint32_t mark_count = below(61);
  for (std::uint32_t j = 0; j < mark_count; ++j) {
    const auto item = static_cast<std::uint16_t>(j * item_count / (mark_count == 0 ? 1 : mark_count));
    const fixtures::MplsPlayItem& target = playlist.items[item];
    const std::uint32_t time = target.in + (target.out - target.in) / mark_count * (j % (mark_count / item_count + 1));
    playlist.marks.push_back(below(8) == 0 ? fixtures::LinkPoint(item, time) : fixtures::EntryMark(item, time));
  }
  return playlist;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_playlist_folder FOLDER COUNT\n");
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    const int count = std::stoi(argv[2]);
    if (count < 0 || count > kMostPlaylists) throw std::out_of_range("COUNT must lie between 0 and 100000");
    std::filesystem::create_directories(folder);
    std::mt19937 random(static_cast<std::uint32_t>(count));
    for (int i = 0; i < count; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "%05d.mpls", i);
      fixtures::WriteMpls(folder / name, MakePlaylist(random));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_playlist_folder: %s\n", error.what());
    return 1;
  }
  return 0;
}
