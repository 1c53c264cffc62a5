#include "support/database.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "support/run_program.h"
#include "support/test_files.h"

namespace test_support {

namespace {

const char* const kClient = "/usr/bin/mariadb";
const char* const kSystemSchemas[] = {"information_schema", "mysql", "performance_schema", "sys"};

ProgramResult RunClient(const std::string& server_folder, const std::vector<std::string>& extra) {
  std::vector<std::string> args{"--no-defaults", "--socket=" + server_folder + "/sock", "--user=root",
                                "--default-character-set=utf8mb4", "--batch", "--raw", "--skip-column-names"};
  args.insert(args.end(), extra.begin(), extra.end());
  RunOptions options;
  options.program = kClient;
  ProgramResult result = RunProgram(args, options);
  if (result.exit_code != 0) throw std::runtime_error("mariadb client failed: " + result.err);
  return result;
}

SqlRows ParseRows(const std::string& text) {
  SqlRows rows;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::vector<std::string> row;
    const std::string line = text.substr(start, end - start);
    size_t field_start = 0;
    for (;;) {
      size_t tab = line.find('\t', field_start);
      row.push_back(line.substr(field_start, tab == std::string::npos ? std::string::npos : tab - field_start));
      if (tab == std::string::npos) break;
      field_start = tab + 1;
    }
    rows.push_back(std::move(row));
    start = end + 1;
  }
  return rows;
}

}  // namespace

std::string TestServerFolder() {
  const char* folder = std::getenv("TESSELLA_TEST_DB");
  return folder != nullptr ? folder : "";
}

bool DatabaseRequired() {
  const char* required = std::getenv("TESSELLA_REQUIRE_DB");
  return required != nullptr && std::string(required) == "1";
}

std::string ChapterSchema(const std::string& server_folder) {
  static std::map<std::string, std::string> known;
  auto found = known.find(server_folder);
  if (found != known.end()) return found->second;
  for (const auto& row : ParseRows(RunClient(server_folder, {"-e", "SHOW DATABASES"}).out)) {
    bool system = false;
    for (const char* name : kSystemSchemas) system = system || row.at(0) == name;
    if (!system) return known[server_folder] = row.at(0);
  }
  throw std::runtime_error("no chapter schema on the server in " + server_folder);
}

SqlRows RootQuery(const std::string& server_folder, const std::string& sql) {
  return ParseRows(RunClient(server_folder, {"--database=" + ChapterSchema(server_folder), "-e", sql}).out);
}

std::string SqlLiteral(std::string_view value) {
  std::string literal = "'";
  for (char c : value) {
    if (c == '\'' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + "'";
}

DatabaseBlock::DatabaseBlock(int block, std::string server_folder)
    : block_(block), server_folder_(std::move(server_folder)) {
  const std::string movies = std::to_string(Fid(0)) + " AND " + std::to_string(Fid(999));
  const std::string users = std::to_string(block_ * 10) + " AND " + std::to_string(block_ * 10 + 9);
  // The general query log shows the tests what the server received.
  Root("SET GLOBAL log_output='TABLE'; SET GLOBAL general_log=1;"
       "DELETE FROM kapitel WHERE k_fid BETWEEN " + movies + "; DELETE FROM filme WHERE fid BETWEEN " + movies +
       "; DELETE FROM logs WHERE l_uid BETWEEN " + users + "; DELETE FROM users WHERE uid BETWEEN " + users + ";");
}

int DatabaseBlock::AddUser(const std::string& name, const std::string& password) {
  if (next_user_ > 9) throw std::runtime_error("a block holds ten users");
  const int uid = block_ * 10 + next_user_++;
  Root("INSERT INTO users (uid,user,pass,level) VALUES (" + std::to_string(uid) + "," + SqlLiteral(name) + "," +
       SqlLiteral(password) + ",1);");
  return uid;
}

void DatabaseBlock::AddMovie(const MovieRow& m) {
  Root("INSERT INTO filme (fid,title,folge,notiz,typ,sprache,rang,time,version,kaps) VALUES (" +
       std::to_string(m.fid) + "," + SqlLiteral(m.title) + "," + m.folge + "," + m.notiz + "," + m.typ + "," +
       m.sprache + "," + m.rang + "," + m.time + "," + m.version + "," + m.kaps + ");");
}

void DatabaseBlock::AddChapters(int fid, const std::vector<ChapterRow>& chapters) {
  if (chapters.empty()) return;
  std::string sql = "INSERT INTO kapitel (k_fid,version,kapnr,kapname,stime,etime,hidden,ordered) VALUES ";
  for (size_t i = 0; i < chapters.size(); ++i) {
    const ChapterRow& c = chapters[i];
    if (i > 0) sql += ",";
    sql += "(" + std::to_string(fid) + "," + std::to_string(c.version) + "," + std::to_string(c.kapnr) + "," +
           SqlLiteral(c.kapname) + "," + SqlLiteral(c.stime) + "," + SqlLiteral(c.etime) + "," +
           std::to_string(c.hidden) + "," + std::to_string(c.ordered) + ")";
  }
  Root(sql + ";");
}

SqlRows DatabaseBlock::LogRows() const {
  return Root("SELECT l_uid,datum,uhr,log FROM logs WHERE l_uid BETWEEN " + std::to_string(block_ * 10) + " AND " +
              std::to_string(block_ * 10 + 9) + " ORDER BY lid;");
}

std::vector<std::string> SessionStatements(const std::string& server_folder, const std::string& marker) {
  const std::string account = ChapterSchema(server_folder);
  const std::string from_account = "command_type='Query' AND user_host LIKE " + SqlLiteral(account + "[%");
  const SqlRows thread = RootQuery(server_folder, "SELECT MAX(thread_id) FROM mysql.general_log WHERE " +
                                                      from_account + " AND INSTR(argument," +
                                                      SqlLiteral(marker) + ")>0;");
  if (thread.empty() || thread[0].at(0) == "NULL") return {};
  std::vector<std::string> statements;
  for (const auto& row : RootQuery(server_folder, "SELECT argument FROM mysql.general_log WHERE " + from_account +
                                                      " AND thread_id=" + thread[0].at(0) + ";")) {
    statements.push_back(row.at(0));
  }
  return statements;
}

std::string RunCliOn(const std::string& server_folder, const std::vector<std::string>& args, RunOptions options) {
  options.env.emplace("MYSQL_UNIX_PORT", server_folder + "/sock");
  return RunCli(args, options);
}

PrivateServer::PrivateServer() {
  char folder[] = "/tmp/tpdbXXXXXX";
  if (mkdtemp(folder) == nullptr) throw std::runtime_error("mkdtemp failed");
  folder_ = folder;
  RunOptions options;
  options.program = SourcePath("scripts/private-mariadb");
  ProgramResult result = RunProgram({"start", folder_}, options);
  if (result.exit_code != 0) {
    std::filesystem::remove_all(folder_);
    throw std::runtime_error("private server did not start: " + result.err);
  }
}

PrivateServer::~PrivateServer() {
  RunOptions options;
  options.program = SourcePath("scripts/private-mariadb");
  RunProgram({"stop", folder_}, options);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace test_support
