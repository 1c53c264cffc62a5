#include "dvd/chapter_extraction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "chapters/chapter_time_list.h"
#include "common/error.h"
#include "dvd/ifo_fields.h"
#include "fixtures/ifo_builder.h"
#include "support/test_files.h"

namespace {

using chapters::ChapterTimeList;
using fixtures::DvdTime;
using fixtures::NtscTime;
using fixtures::PalTime;

const std::string kNotice(chapters::kShortChapterNotice);

fixtures::IfoProgramChain Chain(DvdTime total, std::vector<DvdTime> cells, std::vector<std::uint8_t> map) {
  fixtures::IfoProgramChain chain;
  chain.playback_time = total;
  chain.cells = std::move(cells);
  chain.program_map = std::move(map);
  return chain;
}

ChapterTimeList Extract(const fixtures::IfoProgramChain& chain) {
  fixtures::IfoTitleSet set;
  set.chains.push_back(chain);
  return dvd::ExtractDvdChapters(dvd::FileImage(fixtures::BuildIfo(set)), 1);
}

TEST(DvdChapterExtractionTest, ChainsGiveChapterStarts) {
  const DvdTime s10 = PalTime(0, 0, 10);
  const DvdTime s20 = PalTime(0, 0, 20);
  const DvdTime s1_5 = PalTime(0, 0, 1, 12);
  struct Case {
    const char* what;
    fixtures::IfoProgramChain chain;
    ChapterTimeList expected;
  };
  const Case cases[] = {
      {"no cells", Chain(PalTime(0, 0, 0), {}, {1}), {"00:00:00.000000000"}},
      {"no programs", Chain(s10, {s10}, {}), {"00:00:00.000000000"}},
      {"a single program", Chain(PalTime(0, 0, 30), {s10, s20}, {1}), {"00:00:00.000000000"}},
      {"the first map entry is not used", Chain(PalTime(0, 0, 30), {s10, s20}, {2, 2}),
       {"00:00:00.000000000", "00:00:10.000000000"}},
      {"last chapter of exactly 1.5 s", Chain(PalTime(0, 0, 31, 12), {s10, s20, s1_5}, {1, 2, 3}),
       {"00:00:00.000000000", "00:00:10.000000000", kNotice}},
      {"last chapter of 2 s and 1 frame is kept", Chain(PalTime(0, 0, 32, 1), {s10, s20, s1_5}, {1, 2, 3}),
       {"00:00:00.000000000", "00:00:10.000000000", "00:00:30.000000000"}},
      {"last chapter of exactly 2 s is not", Chain(PalTime(0, 0, 32), {s10, s20, s1_5}, {1, 2, 3}),
       {"00:00:00.000000000", "00:00:10.000000000", kNotice}},
      {"map 1, 3, 2: program 3 is never matched, no notice", Chain(PalTime(0, 0, 40), {s10, s10, s10, s10}, {1, 3, 2}),
       {"00:00:00.000000000", "00:00:20.000000000"}},
      {"map 1, 1, 2: program 2 at cell 1 starts at zero again", Chain(PalTime(0, 1, 0), {s10, s20}, {1, 1, 2}),
       {"00:00:00.000000000", "00:00:00.000000000", "00:00:10.000000000"}},
      {"an entry cell beyond the cells loses the rest", Chain(PalTime(0, 0, 30), {s10, s10, s10}, {1, 5, 2}),
       {"00:00:00.000000000"}},
      {"30 frames per second: exactly 30, truncated",
       fixtures::OneProgramPerCell({NtscTime(0, 0, 1, 1), NtscTime(0, 0, 1, 1), NtscTime(0, 0, 1, 1),
                                    NtscTime(0, 0, 1, 1)}),
       {"00:00:00.000000000", "00:00:01.033333333", "00:00:02.066666666", kNotice}},
      {"summed 0.04 s cells show no floating-point error",
       Chain(PalTime(0, 0, 10), {PalTime(0, 0, 0, 1), PalTime(0, 0, 0, 1), PalTime(0, 0, 0, 1), s10}, {1, 2, 3, 4}),
       {"00:00:00.000000000", "00:00:00.040000000", "00:00:00.080000000", "00:00:00.120000000"}},
      {"cells after the last program only add up",
       Chain(PalTime(1, 0, 0), {s10, s10, PalTime(0, 59, 0)}, {1, 2}),
       {"00:00:00.000000000", "00:00:10.000000000"}},
      {"hours count on past 24", Chain(PalTime(30, 0, 0), {PalTime(25, 0, 0), PalTime(5, 0, 0)}, {1, 2}),
       {"00:00:00.000000000", "25:00:00.000000000"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Extract(c.chain), c.expected) << c.what;
  }
}

TEST(DvdChapterExtractionTest, AnUndecodableTimeAnywhereInTheChainFailsIt) {
  const DvdTime s10 = PalTime(0, 0, 10);
  const DvdTime all_zero{0, 0, 0, 0};
  struct Case {
    const char* what;
    fixtures::IfoProgramChain chain;
    const char* message;
  };
  const Case cases[] = {
      {"chain time of a single-program chain", Chain(all_zero, {s10}, {1}), "\"FFFFFFC0\" is an invalid float"},
      {"cell after the last chapter start", Chain(PalTime(0, 1, 0), {s10, s10, all_zero}, {1, 2}),
       "\"FFFFFFC0\" is an invalid float"},
      {"cell hours 1A", Chain(PalTime(0, 1, 0), {DvdTime{0x1A, 0, 0, 0x40}, s10}, {1, 2}),
       "\"1A\" is an invalid float"},
      {"cell minutes 6F", Chain(PalTime(0, 1, 0), {DvdTime{0, 0x6F, 0, 0x40}, s10}, {1, 2}),
       "\"6F\" is an invalid float"},
      {"frame byte between the rates", Chain(PalTime(0, 1, 0), {DvdTime{0, 0, 1, 0xA0}}, {1}),
       "\"FFFFFFE0\" is an invalid float"},
  };
  for (const Case& c : cases) {
    try {
      Extract(c.chain);
      ADD_FAILURE() << "no error: " << c.what;
    } catch (const common::Error& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
    }
  }
}

TEST(DvdChapterExtractionTest, MissingFileNamesThePath) {
  test_support::TempDir dir;
  const std::string path = dir / "VTS_01_0.IFO";
  try {
    dvd::ExtractDvdChapters(path, 1);
    ADD_FAILURE() << "no error";
  } catch (const common::Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to open file \"" + path + "\"");
  }
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell({PalTime(0, 0, 10), PalTime(0, 0, 5)}));
  fixtures::WriteIfo(path, set);
  EXPECT_EQ(dvd::ExtractDvdChapters(path, 1), (ChapterTimeList{"00:00:00.000000000", "00:00:10.000000000"}));
}

// Every prefix of a title-set file either holds every byte a read needs, and gives the
// full result, or ends the read with "Stream read error"; nothing else, and never a crash.
void CheckEveryTruncation(const std::string& name, const std::string& bytes) {
  const dvd::FileImage full(bytes);
  const std::int32_t titles = dvd::ReadTitleCount(full);
  // The chain table's own count bounds the chains worth trying (a title set may hold more
  // chains than titles).
  const std::int32_t chains =
      dvd::ReadBigEndian(full, dvd::ReadSectorOffset(full, fixtures::kPgciSectorField), 2);
  std::vector<ChapterTimeList> expected;
  for (std::int32_t chain = 1; chain <= chains; ++chain) expected.push_back(dvd::ExtractDvdChapters(full, chain));

  for (size_t length = 0; length <= bytes.size(); ++length) {
    const dvd::FileImage image(bytes.substr(0, length));
    try {
      EXPECT_EQ(dvd::ReadTitleCount(image), titles);
    } catch (const common::Error& error) {
      ASSERT_STREQ(error.what(), "Stream read error") << name << " cut at " << length;
    }
    for (std::int32_t chain = 1; chain <= chains; ++chain) {
      try {
        ASSERT_EQ(dvd::ExtractDvdChapters(image, chain), expected[static_cast<size_t>(chain - 1)])
            << name << " cut at " << length << ", chain " << chain;
      } catch (const common::Error& error) {
        ASSERT_STREQ(error.what(), "Stream read error") << name << " cut at " << length << ", chain " << chain;
      }
    }
  }
}

TEST(DvdChapterExtractionTest, TruncatedFilesEndInAReadError) {
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell({PalTime(0, 5, 0), PalTime(0, 7, 30, 12), PalTime(0, 0, 1)}));
  set.chains.push_back(Chain(PalTime(0, 0, 40), {PalTime(0, 0, 10), PalTime(0, 0, 10), PalTime(0, 0, 20)}, {1, 3}));
  CheckEveryTruncation("built", fixtures::BuildIfo(set));

  const std::filesystem::path corpus = test_support::CorpusPath();
  if (corpus.empty()) GTEST_SKIP() << "no corpus of real disc files";
  // A real title set of six chains.
  const char* file = "files/gitpan+DVD-Read/tdvd/idiocracy/VIDEO_TS/VTS_04_0.IFO";
  CheckEveryTruncation(file, test_support::ReadFile(corpus / file));
}

}  // namespace
