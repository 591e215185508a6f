// The built make-demo-site on a new site and again on an existing one.
#include <fstream>

#include "tests/programs/site.h"

namespace ham::testing {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

TEST(MakeDemoSite, RunAgainKeepsTheLearnerRecordUnlessAFreshOneIsAsked) {
  TempFolder t;
  const fs::path drive_c = t.path / "drive_c";
  const SiteOnDisk site = MakeSite(drive_c);
  EXPECT_EQ(ReadText(site.record), DivisorsRecord());  // a new site: no passes
  Write(site.record, DivisorsRecord({1, 2}));
  Write(site.host_log, "started earlier\n");
  Write(site.lesson / "NO.BAS", "OTHER01\r\n");

  // With no flag, and with the flag older scripts pass.
  for (const std::vector<std::string>& flags : {std::vector<std::string>{}, {"--keep-record"}}) {
    EXPECT_EQ(MakeSite(drive_c, flags).lesson, site.lesson);
    EXPECT_EQ(ReadText(site.record), DivisorsRecord({1, 2}));
    EXPECT_EQ(ReadText(site.host_log), "started earlier\n");
    EXPECT_EQ(ReadText(site.lesson / "NO.BAS"), "YAKU01\r\n");  // the site's own files are written anew
  }
  MakeSite(drive_c, {"--fresh-record"});
  EXPECT_EQ(ReadText(site.record), DivisorsRecord());
  EXPECT_EQ(ReadText(site.host_log), "started earlier\n");
}

TEST(MakeDemoSite, AnUnknownOptionIsRefusedBeforeAnythingIsWritten) {
  TempFolder t;
  ProgramCall call{Built("tools/make-demo-site"), {"divisors", (t.path / "drive_c").string(), "--fresh-recrod"}};
  call.err = t.path / "err";
  EXPECT_EQ(RunToEnd(call), 2);
  const std::vector<std::string> err = Lines(ReadText(call.err));
  ASSERT_FALSE(err.empty());
  EXPECT_EQ(err[0], "unknown option --fresh-recrod");
  EXPECT_FALSE(fs::exists(t.path / "drive_c"));
}

}  // namespace
}  // namespace ham::testing
