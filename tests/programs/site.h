// A demo site made by the built make-demo-site, and the environment that
// runs a built lesson on it headless.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process.h"

namespace ham::testing {

struct SiteOnDisk {
  std::filesystem::path drive_c, lesson, record, host_log;
};

// make-demo-site divisors DRIVE_C [flags].
inline SiteOnDisk MakeSite(const std::filesystem::path& drive_c, const std::vector<std::string>& flags = {}) {
  const std::filesystem::path out = drive_c.parent_path() / "make-demo-site.out";
  ProgramCall call{Built("tools/make-demo-site"), {"divisors", drive_c.string()}};
  call.args.insert(call.args.end(), flags.begin(), flags.end());
  call.out = out;
  EXPECT_EQ(RunToEnd(call), 0);
  std::vector<std::string> lines = Lines(ReadText(out));
  SiteOnDisk site;
  site.drive_c = drive_c;
  site.lesson = lines.empty() ? std::filesystem::path() : std::filesystem::path(lines[0]);
  site.record = drive_c / "DI1YAKU01";
  site.host_log = drive_c / "KIRARI" / "host.log";
  return site;
}

// The divisors lesson run headless in the site's lesson folder.
inline ProgramCall DivisorsRun(const SiteOnDisk& site, const std::filesystem::path& script,
                               const std::string& trace) {
  ProgramCall call{Built("lessons/lesson-divisors")};
  call.folder = site.lesson;
  call.env = {"HAMIRUTA_BACKEND=headless", "HAMIRUTA_SCRIPT=" + script.string(), "HAMIRUTA_TRACE=" + trace,
              "HAMIRUTA_DRIVE_C=" + site.drive_c.string(), "HAMIRUTA_SHOTS="};
  return call;
}

// The divisors lesson's record with the given problems of its first practice
// page passed.
inline std::string DivisorsRecord(const std::vector<int>& passed = {}) {
  std::string out = " 9  11  0 ";
  for (int i = 1; i <= 9; ++i) {
    bool p = false;
    for (int k : passed) p = p || k == i;
    out += p ? " 1 " : " 0 ";
  }
  for (int i = 1; i <= 11; ++i) out += " 0 ";
  return out + "\r\n";
}

}  // namespace ham::testing
