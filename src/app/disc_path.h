// Disc paths: a drive root, a BDMV or PLAYLIST folder, or a VIDEO_TS folder. A folder
// that merely contains one of them is not searched.
#pragma once

#include <string>

namespace app {

// "Bluray", "DVD" or empty text for a disc path (UTF-8). A drive root that holds both
// structures is a Blu-ray.
std::string DetectDiscStructure(const std::string& disc_path);

// The VIDEO_TS folder, ending in the separator (UTF-8).
std::string ResolveDvdFolder(const std::string& disc_path);

// The PLAYLIST folder, ending in the separator (UTF-8).
std::string ResolveBlurayFolder(const std::string& disc_path);

}  // namespace app
