// A runtime whose drive C is a fresh temporary folder, with the trace kept.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "tests/support/process.h"

namespace ham::test_support {

namespace fs = std::filesystem;

struct DriveFixture {
  Runtime rt;
  fs::path root;  // removed at the end
  fs::path c;     // drive C

  DriveFixture() {
    std::string tmpl = (fs::temp_directory_path() / "ham-drive-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) ADD_FAILURE() << "mkdtemp failed";
    root = fs::canonical(tmpl);
    c = root / "drive_c";
    fs::create_directories(c);
    rt.SetDriveC(c);
    rt.current_folder() = c;
    rt.trace().set_keep(true);
  }
  ~DriveFixture() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  // Host path below drive C, from a path with '/' separators.
  fs::path C(const std::string& rel) const { return c / rel; }

  void Put(const fs::path& p, const std::string& content) const {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
  }
  static std::string Get(const fs::path& p) { return testing::ReadText(p); }

  // Trace lines of one operation.
  std::vector<std::string> Ops(const std::string& op) {
    std::vector<std::string> out;
    for (const std::string& l : rt.trace().lines())
      if (l.find("\"op\":\"" + op + "\"") != std::string::npos) out.push_back(l);
    return out;
  }
};

}  // namespace ham::test_support
