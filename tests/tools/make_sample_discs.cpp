// Writes a small sample Blu-ray folder and a sample DVD folder for the demo:
//   <folder>/BLURAY/BDMV/PLAYLIST/00800.mpls  the film, 1:50:12.407, 24 chapters over two clips
//                                  00001.mpls  a 45-second loop with 2 chapters
//                                  00002.mpls  an extra of 12:34.560 with 3 chapters
//                                  00003.mpls  a bonus of 25 minutes whose last chapter is 1.5 s long
//   <folder>/DVD/VIDEO_TS/VIDEO_TS.IFO         the video manager (a placeholder)
//                         VTS_01_0.IFO/.BUP    the film (16 chapters), an extra (3), a short title
//                         VTS_02_0.IFO/.BUP    a trailer
// Usage: make_sample_discs <folder>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "fixtures/ifo_builder.h"
#include "fixtures/mpls_builder.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

// Millisecond times are whole 45 kHz tick counts.
std::uint32_t MillisecondTicks(double seconds) {
  return static_cast<std::uint32_t>(std::llround(seconds * fixtures::kMplsTicksPerSecond));
}

fixtures::MplsPlayItem PlayItem(const std::string& clip, double in_seconds, double length_seconds) {
  fixtures::MplsPlayItem item;
  item.clip = clip;
  item.in = MillisecondTicks(in_seconds);
  item.out = MillisecondTicks(in_seconds + length_seconds);
  return item;
}

// A playlist over `items` with an entry mark at each of `starts` (seconds from the start
// of the playlist), each put on the play item it falls in.
fixtures::MplsPlaylist Playlist(const std::vector<fixtures::MplsPlayItem>& items, const std::vector<double>& starts) {
  fixtures::MplsPlaylist playlist;
  playlist.items = items;
  for (double start : starts) {
    double item_start = 0;
    for (size_t i = 0; i < items.size(); ++i) {
      double length = (items[i].out - items[i].in) / double(fixtures::kMplsTicksPerSecond);
      if (start < item_start + length || i + 1 == items.size()) {
        playlist.marks.push_back(fixtures::EntryMark(static_cast<std::uint16_t>(i), items[i].in + MillisecondTicks(start - item_start)));
        break;
      }
      item_start += length;
    }
  }
  return playlist;
}

void WriteBluray(const fs::path& folder) {
  const fs::path playlists = folder / "BDMV" / "PLAYLIST";
  // Clips begin at 600 s on their own time line, as authored discs' clips usually do.
  fixtures::MplsPlaylist film = Playlist(
      {PlayItem("00055", 600, 3301.217), PlayItem("00056", 600, 3311.190)},
      {0,        262.762,  548.131,  801.092,  1092.466, 1365.740, 1633.508, 1911.244,
       2210.001, 2487.695, 2768.143, 3044.585, 3301.217, 3590.089, 3862.861, 4139.347,
       4420.003, 4697.822, 4981.646, 5260.385, 5535.910, 5820.778, 6101.517, 6395.312});
  // A link point (a seamless-branching point, no chapter) in the first clip.
  film.marks.insert(film.marks.begin() + 5, fixtures::LinkPoint(0, MillisecondTicks(600 + 1200)));
  fixtures::WriteMpls(playlists / "00800.mpls", film);
  fixtures::WriteMpls(playlists / "00001.mpls", Playlist({PlayItem("00001", 600, 45)}, {0, 20}));
  fixtures::WriteMpls(playlists / "00002.mpls", Playlist({PlayItem("00002", 600, 754.56)}, {0, 250.2, 501.0}));
  fixtures::WriteMpls(playlists / "00003.mpls",
                      Playlist({PlayItem("00003", 600, 1500)}, {0, 300.04, 600.08, 1100.5, 1498.5}));
}

fixtures::IfoProgramChain Chain(const std::vector<fixtures::DvdTime>& cells) {
  return fixtures::OneProgramPerCell(cells);
}

void WriteDvd(const fs::path& folder) {
  const fs::path video_ts = folder / "VIDEO_TS";
  // The video manager: the program reads only the title sets.
  std::string manager(2048, '\0');
  manager.replace(0, 12, "DVDVIDEO-VMG");
  test_support::WriteFile(video_ts / "VIDEO_TS.IFO", manager);
  test_support::WriteFile(video_ts / "VIDEO_TS.BUP", manager);

  using fixtures::PalTime;
  fixtures::IfoTitleSet film;
  film.chains.push_back(Chain({PalTime(0, 4, 12, 5),  PalTime(0, 6, 40, 12), PalTime(0, 5, 3, 0),
                               PalTime(0, 7, 21, 20), PalTime(0, 5, 58, 3),  PalTime(0, 6, 2, 10),
                               PalTime(0, 4, 45, 24), PalTime(0, 6, 30, 0),  PalTime(0, 5, 17, 8),
                               PalTime(0, 7, 2, 16),  PalTime(0, 6, 11, 1),  PalTime(0, 5, 49, 19),
                               PalTime(0, 6, 26, 7),  PalTime(0, 5, 33, 13), PalTime(0, 6, 54, 22),
                               PalTime(0, 6, 20, 0)}));
  film.chains.push_back(Chain({PalTime(0, 2, 30, 0), PalTime(0, 3, 15, 10), PalTime(0, 2, 5, 20)}));
  film.chains.push_back(Chain({PalTime(0, 0, 40, 0), PalTime(0, 1, 10, 0), PalTime(0, 0, 1, 0)}));
  fixtures::WriteIfo(video_ts / "VTS_01_0.IFO", film);
  fixtures::WriteIfo(video_ts / "VTS_01_0.BUP", film);

  fixtures::IfoTitleSet trailer;
  trailer.chains.push_back(Chain({PalTime(0, 2, 10, 0)}));
  fixtures::WriteIfo(video_ts / "VTS_02_0.IFO", trailer);
  fixtures::WriteIfo(video_ts / "VTS_02_0.BUP", trailer);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sample_discs <folder>\n";
    return 2;
  }
  try {
    const fs::path folder(argv[1]);
    WriteBluray(folder / "BLURAY");
    WriteDvd(folder / "DVD");
    std::cout << "Blu-ray: " << (folder / "BLURAY" / "BDMV").string() << "\n"
              << "DVD: " << (folder / "DVD" / "VIDEO_TS").string() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "make_sample_discs: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
