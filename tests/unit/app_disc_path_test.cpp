#include "app/disc_path.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/test_files.h"

namespace app {
namespace {

using test_support::TempDir;
using test_support::WriteFile;

TEST(DiscPath, FoldersHandedOnEndInTheSeparator) {
  TempDir dir;
  WriteFile(dir.path() / "a/BDMV/PLAYLIST/00001.mpls", "x");
  WriteFile(dir.path() / "b/VIDEO_TS/VTS_01_0.IFO", "x");
  EXPECT_EQ(ResolveBlurayFolder(dir / "a/BDMV"), dir / "a/BDMV/PLAYLIST/");
  EXPECT_EQ(ResolveBlurayFolder(dir / "a/BDMV/PLAYLIST/"), dir / "a/BDMV/PLAYLIST/");
  EXPECT_EQ(ResolveDvdFolder(dir / "b/VIDEO_TS"), dir / "b/VIDEO_TS/");
  EXPECT_EQ(ResolveDvdFolder(dir / "b"), "");
  EXPECT_EQ(DetectDiscStructure(dir / "a/BDMV"), "Bluray");
  EXPECT_EQ(DetectDiscStructure(dir / "b/VIDEO_TS/"), "DVD");
  EXPECT_EQ(DetectDiscStructure(dir / "b"), "");
}

TEST(DiscPath, DriveRootsAreMountPoints) {
  EXPECT_TRUE(platform::IsDriveRoot("/"));
  EXPECT_TRUE(platform::IsDriveRoot("/proc/"));  // a file system of its own
  TempDir dir;
  EXPECT_FALSE(platform::IsDriveRoot(dir.path().string() + "/"));
  EXPECT_FALSE(platform::IsDriveRoot("//"));
  EXPECT_EQ(ResolveBlurayFolder("/"), "/BDMV/PLAYLIST/");
  EXPECT_EQ(ResolveDvdFolder("/"), "/VIDEO_TS/");
}

}  // namespace
}  // namespace app
