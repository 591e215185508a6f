// State of the file operations of one runtime: open files by number, the
// statement in progress, file searches by number, and the files held.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/runtime.h"

namespace ham {

struct Runtime::Files {
  struct OpenFile {
    char mode = 'I';           // 'I' input, 'O' output
    std::string dos_path;      // as the program named it
    std::filesystem::path host;
    std::string data;          // input: the whole file
    std::size_t pos = 0;       // input: next byte to read
    int fd = -1;               // output: open descriptor, of `temp`
    std::filesystem::path temp;  // output: written in `host`'s folder, renamed on close
    std::string out;           // output: written on close
  };

  Files() = default;
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;
  // Output files still open when the runtime goes are discarded; the files
  // it holds are let go.
  ~Files();

  std::map<int, OpenFile> open;
  int input = 0;          // file of the input statement in progress
  int print = 0;          // file of the output statement in progress
  bool printing = false;
  std::string line;       // the output statement's text so far
  std::map<int, std::optional<std::filesystem::path>> searches;  // search number -> what it found
  std::map<std::filesystem::path, int> held;  // file held -> descriptor of its lock file
};

}  // namespace ham
