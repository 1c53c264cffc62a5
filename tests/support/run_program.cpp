#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/platform.h"

extern char** environ;

namespace test_support {

namespace fs = std::filesystem;

std::string RunCli(const std::vector<std::string>& args, RunOptions options) {
  options.env.emplace("LC_ALL", "C.UTF-8");
  const ProgramResult result = RunProgram(args, options);
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.err, "");
  return result.out;
}

fs::path BuiltProgram() { return fs::path(TESSELLA_PROGRAM); }

fs::path CopyProgramTo(const fs::path& folder, bool with_client_library) {
  fs::path copy = folder / BuiltProgram().filename();
  fs::copy_file(BuiltProgram(), copy, fs::copy_options::overwrite_existing);
  if (with_client_library) {
    fs::path library = BuiltProgram().parent_path() / platform::kMySqlLibraryFile;
    fs::create_symlink(fs::read_symlink(library), folder / platform::kMySqlLibraryFile);
  }
  return copy;
}

ProgramResult RunProgram(const std::vector<std::string>& args, const RunOptions& options) {
  fs::path program = options.program.empty() ? BuiltProgram() : options.program;
  int out_pipe[2];
  int err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");

  std::vector<std::string> env_text;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry(*e);
    std::string key = entry.substr(0, entry.find('='));
    if (options.env.count(key) == 0) env_text.push_back(entry);
  }
  for (const auto& [key, value] : options.env) env_text.push_back(key + "=" + value);
  std::vector<char*> envp;
  for (auto& entry : env_text) envp.push_back(entry.data());
  envp.push_back(nullptr);

  std::vector<std::string> argv_text{program.string()};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);
  posix_spawn_file_actions_addclose(&actions, out_pipe[0]);
  posix_spawn_file_actions_addclose(&actions, err_pipe[0]);
  if (!options.cwd.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.cwd.c_str());

  pid_t pid = 0;
  int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (rc != 0) {
    close(out_pipe[0]);
    close(err_pipe[0]);
    throw std::runtime_error(std::string("cannot start program: ") + std::strerror(rc));
  }

  ProgramResult result;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_count = 2;
  while (open_count > 0) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[65536];
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace test_support
