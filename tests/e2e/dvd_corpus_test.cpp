// The DVD chapter listing against dvdxchap on real title sets. dvdxchap sums each cell's
// time truncated to milliseconds, with frames at 25 per second or 29.97; we sum exact
// frame times at 25 or 30 and cut to milliseconds at the end. So PAL titles must agree
// to the millisecond, and an NTSC chapter may differ by less than 1 ms per cell before
// it, plus 1 ms for the final cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

using test_support::ReadFile;
using test_support::TempDir;

// One program chain as libdvdread read it (readings/.../ifo_pgc_dump.txt).
struct Chain {
  int rate_code = 0;  // 1: 25 frames per second, 3: 30000/1001
  std::vector<int> program_map;
};

struct TitleSet {
  std::map<int, std::vector<std::pair<int, int>>> chapters;  // title number: (chain, program) per chapter
  std::map<int, Chain> chains;
};

struct Dump {
  std::map<int, std::pair<int, int>> titles;  // disc title: (title set, title in the set)
  std::map<int, TitleSet> title_sets;
};

// Value of "key=value" in a line of blank-separated words; -1 when absent.
int Field(const std::string& line, const std::string& key) {
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    if (word.rfind(key + "=", 0) == 0) return std::stoi(word.substr(key.size() + 1), nullptr, 0);
  }
  return -1;
}

Dump ReadDump(const fs::path& file) {
  Dump dump;
  std::istringstream lines(ReadFile(file));
  std::string line;
  TitleSet* set = nullptr;
  Chain* chain = nullptr;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "title") {
      int number = 0;
      words >> number;
      dump.titles[number] = {Field(line, "vts"), Field(line, "vts_ttn")};
    } else if (first == "VTS") {
      int number = 0;
      words >> number;
      set = &dump.title_sets[number];
    } else if (first == "ptt" && set != nullptr) {
      auto& chapters = set->chapters[Field(line, "vts_ttn")];
      std::string word;
      while (words >> word) {
        int chain_number = 0;
        int program = 0;
        if (std::sscanf(word.c_str(), "%d:%d", &chain_number, &program) == 2) {
          chapters.emplace_back(chain_number, program);
        }
      }
    } else if (first == "pgc" && set != nullptr) {
      int number = 0;
      words >> number;
      chain = &set->chains[number];
      chain->rate_code = Field(line, "rate_code");
    } else if (first == "program_map" && chain != nullptr) {
      int cell = 0;
      while (words >> cell) chain->program_map.push_back(cell);
    }
  }
  return dump;
}

// dvdxchap's chapter starts in milliseconds for each title it read.
std::map<int, std::vector<long long>> ReadDvdxchap(const fs::path& file) {
  std::map<int, std::vector<long long>> titles;
  std::istringstream lines(ReadFile(file));
  std::string line;
  std::vector<long long>* starts = nullptr;
  while (std::getline(lines, line)) {
    int title = 0;
    int exit_code = 0;
    int number = 0;
    int h = 0;
    int m = 0;
    int s = 0;
    int ms = 0;
    if (std::sscanf(line.c_str(), "### dvdxchap -t %d . (exit %d)", &title, &exit_code) == 2) {
      starts = exit_code == 0 ? &titles[title] : nullptr;
    } else if (starts != nullptr && line.find("NAME=") == std::string::npos &&
               std::sscanf(line.c_str(), "CHAPTER%d=%d:%d:%d.%d", &number, &h, &m, &s, &ms) == 5) {
      starts->push_back(((h * 60LL + m) * 60 + s) * 1000 + ms);
    }
  }
  return titles;
}

// "HH:MM:SS.mmm" in milliseconds; -1 for anything else (the notice).
long long Milliseconds(const std::string& line) {
  int h = 0;
  int m = 0;
  int s = 0;
  int ms = 0;
  char end = 0;
  if (line.size() != 12 || std::sscanf(line.c_str(), "%d:%d:%d.%d%c", &h, &m, &s, &ms, &end) != 4) return -1;
  return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}

std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = out.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

TEST(DvdCorpus, ChapterListingAgreesWithDvdxchap) {
  const fs::path corpus = test_support::CorpusPath();
  if (corpus.empty()) GTEST_SKIP() << "no corpus of real disc files";

  int pal_titles = 0;
  int ntsc_titles = 0;
  int chapters_compared = 0;
  int notices = 0;
  long long ntsc_max_deviation = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus / "readings")) {
    if (entry.path().filename() != "dvdxchap.txt") continue;
    const fs::path readings = entry.path().parent_path();
    const fs::path files = corpus / "files" / fs::relative(readings, corpus / "readings");
    if (!fs::is_directory(files)) continue;
    const Dump dump = ReadDump(readings / "ifo_pgc_dump.txt");
    // The program wants a folder named VIDEO_TS; copy the title sets into one.
    TempDir dir;
    const fs::path video_ts = dir.path() / "VIDEO_TS";
    fs::create_directory(video_ts);
    for (const auto& file : fs::directory_iterator(files)) {
      if (file.path().extension() == ".IFO") fs::copy_file(file.path(), video_ts / file.path().filename());
    }

    for (const auto& [title, starts] : ReadDvdxchap(readings / "dvdxchap.txt")) {
      const auto [set_number, set_title] = dump.titles.at(title);
      char set_name[16];
      std::snprintf(set_name, sizeof set_name, "VTS_%02d_0", set_number);
      if (!fs::exists(video_ts / (std::string(set_name) + ".IFO"))) continue;
      const TitleSet& set = dump.title_sets.at(set_number);
      const auto& chapters = set.chapters.at(set_title);
      // Our titles are program chains; compare where the title is one whole chain.
      const int chain_number = chapters.front().first;
      const Chain& chain = set.chains.at(chain_number);
      bool whole_chain = chapters.size() == chain.program_map.size();
      for (size_t i = 0; i < chapters.size(); ++i) {
        whole_chain = whole_chain && chapters[i] == std::make_pair(chain_number, static_cast<int>(i + 1));
      }
      if (!whole_chain) continue;

      const std::string what = files.string() + " title " + std::to_string(title);
      const auto result =
          test_support::RunProgram({video_ts.string(), set_name, std::to_string(chain_number)});
      const std::vector<std::string> lines = Lines(result.out);
      ASSERT_EQ(lines.size(), starts.size()) << what << "\n" << result.out;
      for (size_t i = 0; i < lines.size(); ++i) {
        const long long ours = Milliseconds(lines[i]);
        if (ours < 0) {
          // The notice takes the place of a last chapter of 2 seconds or less.
          EXPECT_EQ(lines[i], "The last chapter is shorter than 2 seconds and was ignored.") << what;
          EXPECT_EQ(i + 1, lines.size()) << what;
          ++notices;
          continue;
        }
        ++chapters_compared;
        const long long deviation = std::llabs(ours - starts[i]);
        if (chain.rate_code == 1) {
          EXPECT_EQ(ours, starts[i]) << what << " chapter " << i;
        } else {
          const long long cells_before = i == 0 ? 0 : chain.program_map[i] - 1;
          EXPECT_LE(deviation, cells_before + 1) << what << " chapter " << i;
          ntsc_max_deviation = std::max(ntsc_max_deviation, deviation);
        }
      }
      ++(chain.rate_code == 1 ? pal_titles : ntsc_titles);
    }
  }
  EXPECT_GT(pal_titles, 0);
  EXPECT_GT(ntsc_titles, 0);
  RecordProperty("pal_titles", pal_titles);
  RecordProperty("ntsc_titles", ntsc_titles);
  RecordProperty("ntsc_max_deviation_ms", static_cast<int>(ntsc_max_deviation));
  std::printf("%d PAL titles (exact) and %d NTSC titles (largest deviation %lld ms): %d chapter starts, %d notices\n",
              pal_titles, ntsc_titles, ntsc_max_deviation, chapters_compared, notices);
}

}  // namespace
