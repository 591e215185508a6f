// Start of a lesson program: the backend, trace and drive C from the
// environment, then the program's main on a fresh runtime.
#pragma once

#include <functional>
#include <string>

#include "platform/runtime.h"

namespace ham {

struct ProgramOptions {
  std::string backend;      // "headless" or "sdl"
  std::string script;       // headless: file of pupil actions
  std::string trace;        // file for the trace
  std::string shots;        // folder for screenshots
  std::string drive_c;      // folder that stands for drive C
};

// HAMIRUTA_BACKEND, HAMIRUTA_SCRIPT, HAMIRUTA_TRACE, HAMIRUTA_SHOTS, HAMIRUTA_DRIVE_C.
ProgramOptions OptionsFromEnvironment();
std::string DefaultDriveC();

// Prepares `rt` from the options: the backend first, so that nothing is
// read or written when there is no window to show. False with `error` and
// the exit status when it cannot: 1 when there is no display, 2 otherwise.
bool SetUpRuntime(Runtime& rt, const ProgramOptions& options, std::string* error, int* status = nullptr);

// Runs a program's main on a prepared runtime: the main window is filled
// from the program's MAINFORM first, as the runtime creates it. Returns the
// exit status.
int RunOn(Runtime& rt, const std::function<void()>& main);

// The whole program: returns the exit status. SIGTERM, SIGINT and SIGHUP
// act as the window's close control.
int RunLessonProgram(const ResourceTable& resources, const std::function<void()>& main);

}  // namespace ham
