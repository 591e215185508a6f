#include "platform/program.h"

#include <cstdlib>
#include <iostream>

#include "platform/backend/headless.h"
#include "platform/backend/sdl.h"
#include "platform/signals.h"

namespace ham {

namespace {
std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}
}  // namespace

std::string DefaultDriveC() {
  std::string xdg = Env("XDG_DATA_HOME");
  if (!xdg.empty()) return xdg + "/hamiruta/drive_c";
  std::string home = Env("HOME");
  if (home.empty()) home = ".";
  return home + "/.local/share/hamiruta/drive_c";
}

ProgramOptions OptionsFromEnvironment() {
  ProgramOptions o;
  o.backend = Env("HAMIRUTA_BACKEND");
  if (o.backend.empty()) o.backend = "sdl";
  o.script = Env("HAMIRUTA_SCRIPT");
  o.trace = Env("HAMIRUTA_TRACE");
  o.shots = Env("HAMIRUTA_SHOTS");
  o.drive_c = Env("HAMIRUTA_DRIVE_C");
  if (o.drive_c.empty()) o.drive_c = DefaultDriveC();
  return o;
}

bool SetUpRuntime(Runtime& rt, const ProgramOptions& o, std::string* error, int* status) {
  if (status) *status = 2;
  rt.SetDriveC(std::filesystem::absolute(o.drive_c));
  if (o.backend == "headless") {
    auto b = std::make_unique<HeadlessBackend>(rt);
    if (!o.script.empty() && !b->LoadScript(o.script, error)) return false;
    if (!o.shots.empty()) b->SetShotsFolder(o.shots);
    rt.SetBackend(std::move(b));
  } else if (o.backend == "sdl") {
    bool no_display = false;
    auto b = MakeSdlBackend(rt, error, &no_display);
    if (!b) {
      if (status && no_display) *status = 1;
      return false;
    }
    rt.SetBackend(std::move(b));
  } else {
    *error = "unknown HAMIRUTA_BACKEND " + o.backend;
    return false;
  }
  if (!o.trace.empty() && !rt.trace().Open(o.trace)) {
    *error = "cannot write trace " + o.trace;
    return false;
  }
  return true;
}

int RunLessonProgram(const ResourceTable& resources, const std::function<void()>& main) {
  WatchCloseSignals();
  Runtime rt;
  rt.SetResources(&resources);
  std::string error;
  int status = 2;
  if (!SetUpRuntime(rt, OptionsFromEnvironment(), &error, &status)) {
    std::cerr << error << std::endl;
    return status;
  }
  return RunOn(rt, main);
}

int RunOn(Runtime& rt, const std::function<void()>& main) {
  return RunProgram(rt, [&] {
    if (const ResourceTable* table = rt.resources())
      for (const ResourceEntry& e : *table)
        if (e.name == "MAINFORM") rt.LoadForm("MAINFORM", true, std::source_location::current());
    main();
  });
}

}  // namespace ham
