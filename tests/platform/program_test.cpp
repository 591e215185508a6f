// Starting a lesson program from its environment.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/program.h"

namespace ham {
namespace {

namespace fs = std::filesystem;

// Unsets an environment variable for the test's length.
struct Unset {
  std::string name;
  std::optional<std::string> old;
  explicit Unset(const char* n) : name(n) {
    if (const char* v = std::getenv(n)) old = v;
    unsetenv(n);
  }
  ~Unset() {
    if (old) setenv(name.c_str(), old->c_str(), 1);
  }
};

TEST(Program, WithoutADisplayTheWindowSaysSoBeforeAnythingIsWritten) {
  Unset display("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
  fs::path dir = fs::path(::testing::TempDir()) / "no-display";
  fs::remove_all(dir);
  fs::create_directories(dir);
  Runtime rt;
  ProgramOptions o;
  o.backend = "sdl";
  o.trace = (dir / "trace.jsonl").string();
  o.drive_c = dir.string();
  std::string error;
  int status = 0;
  EXPECT_FALSE(SetUpRuntime(rt, o, &error, &status));
  EXPECT_EQ(status, 1);
  EXPECT_NE(error.find("no display"), std::string::npos) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(o.trace));
  EXPECT_EQ(rt.backend_ptr(), nullptr);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace ham
