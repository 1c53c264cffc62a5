#include "dvd/dvd_listings.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>
#include <vector>

#include "chapters/chapter_time_list.h"
#include "chapters/timecode.h"
#include "common/console.h"
#include "common/text.h"
#include "dvd/chapter_extraction.h"
#include "dvd/file_image.h"
#include "dvd/ifo_fields.h"
#include "platform/platform.h"

namespace dvd {

namespace {

using common::WriteLine;

constexpr size_t kShownPathCharacters = 12;

// The last `count` characters of UTF-8 text, never splitting a character.
std::string LastCharacters(std::string_view text, size_t count) {
  size_t start = text.size();
  while (start > 0 && count > 0) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) --count;
  }
  return std::string(text.substr(start));
}

bool IfoFileFound(const std::string& ifo_path) {
  if (platform::FileExists(common::Utf8ToSystem(ifo_path))) return true;
  WriteLine("The ifo file could not be found.");
  WriteLine("Please check the 2. parameter.");
  return false;
}

}  // namespace

void ListDvdTitleSets(const std::string& folder) {
  // Each title set: its path in the system code page (the sort key) and in UTF-8.
  std::vector<std::pair<std::string, std::string>> title_sets;
  const std::string system_folder = common::Utf8ToSystem(folder);
  for (const std::string& name : platform::FindEntries(system_folder + "*.IFO")) {
    if (name == "VIDEO_TS.IFO") continue;
    title_sets.emplace_back(system_folder + name, folder + common::SystemToUtf8(name));
  }
  std::sort(title_sets.begin(), title_sets.end(), [](const auto& a, const auto& b) {
    return platform::CompareTextIgnoringCase(a.first, b.first) < 0;
  });
  try {
    int number = 0;
    for (const auto& title_set : title_sets) {
      const std::string& path = title_set.second;
      const std::int32_t titles = ReadTitleCount(FileImage::Load(path));
      WriteLine(std::to_string(++number) + ")  " + LastCharacters(path, kShownPathCharacters) + "  " +
                std::to_string(titles) + " title(s)");
    }
  } catch (const std::exception& error) {
    WriteLine(error.what());
  }
}

void ShowTitleSet(const std::string& ifo_path) {
  if (!IfoFileFound(ifo_path)) return;
  try {
    const FileImage image = FileImage::Load(ifo_path);
    const std::int32_t titles = ReadTitleCount(image);
    for (std::int32_t title = 1; title <= titles; ++title) {
      const std::int64_t chain_position = ReadProgramChainPosition(image, title);
      const std::int32_t programs = ReadProgramCount(image, chain_position);
      const std::string playback_time = ReadChainPlaybackTime(image, chain_position);
      WriteLine(std::to_string(title) + ".title playtime: " + chapters::MillisecondTimecode(playback_time) + "  " +
                std::to_string(programs) + " chapter(s)");
    }
  } catch (const std::exception& error) {
    WriteLine(error.what());
  }
}

void ShowDvdTitleChapters(const std::string& ifo_path, std::int32_t title) {
  if (!IfoFileFound(ifo_path)) return;
  if (title < 1) {
    WriteLine("The title must be an integer and greater than 0.");
    WriteLine("Please check the 3. parameter.");
    return;
  }
  try {
    for (const std::string& entry : ExtractDvdChapters(ifo_path, title)) {
      WriteLine(chapters::IsNotice(entry) ? entry : chapters::MillisecondTimecode(entry));
    }
  } catch (const std::exception& error) {
    WriteLine(error.what());
  }
}

}  // namespace dvd
