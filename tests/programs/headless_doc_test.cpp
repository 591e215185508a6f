// The example of docs/headless.md, run as written from a checkout whose
// build/ is this build.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/lessons/harness.h"
#include "tests/support/children.h"
#include "tests/support/process.h"

namespace ham::testing {
namespace {

namespace fs = std::filesystem;

// The indented block after the line that starts with "Example", without its
// indent.
std::string ExampleBlock(const std::string& doc) {
  std::string block;
  bool after_example = false, in_block = false;
  for (const std::string& line : Lines(doc)) {
    if (!after_example) {
      after_example = line.starts_with("Example");
      continue;
    }
    if (line.starts_with("    ")) {
      in_block = true;
      block += line.substr(4) + "\n";
    } else if (in_block && !line.empty()) {
      break;
    }
  }
  return block;
}

TEST(HeadlessDoc, TheExampleRunsAsWrittenAndLeavesATraceAndAScreenshot) {
  const std::string example = ExampleBlock(ReadText(SourceDir() / "docs" / "headless.md"));
  ASSERT_NE(example.find("make-demo-site"), std::string::npos) << example;
  AdoptStartedPrograms();
  TempFolder t;
  fs::create_directory_symlink(BinaryDir(), t.path / "build");
  fs::create_directory(t.path / "tmp");  // where mktemp -d makes its folder
  std::ofstream(t.path / "example.sh") << example;
  ProgramCall bash{"/bin/bash", {"-eu", "example.sh"}, t.path, {"TMPDIR=" + (t.path / "tmp").string()}};
  bash.out = t.path / "out";
  bash.err = t.path / "err";
  EXPECT_EQ(RunToEnd(bash), 0) << ReadText(bash.err);
  ASSERT_TRUE(WaitForStartedPrograms());  // the host the lesson started

  std::vector<fs::path> made(fs::directory_iterator(t.path / "tmp"), fs::directory_iterator());
  ASSERT_EQ(made.size(), 1u);
  const std::vector<TraceRecord> trace = ParseTrace(Lines(ReadText(made[0] / "trace.jsonl")));
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace.back().at("op"), "end");
  std::optional<Surface> shot = ReadPng(made[0] / "shots" / "page1.png");
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->width(), Runtime::kDesktopWidth);
}

}  // namespace
}  // namespace ham::testing
