#include "tests/support/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace ham::testing {

namespace fs = std::filesystem;

pid_t StartProgram(const ProgramCall& call) {
  std::vector<std::string> args{call.program.string()};
  args.insert(args.end(), call.args.begin(), call.args.end());
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    std::string_view entry(*e);
    bool replaced = false;
    for (const std::string& mine : call.env)
      replaced = replaced || entry.substr(0, entry.find('=') + 1) == mine.substr(0, mine.find('=') + 1);
    if (!replaced) env.emplace_back(entry);
  }
  env.insert(env.end(), call.env.begin(), call.env.end());
  std::vector<char*> argv, envp;
  for (std::string& a : args) argv.push_back(a.data());
  for (std::string& e : env) envp.push_back(e.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);

  const std::string out = call.out.empty() ? "/dev/null" : call.out.string();
  const std::string err = call.err.empty() ? "/dev/null" : call.err.string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (call.fd3 >= 0) posix_spawn_file_actions_adddup2(&actions, call.fd3, 3);
  posix_spawn_file_actions_addclosefrom_np(&actions, call.fd3 >= 0 ? 4 : 3);
  if (!call.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, call.folder.c_str());
  pid_t pid = -1;
  const int e = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (e) throw std::runtime_error("cannot start " + call.program.string() + ": " + std::strerror(e));
  return pid;
}

int WaitStatus(pid_t pid, int options) {
  int status = 0;
  while (waitpid(pid, &status, options) < 0)
    if (errno != EINTR) throw std::runtime_error("waitpid: " + std::string(std::strerror(errno)));
  return status;
}

int RunToEnd(const ProgramCall& call) {
  const int status = WaitStatus(StartProgram(call));
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

namespace {
fs::path FolderFrom(const char* variable) {
  const char* dir = std::getenv(variable);
  if (!dir || !*dir) throw std::runtime_error(std::string(variable) + " is not set");
  return dir;
}
}  // namespace

fs::path SourceDir() { return FolderFrom("HAM_SOURCE_DIR"); }
fs::path BinaryDir() { return FolderFrom("HAM_BINARY_DIR"); }

fs::path Built(const std::string& relative) { return BinaryDir() / relative; }

TempFolder::TempFolder() {
  std::string tmpl = (fs::temp_directory_path() / "ham-program-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path = fs::canonical(tmpl);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path, ec);
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

}  // namespace ham::testing
