#include "dvd/ifo_fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "common/error.h"
#include "dvd/chapter_extraction.h"
#include "fixtures/ifo_builder.h"

namespace {

using fixtures::PalTime;

fixtures::IfoTitleSet TwoChains() {
  fixtures::IfoTitleSet set;
  set.chains.push_back(fixtures::OneProgramPerCell({PalTime(0, 0, 10), PalTime(0, 0, 20), PalTime(0, 1, 0)}));
  set.chains.push_back(fixtures::OneProgramPerCell({PalTime(0, 2, 0, 5), PalTime(0, 0, 30)}));
  return set;
}

std::string StreamReadErrorOr(const std::function<void()>& read) {
  try {
    read();
  } catch (const common::Error& error) {
    return error.what();
  }
  return "no error";
}

TEST(DvdIfoFieldsTest, SectorPointersCountBytesOf2048) {
  std::string bytes(16, '\0');
  fixtures::PutBigEndian(bytes, 0, 5, 4);
  fixtures::PutBigEndian(bytes, 4, 0xFFFFFFFF, 4);
  fixtures::PutBigEndian(bytes, 8, 0x80000000, 4);
  const dvd::FileImage image(bytes);
  EXPECT_EQ(dvd::ReadSectorOffset(image, 0), 10240);
  // Pointers are unsigned and their products 64-bit: no wrap, no negative offset.
  EXPECT_EQ(dvd::ReadSectorOffset(image, 4), std::int64_t{0xFFFFFFFF} * 2048);
  EXPECT_EQ(dvd::ReadSectorOffset(image, 8), std::int64_t{0x80000000} * 2048);
}

TEST(DvdIfoFieldsTest, ReadsTitleCountAndChainFields) {
  fixtures::IfoTitleSet set = TwoChains();
  const dvd::FileImage image(fixtures::BuildIfo(set));
  EXPECT_EQ(dvd::ReadTitleCount(image), 2);
  const std::int64_t chain = dvd::ReadProgramChainPosition(image, 2);
  EXPECT_EQ(dvd::ReadProgramCount(image, chain), 2);
  EXPECT_EQ(dvd::ReadCellCount(image, chain), 2);
  EXPECT_EQ(dvd::ReadChainPlaybackTime(image, chain), "00:02:30.200000000");
  EXPECT_EQ(dvd::ReadProgramMap(image, chain, 2), (dvd::IntArray{1, 2}));
  const std::int64_t cells = dvd::ReadCellTablePosition(image, chain);
  EXPECT_EQ(dvd::ReadCellPlaybackTime(image, cells, 1), "00:02:00.200000000");
  EXPECT_EQ(dvd::ReadCellPlaybackTime(image, cells, 2), "00:00:30.000000000");

  set.title_count = 0;
  EXPECT_EQ(dvd::ReadTitleCount(dvd::FileImage(fixtures::BuildIfo(set))), 0);
}

// A sector pointer of 2^21 + s multiplied in 32 bits wraps round to sector s, and a chain
// start of 2^32 - d added in 32 bits points d bytes before the table: both would read
// real data from the wrong place. They lie beyond the file and must fail.
TEST(DvdIfoFieldsTest, LargePointersFailInsteadOfWrappingRound) {
  const std::string good = fixtures::BuildIfo(TwoChains());
  const dvd::FileImage good_image(good);
  const std::int64_t pgci = dvd::ReadSectorOffset(good_image, fixtures::kPgciSectorField);
  const std::int64_t ptt = dvd::ReadSectorOffset(good_image, fixtures::kPttSectorField);

  std::string wrapped_pgci = good;
  fixtures::PutBigEndian(wrapped_pgci, fixtures::kPgciSectorField,
                         static_cast<std::uint32_t>(pgci / 2048 + 0x200000), 4);
  std::string wrapped_ptt = good;
  fixtures::PutBigEndian(wrapped_ptt, fixtures::kPttSectorField, static_cast<std::uint32_t>(ptt / 2048 + 0x200000),
                         4);
  std::string negative_start = good;
  // The start of chain 2 points 0x100 bytes before chain 1 when added in 32 bits.
  const std::uint32_t chain_1_start =
      static_cast<std::uint32_t>(dvd::ReadProgramChainPosition(good_image, 1) - pgci);
  fixtures::PutBigEndian(negative_start, static_cast<size_t>(pgci + 12 + 8), 0xFFFFFF00u + chain_1_start, 4);

  EXPECT_EQ(StreamReadErrorOr([&] { dvd::ExtractDvdChapters(dvd::FileImage(wrapped_pgci), 1); }),
            "Stream read error");
  EXPECT_EQ(StreamReadErrorOr([&] { dvd::ReadTitleCount(dvd::FileImage(wrapped_ptt)); }), "Stream read error");
  EXPECT_EQ(StreamReadErrorOr([&] { dvd::ExtractDvdChapters(dvd::FileImage(negative_start), 2); }),
            "Stream read error");
}

TEST(DvdIfoFieldsTest, ChainNumbersFarBeyondTheTableFail) {
  const dvd::FileImage image(fixtures::BuildIfo(TwoChains()));
  for (std::int32_t chain : {1000, INT32_MAX}) {
    EXPECT_EQ(StreamReadErrorOr([&] { dvd::ReadProgramChainPosition(image, chain); }), "Stream read error")
        << chain;
  }
}

}  // namespace
