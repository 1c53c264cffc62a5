// The command-line front end as a user meets it: help texts, option errors, the choice of
// mode and case, and the recognition of disc folders.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/test_files.h"

namespace {

using test_support::ReadFile;
using test_support::RunOptions;
using test_support::RunCli;
using test_support::SourcePath;
using test_support::TempDir;
using test_support::WriteFile;

std::string Expected(const std::string& name) { return ReadFile(SourcePath("tests/e2e/expected/app/" + name)); }

TEST(HelpText, EnglishAndGermanWholeTexts) {
  const std::string english = Expected("help_english.txt");
  const std::string german = Expected("help_german_utf8.txt");
  EXPECT_EQ(RunCli({"-h"}), english);
  EXPECT_EQ(RunCli({"--help"}), english);
  EXPECT_EQ(RunCli({"-a"}), german);
  EXPECT_EQ(RunCli({"--anleitung"}), german);
  EXPECT_EQ(RunCli({"-a", "-h"}), english);             // both: English only
  EXPECT_EQ(RunCli({"/nowhere", "00800", "-h"}), english);  // anywhere, nothing else runs
  EXPECT_EQ(RunCli({"--user=x", "--pass=y", "--mid=1", "--help"}), english);
}

TEST(HelpText, ShapeOfTheStoredLines) {
  const std::string english = Expected("help_english.txt");
  size_t lines = 0;
  for (size_t pos = 0; (pos = english.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
  EXPECT_EQ(lines, 64u);
  EXPECT_NE(english.find("tessellaPilotCLI(init) help\r\n" + std::string(27, '-') + "\r\n"), std::string::npos);
  EXPECT_NE(Expected("help_german_utf8.txt").find("tessellaPilotCLI(init) Hilfe\r\n" + std::string(28, '-') + "\r\n"),
            std::string::npos);
}

TEST(HelpText, GermanLettersReachTheConsoleInItsCharacterSet) {
  if (std::setlocale(LC_ALL, "de_DE.ISO-8859-1") == nullptr) GTEST_SKIP() << "locale de_DE.ISO-8859-1 not generated";
  std::setlocale(LC_ALL, "C");
  RunOptions options;
  options.env.emplace("LC_ALL", "de_DE.ISO-8859-1");
  EXPECT_EQ(RunCli({"-a"}, options), Expected("help_german_latin1.txt"));
}

TEST(OptionErrors, ReportedAsTwoLinesWithoutHelp) {
  struct Case {
    std::vector<std::string> args;
    const char* second_line;
  } cases[] = {
      {{"--foo"}, "Invalid option at position 1: \"foo\"."},
      {{"/media/disc", "-x"}, "Invalid option at position 2: \"x\"."},
      {{"/media/disc", "VTS_01_0", "1", "--ogg"}, "Option at position 4 needs an argument : ogg."},
      {{"--help=1"}, "Option at position 1 does not allow an argument: help."},
      {{"/media/disc", "VTS_01_0", "-1"}, "Invalid option at position 3: \"1\"."},
      {{"--", "-h"}, "Invalid option at position 1: \"\"."},  // no help with an error
      {{"--User=x"}, "Invalid option at position 1: \"User\"."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunCli(c.args), std::string("exception at 00000000:\n") + c.second_line + "\r\n") << c.args[0];
  }
}

TEST(OptionErrors, LongMessagesAreCutTo255Characters) {
  std::string name(300, 'z');
  std::string out = RunCli({"--" + name});
  ASSERT_EQ(out.size(), 255u + 2);
  EXPECT_EQ(out.substr(0, 55), "exception at 00000000:\nInvalid option at position 1: \"z");
  EXPECT_EQ(out.substr(255), "\r\n");
}

TEST(DiscMode, SilentWithoutADrivePath) {
  for (auto args : std::vector<std::vector<std::string>>{{}, {"relative/BDMV"}, {""}, {"BDMV", "00800"}}) {
    EXPECT_EQ(RunCli(args), "");
  }
}

// A folder with the structures the disc path tests look for.
class DiscFolders : public testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "bd/BDMV/PLAYLIST/00800.mpls", "x");
    WriteFile(dir_ / "pl/PLAYLIST/00001.MPLS", "x");  // the pattern ignores case
    WriteFile(dir_ / "dvd/VIDEO_TS/VIDEO_TS.IFO", "x");
    WriteFile(dir_ / "empty/BDMV/PLAYLIST/readme.txt", "x");
    WriteFile(dir_ / "novts/VIDEO_TS/VTS_01_0.BUP", "x");
    WriteFile(dir_ / "lower/video_ts/VTS_01_0.IFO", "x");
  }
  std::string Path(const std::string& relative) const { return dir_ / relative; }

  // What disc mode says for a Blu-ray export of a missing playlist (so no reader runs):
  // the Blu-ray message, the DVD messages, or the no-structure message.
  std::string Probe(const std::string& disc_path) { return RunCli({disc_path, "VTS_09_0", "1", "--ogg=x"}) + RunCli({disc_path, "99999", "--ogg=x"}); }

  TempDir dir_;
};

constexpr char kNoStructure[] = "No Bluray or DVD structure detected!\r\n";
constexpr char kNoIfo[] = "The ifo file could not be found.\r\nPlease check the 2. parameter.\r\n";
constexpr char kNoMpls[] = "The MPLS parameter is invalid.\r\n";

TEST_F(DiscFolders, RecognisedWithAndWithoutTheFinalSeparator) {
  const std::string bluray = std::string(kNoMpls);  // the DVD call has 4 parameters: nothing for Blu-ray
  for (std::string path : {"bd/BDMV", "bd/BDMV/", "bd/BDMV/PLAYLIST", "bd/BDMV/PLAYLIST/", "pl/PLAYLIST"}) {
    EXPECT_EQ(Probe(Path(path)), bluray) << path;
  }
  for (std::string path : {"dvd/VIDEO_TS", "dvd/VIDEO_TS/"}) {
    // The three-parameter call is a DVD chapter listing of a missing title set.
    EXPECT_EQ(Probe(Path(path)), std::string(kNoIfo) + kNoIfo) << path;
  }
}

TEST_F(DiscFolders, OtherFoldersHoldNoStructure) {
  const std::string none = std::string(kNoStructure) + kNoStructure;
  for (std::string path : {"bd", "bd/", "dvd", "empty/BDMV", "empty/BDMV/PLAYLIST", "novts/VIDEO_TS",
                           "lower/video_ts", "bd/BDMV//", "missing/BDMV"}) {
    EXPECT_EQ(Probe(Path(path)), none) << path;
  }
}

TEST_F(DiscFolders, DvdCasesByParameterCount) {
  WriteFile(dir_ / "dvd/VIDEO_TS/VTS_01_0.IFO", "x");
  const std::string folder = Path("dvd/VIDEO_TS");
  const std::string no_title = "The title must be an integer and greater than 0.\r\nPlease check the 3. parameter.\r\n";
  EXPECT_EQ(RunCli({folder, "VTS_01_0", "abc", "--ogg=x"}), no_title);
  EXPECT_EQ(RunCli({folder, "VTS_01_0", "0", "--xml=x"}), no_title);
  EXPECT_EQ(RunCli({folder, "VTS_02_0", "abc", "--ogg=x"}), kNoIfo);  // the title is not looked at
  EXPECT_EQ(RunCli({folder, "VTS_01_0", "1", "--names=x"}), "");      // no export chosen
  EXPECT_EQ(RunCli({folder, "VTS_01_0", "1", "x", "y"}), "");         // 5 parameters
  EXPECT_EQ(RunCli({folder, "VTS_01_0", "1", "x", "y", "z", "w", "v"}), "");
  // Seven parameters: the IFO check comes before the library check.
  EXPECT_EQ(RunCli({folder, "VTS_02_0", "1", "--ogg=x", "--user=a", "--pass=b", "--mid=1"}), kNoIfo);
}

TEST_F(DiscFolders, BlurayCasesByParameterCount) {
  const std::string folder = Path("bd/BDMV");
  EXPECT_EQ(RunCli({folder, "00800", "--names=x", "y"}), "");             // 4 parameters
  EXPECT_EQ(RunCli({folder, "00800", "--ogg=x", "a", "b"}), "");          // 5 parameters
  EXPECT_EQ(RunCli({folder, "00800", "--ogg=", "--user=a", "--mid=5", "--pass=b"}),
            "5. parameter not found or invalid.\r\n");
  EXPECT_EQ(RunCli({folder, "00800", "--ogg=", "--pass=b", "--user=a", "--mid=5"}),
            "4. parameter not found or invalid.\r\n");
  EXPECT_EQ(RunCli({folder, "00800", "--ogg=", "--user=a", "--pass=b", "x"}),
            "6. parameter not found or invalid.\r\n");
}

TEST(DatabaseMode, ParameterPositions) {
  EXPECT_EQ(RunCli({"--user=a", "--mid=5", "--pass=b"}), "2. parameter not found or invalid.\r\n");
  EXPECT_EQ(RunCli({"--user=a", "--pass=b", "--names=x"}), "3. parameter not found or invalid.\r\n");
  EXPECT_EQ(RunCli({"--user=a", "--pass=b"}), "3. parameter not found or invalid.\r\n");
  // "--user=" in position 2 is disc mode: "x" is no drive path, so nothing happens.
  EXPECT_EQ(RunCli({"x", "--user=a"}), "");
}

TEST(DatabaseMode, ClientLibraryMustBeInTheProgramFolder) {
  TempDir dir;
  WriteFile(dir.path() / "bd/BDMV/PLAYLIST/00800.mpls", "x");
  WriteFile(dir.path() / "dvd/VIDEO_TS/VTS_01_0.IFO", "x");
  RunOptions options;
  options.program = test_support::CopyProgramTo(dir.path(), /*with_client_library=*/false);
  const std::string missing = "The libmySQL.dll could not be found.\r\n";
  EXPECT_EQ(RunCli({"--user=a", "--mid=5", "--pass=b"}, options), missing);  // checked first
  EXPECT_EQ(RunCli({dir / "bd/BDMV", "00800", "--ogg=", "--user=a", "--mid=5", "--pass=b"}, options), missing);
  EXPECT_EQ(RunCli({dir / "dvd/VIDEO_TS", "VTS_01_0", "0", "--ogg=", "--user=a", "--pass=b", "--mid=5"}, options),
            missing);  // before the title check
}

}  // namespace
