// Runs the built program as a user would and captures what it prints.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace test_support {

struct ProgramResult {
  std::string out;  // standard output, bytes as written
  std::string err;  // standard error
  int exit_code = -1;
};

struct RunOptions {
  std::filesystem::path cwd;                  // empty: the test's current folder
  std::filesystem::path program;              // empty: the built program
  std::map<std::string, std::string> env;     // set in addition to the inherited ones
};

ProgramResult RunProgram(const std::vector<std::string>& args, const RunOptions& options = {});

// Runs the program as a user's UTF-8 console does (LC_ALL=C.UTF-8 unless `options` sets
// LC_ALL), checks that it ends with exit code 0 and prints nothing on standard error, and
// returns what it printed.
std::string RunCli(const std::vector<std::string>& args, RunOptions options = {});

// The built program's path.
std::filesystem::path BuiltProgram();

// Copies the built program into `folder` (so that its program folder is a test folder)
// and returns the copy's path. With `with_client_library` a link to the client library
// is put beside it, as the build does.
std::filesystem::path CopyProgramTo(const std::filesystem::path& folder, bool with_client_library);

}  // namespace test_support
