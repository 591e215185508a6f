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

// An environment variable set, or unset, for the test's length.
struct EnvFor {
  std::string name;
  std::optional<std::string> old;
  EnvFor(const char* n, const char* value) : name(n) {
    if (const char* v = std::getenv(n)) old = v;
    if (value)
      setenv(n, value, 1);
    else
      unsetenv(n);
  }
  ~EnvFor() {
    if (old)
      setenv(name.c_str(), old->c_str(), 1);
    else
      unsetenv(name.c_str());
  }
};

TEST(Program, WithoutADisplayTheWindowSaysWhichBeforeAnythingIsWritten) {
  // Displays that are not there: no server listens on them.
  struct Case {
    const char* display;
    const char* wayland;
    std::string said;
  };
  const Case cases[] = {
      {nullptr, nullptr, "(neither DISPLAY nor WAYLAND_DISPLAY is set)"},
      {":59999", nullptr, "(the display DISPLAY=:59999 cannot be opened)"},
      {nullptr, "ham-no-display", "(the display WAYLAND_DISPLAY=ham-no-display cannot be opened)"},
      {":59999", "ham-no-display", "(neither the display DISPLAY=:59999 nor WAYLAND_DISPLAY=ham-no-display can be opened)"},
  };
  EnvFor driver("SDL_VIDEODRIVER", nullptr);
  for (const Case& k : cases) {
    EnvFor display("DISPLAY", k.display), wayland("WAYLAND_DISPLAY", k.wayland);
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
    EXPECT_FALSE(SetUpRuntime(rt, o, &error, &status)) << k.said;
    EXPECT_EQ(status, 1) << k.said;
    EXPECT_EQ(error, "no display: the lesson's window cannot be shown " + k.said);
    EXPECT_FALSE(fs::exists(o.trace)) << k.said;
    EXPECT_EQ(rt.backend_ptr(), nullptr) << k.said;
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace ham
