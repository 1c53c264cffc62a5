#include "app/disc_path.h"

#include "common/text.h"
#include "platform/platform.h"

namespace app {

namespace {

const std::string kSep(1, platform::kPathSeparator);
const std::string kBdmv = "BDMV" + kSep;
const std::string kPlaylist = "PLAYLIST" + kSep;
const std::string kVideoTs = "VIDEO_TS" + kSep;

std::string Normalise(const std::string& disc_path) {
  if (!disc_path.empty() && disc_path.back() == platform::kPathSeparator) return disc_path;
  return disc_path + kSep;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool Probe(const std::string& pattern) { return platform::PatternMatchesAny(common::Utf8ToSystem(pattern)); }

bool IsRoot(const std::string& normalised) { return platform::IsDriveRoot(common::Utf8ToSystem(normalised)); }

}  // namespace

std::string DetectDiscStructure(const std::string& disc_path) {
  const std::string p = Normalise(disc_path);
  if (IsRoot(p)) {
    if (Probe(p + kBdmv + kPlaylist + "*.mpls")) return "Bluray";
    if (Probe(p + kVideoTs + "*.IFO")) return "DVD";
    return std::string();
  }
  if (EndsWith(p, kBdmv) && Probe(p + kPlaylist + "*.mpls")) return "Bluray";
  if (EndsWith(p, kPlaylist) && Probe(p + "*.mpls")) return "Bluray";
  if (EndsWith(p, kVideoTs) && Probe(p + "*.IFO")) return "DVD";
  return std::string();
}

std::string ResolveDvdFolder(const std::string& disc_path) {
  const std::string p = Normalise(disc_path);
  if (IsRoot(p)) return p + kVideoTs;
  if (EndsWith(p, kVideoTs)) return p;
  return std::string();
}

std::string ResolveBlurayFolder(const std::string& disc_path) {
  const std::string p = Normalise(disc_path);
  if (IsRoot(p)) return p + kBdmv + kPlaylist;
  if (EndsWith(p, kBdmv)) return p + kPlaylist;
  if (EndsWith(p, kPlaylist)) return p;
  return std::string();
}

}  // namespace app
