// Programs of the build run as their own processes, as a teacher starts them
// from a terminal: in a folder, with variables added to this process's
// environment, their output in files.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ham::testing {

struct ProgramCall {
  std::filesystem::path program;
  std::vector<std::string> args;
  std::filesystem::path folder;    // current folder; this one's when empty
  std::vector<std::string> env;    // "NAME=value", over this process's
  std::filesystem::path out, err;  // standard output and error; /dev/null when empty
  int fd3 = -1;                    // given to the program as its descriptor 3
};

// Starts the program; throws std::runtime_error when it cannot be started.
pid_t StartProgram(const ProgramCall& call);
// The wait status of a started program, once it has ended (or stopped, with
// WUNTRACED in `options`).
int WaitStatus(pid_t pid, int options = 0);
// Runs the program to its end: its exit status, or 128 + the signal that
// ended it.
int RunToEnd(const ProgramCall& call);

// The checkout (HAM_SOURCE_DIR), the build's folder (HAM_BINARY_DIR) and a
// program in it.
std::filesystem::path SourceDir();
std::filesystem::path BinaryDir();
std::filesystem::path Built(const std::string& relative);

// A fresh folder, removed with what is in it at the end.
struct TempFolder {
  std::filesystem::path path;
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
};

std::string ReadText(const std::filesystem::path& file);
std::vector<std::string> Lines(const std::string& text);

}  // namespace ham::testing
