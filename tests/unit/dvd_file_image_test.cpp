#include "dvd/file_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/error.h"
#include "support/test_files.h"

namespace {

using dvd::FileImage;

FileImage Image(std::string bytes) { return FileImage(std::move(bytes)); }

TEST(DvdFileImageTest, ReadBigEndianCombinesMostSignificantFirst) {
  struct Case {
    std::string bytes;
    int count;
    std::int32_t expected;
  };
  const Case cases[] = {
      {std::string("\xFF\xFF\xFF\xFF", 4), 4, -1},                  // 2^32 - 1 wraps to -1
      {std::string("\x00\x00\x08\x00", 4), 4, 2048},
      {std::string("\x80\x00\x00\x00", 4), 4, INT32_MIN},           // 2^31 is negative
      {std::string("\x7F\xFF\xFF\xFF", 4), 4, INT32_MAX},
      {std::string("\xFF\xFF", 2), 2, 65535},                        // 2 bytes never negative
      {std::string("\x12\x34", 2), 2, 0x1234},
      {std::string("\xFF", 1), 1, 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dvd::ReadBigEndian(Image(c.bytes), 0, c.count), c.expected) << c.count << " bytes";
  }
}

TEST(DvdFileImageTest, ReadsAtAbsolutePositions) {
  const FileImage image = Image(std::string("\x01\x02\x03\x04\x05", 5));
  EXPECT_EQ(dvd::ReadBigEndian(image, 1, 2), 0x0203);
  EXPECT_EQ(dvd::ReadBigEndian(image, 1, 4), 0x02030405);
  EXPECT_EQ(dvd::ReadByteArray(image, 2, 3), (dvd::IntArray{3, 4, 5}));
}

TEST(DvdFileImageTest, ReadsOutsideTheImageFail) {
  const FileImage image = Image(std::string(8, '\x01'));
  struct Case {
    std::int64_t position;
    std::int64_t count;
    const char* what;
  };
  const Case cases[] = {
      {7, 2, "crosses the end"},
      {5, 4, "4 bytes crossing the end"},
      {8, 1, "starts at the end"},
      {-1, 1, "negative position"},
      {std::int64_t{1} << 40, 4, "far beyond the end"},
      {INT64_MAX, 4, "position plus count would overflow"},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(dvd::ReadByteArray(image, c.position, c.count), common::Error) << c.what;
    if (c.count <= 4) {
      try {
        dvd::ReadBigEndian(image, c.position, static_cast<int>(c.count));
        ADD_FAILURE() << c.what;
      } catch (const common::Error& error) {
        EXPECT_STREQ(error.what(), "Stream read error") << c.what;
      }
    }
  }
}

TEST(DvdFileImageTest, EmptyByteArrayReadsNothing) {
  const FileImage image = Image("ab");
  EXPECT_TRUE(dvd::ReadByteArray(image, 0, 0).empty());
  EXPECT_TRUE(dvd::ReadByteArray(image, 2, 0).empty());
  EXPECT_TRUE(dvd::ReadByteArray(image, 70000, 0).empty());
  EXPECT_TRUE(dvd::ReadByteArray(Image(""), 0, 0).empty());
}

TEST(DvdFileImageTest, LoadReadsTheWholeFileOrNamesIt) {
  test_support::TempDir dir;
  const std::string bytes("\x00\x01\x02\xFF\x0D\x0A", 6);
  test_support::WriteFile(dir / "VTS_01_0.IFO", bytes);
  EXPECT_EQ(FileImage::Load(dir / "VTS_01_0.IFO").bytes(), bytes);

  const std::string missing = dir / "VTS_02_0.IFO";
  try {
    FileImage::Load(missing);
    ADD_FAILURE() << "no error";
  } catch (const common::Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to open file \"" + missing + "\"");
  }
  EXPECT_THROW(FileImage::Load(dir.path().string()), common::Error) << "a folder is no file";
}

}  // namespace
