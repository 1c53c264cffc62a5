// The exports straight from the chapter database against the real server: the files for
// characteristic row sets, their names, and the one committed log row each export adds.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/database.h"
#include "support/run_program.h"
#include "support/test_files.h"

namespace {

using test_support::ChapterRow;
using test_support::DatabaseBlock;
using test_support::MovieRow;
using test_support::ReadFile;
using test_support::RunCliOn;
using test_support::SessionStatements;
using test_support::SourcePath;
using test_support::SqlLiteral;
using test_support::SqlRows;
using test_support::TempDir;

std::string Expected(const std::string& name) { return ReadFile(SourcePath("tests/e2e/expected/db/" + name)); }

// The export form, its option, extension and log suffix.
struct Form {
  const char* option;
  const char* extension;
  const char* suffix;
};
constexpr Form kOgg{"--ogg=", ".txt", ":down>CLI:ogg"};
constexpr Form kXml{"--xml=", ".xml", ":down>CLI:xml"};
constexpr Form kNames{"--names=", ".txt", ":down>CLI:names"};

// True when the text has the shape's length and a digit wherever the shape has "9", the
// shape's own character elsewhere.
bool HasShape(const std::string& text, const std::string& shape) {
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    bool digit = text[i] >= '0' && text[i] <= '9';
    if (shape[i] == '9' ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}

class DatabaseExports : public ::testing::Test {
 protected:
  void SetUpBlock(int number) {
    block_.emplace(number);
    user_ = "export" + std::to_string(number);
    uid_ = block_->AddUser(user_, "pw");
  }

  // Runs one export and returns what it printed.
  std::string Export(const std::string& movie_id, const Form& form, const std::string& output_name,
                     test_support::RunOptions options = {}) {
    return RunCliOn(block_->server_folder(),
                    {"--user=" + user_, "--pass=pw", "--mid=" + movie_id, form.option + output_name}, options);
  }

  // Each export adds exactly its one row, with today's date and a long time.
  void ExpectLogTexts(const std::vector<std::string>& texts) {
    const SqlRows rows = block_->LogRows();
    ASSERT_EQ(rows.size(), texts.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].at(0), std::to_string(uid_));
      EXPECT_TRUE(HasShape(rows[i].at(1), "9999-99-99")) << rows[i].at(1);
      EXPECT_TRUE(HasShape(rows[i].at(2), "99:99:99")) << rows[i].at(2);
      EXPECT_EQ(rows[i].at(3), texts[i]);
    }
  }

  std::optional<DatabaseBlock> block_;
  std::string user_;
  int uid_ = 0;
  TempDir temp_;
};

// Rows (version, hidden) = (1,0), (1,1), (1,0), (2,0).
TEST_F(DatabaseExports, HiddenChapterAndSecondEdition) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(131);
  const int fid = block_->Fid(1);
  MovieRow movie{fid, "Alien"};
  movie.sprache = SqlLiteral("English");
  block_->AddMovie(movie);
  block_->AddChapters(fid, {{1, 1, "Intro", "00:00:00.000000000", "", 0},
                            {1, 2, "Secret", "00:04:00.500000000", "", 1},
                            {1, 3, "Main part", "00:10:00.123456789", "", 0},
                            {2, 1, "Bonus", "00:00:00.000000000", "", 0}});
  const std::string id = std::to_string(fid);
  EXPECT_EQ(Export(id, kOgg, temp_ / "hidden"), "");
  EXPECT_EQ(ReadFile(temp_ / "hidden.txt"), Expected("hidden_and_second_edition.ogg.txt"));
  EXPECT_EQ(Export(id, kXml, temp_ / "hidden"), "");
  EXPECT_EQ(ReadFile(temp_ / "hidden.xml"), Expected("hidden_and_second_edition.xml"));
  EXPECT_EQ(Export(id, kNames, temp_ / "names"), "");
  EXPECT_EQ(ReadFile(temp_ / "names.txt"), Expected("hidden_and_second_edition.names.txt"));
  ExpectLogTexts({"fid=" + id + kOgg.suffix, "fid=" + id + kXml.suffix, "fid=" + id + kNames.suffix});
}

// Versions 1, 3, 3: no edition 2 to stop the OGG export; every row begins an edition.
TEST_F(DatabaseExports, EditionsCountedNotTakenFromVersions) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(132);
  const int fid = block_->Fid(1);
  block_->AddMovie(MovieRow{fid, "Gaps"});  // no language: "und"
  block_->AddChapters(fid, {{1, 1, "One", "00:00:00.000000000", "", 0},
                            {3, 1, "Three A", "00:01:00.000000000", "", 0},
                            {3, 2, "Three B", "00:02:00.000000000", "", 0}});
  const std::string id = std::to_string(fid);
  EXPECT_EQ(Export(id, kOgg, temp_ / "gaps"), "");
  EXPECT_EQ(ReadFile(temp_ / "gaps.txt"), Expected("versions_1_3_3.ogg.txt"));
  EXPECT_EQ(Export(id, kXml, temp_ / "gaps"), "");
  EXPECT_EQ(ReadFile(temp_ / "gaps.xml"), Expected("versions_1_3_3.xml"));
  EXPECT_EQ(Export(id, kNames, temp_ / "gaps"), "");
  EXPECT_EQ(ReadFile(temp_ / "gaps.txt"), Expected("versions_1_3_3.names.txt"));
}

// An ordered edition: end times (empty ones too), names with "&" and umlauts, German.
TEST_F(DatabaseExports, OrderedEditionAndNamesInUtf8) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(133);
  const int fid = block_->Fid(1);
  MovieRow movie{fid, "Ordered"};
  movie.sprache = SqlLiteral("German");
  block_->AddMovie(movie);
  block_->AddChapters(fid, {{1, 1, "Anfang & Mitte", "00:00:00.000000000", "00:01:30.000000000", 0, 1},
                            {1, 2, "Gr\xC3\xBC\xC3\x9F" "e", "00:01:30.000000000", "", 0, 1},
                            {1, 3, "Abspann", "00:02:00.000000000", "00:03:00.000000000", 0, 0},
                            {1, 4, "x", "123", "", 0, 0}});  // a start time too short to cut
  const std::string id = std::to_string(fid);
  EXPECT_EQ(Export(id, kXml, temp_ / "ordered"), "");
  EXPECT_EQ(ReadFile(temp_ / "ordered.xml"), Expected("ordered_edition.xml"));
  EXPECT_EQ(Export(id, kOgg, temp_ / "ordered"), "");
  EXPECT_EQ(ReadFile(temp_ / "ordered.txt"), Expected("ordered_edition.ogg.txt"));
  EXPECT_EQ(Export(id, kNames, temp_ / "ordered"), "");
  EXPECT_EQ(ReadFile(temp_ / "ordered.txt"),
            "Anfang & Mitte\r\nGr\xC3\xBC\xC3\x9F" "e\r\nAbspann\r\nx\r\n");  // one edition: no heading
}

TEST_F(DatabaseExports, MovieWithoutChaptersGivesEmptyFilesAndIsLogged) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(134);
  const std::string id = std::to_string(block_->Fid(7));
  EXPECT_EQ(Export(id, kOgg, temp_ / "empty"), "");
  EXPECT_EQ(ReadFile(temp_ / "empty.txt"), "");
  EXPECT_EQ(Export(id, kNames, temp_ / "empty"), "");
  EXPECT_EQ(ReadFile(temp_ / "empty.txt"), "");
  EXPECT_EQ(Export(id, kXml, temp_ / "empty"), "");
  EXPECT_EQ(ReadFile(temp_ / "empty.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<!-- <!DOCTYPE Chapters SYSTEM \"matroskachapters.dtd\"> -->\r\n"
            "<Chapters/>\r\n");
  ExpectLogTexts({"fid=" + id + kOgg.suffix, "fid=" + id + kNames.suffix, "fid=" + id + kXml.suffix});
}

// The movie number travels as typed: into the statements, the default file names in the
// program's folder and the log.
TEST_F(DatabaseExports, FileNamesAndTheMovieNumberAsTyped) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(135);
  const int fid = block_->Fid(5);
  block_->AddMovie(MovieRow{fid, "Names"});
  block_->AddChapters(fid, {{1, 1, "Only", "00:00:00.000000000", "", 0}});
  const std::string typed = "0" + std::to_string(fid);
  test_support::RunOptions options;
  options.program = test_support::CopyProgramTo(temp_.path(), true);
  options.cwd = temp_.path();
  EXPECT_EQ(Export(typed, kOgg, "", options), "");
  EXPECT_EQ(Export(typed, kXml, "", options), "");
  EXPECT_EQ(Export(typed, kNames, "", options), "");
  EXPECT_EQ(ReadFile(temp_ / ("chapter file OGG mid=" + typed + ".txt")), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=Only\r\n");
  EXPECT_TRUE(std::filesystem::exists(temp_ / ("chapter file matroska mid=" + typed + ".xml")));
  EXPECT_EQ(ReadFile(temp_ / ("chapter names mid=" + typed + ".txt")), "Only\r\n");
  EXPECT_EQ(Export(typed, kOgg, "out.txt", options), "");
  EXPECT_EQ(ReadFile(temp_ / "out.txt.txt"), "CHAPTER00=00:00:00.000\r\nCHAPTER00NAME=Only\r\n");
  ExpectLogTexts({"fid=" + typed + kOgg.suffix, "fid=" + typed + kXml.suffix, "fid=" + typed + kNames.suffix,
                  "fid=" + typed + kOgg.suffix});

  // The statements of one export, the log insert and its commit last.
  const SqlRows logs = block_->LogRows();
  EXPECT_EQ(SessionStatements(block_->server_folder(), "fid=" + typed + ":down>CLI:ogg"),
            (std::vector<std::string>{
                "START TRANSACTION",
                "SELECT uid,level FROM users WHERE user='export135' AND pass='pw'",
                "SELECT kapname,stime,version,hidden FROM kapitel WHERE k_fid='" + typed + "' ORDER BY version,kapnr",
                "INSERT INTO logs (l_uid,datum,uhr,log) VALUES ('" + std::to_string(uid_) + "','" + logs[3].at(1) +
                    "','" + logs[3].at(2) + "','fid=" + typed + ":down>CLI:ogg')",
                "COMMIT AND CHAIN",
            }));
}

TEST_F(DatabaseExports, FileThatCannotBeCreatedIsNotLogged) {
  TESSELLA_NEED_DATABASE();
  SetUpBlock(136);
  const int fid = block_->Fid(1);
  block_->AddChapters(fid, {{1, 1, "Only", "00:00:00.000000000", "", 0}});
  const std::string id = std::to_string(fid);
  const std::string missing = temp_ / "missing/out";
  EXPECT_EQ(Export(id, kOgg, missing), "Unable to create file \"" + missing + ".txt\"\r\n");
  EXPECT_EQ(Export(id, kXml, missing), "Unable to create file \"" + missing + ".xml\"\r\n");
  EXPECT_EQ(Export(id, kNames, missing), "Unable to create file \"" + missing + ".txt\"\r\n");
  EXPECT_TRUE(block_->LogRows().empty());
}

}  // namespace
