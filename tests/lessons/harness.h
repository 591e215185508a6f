// Runs a lesson headless in-process, on a demo site in a temporary folder, as
// a pupil would drive it; then shows what the pupil saw and what stayed behind.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "platform/backend/headless.h"
#include "tests/support/trace_json.h"
#include "tools/demo_site.h"

namespace ham::testing {

class LessonRun;

struct LessonRunOptions {
  tools::DemoSiteOptions site;
  std::vector<std::vector<int>> flags;  // learner record's flags before the run
  std::string record_text;              // record content to start with, instead
  std::string trace_file;               // also write the trace here
  std::string no_bas;                   // content of NO.BAS to start with
  // Changes the site before the run (a damaged file, a leftover).
  std::function<void(const tools::DemoSite&)> prepare;
  // Called for a script line "probe NAME", with the run (its runtime and frame).
  std::function<void(LessonRun&, const std::string&)> on_probe;
};

class LessonRun {
 public:
  // Runs `script` to its end (or the lesson's end).
  LessonRun(const frame::Lesson& lesson, const ResourceTable& resources, const std::string& script,
            LessonRunOptions options = {});
  ~LessonRun();

  int status = -1;
  Runtime& rt() { return *rt_; }
  frame::Frame& frame() { return *frame_; }
  const frame::FrameState& state() const { return frame_->state(); }
  const tools::DemoSite& site() const { return site_; }

  const std::vector<TraceRecord>& trace() const { return records_; }
  std::vector<TraceRecord> Ops(const std::string& op) const;
  // Texts drawn or printed on a form ("MAINFORM") in order.
  std::vector<std::string> Texts(const std::string& form = "MAINFORM") const;
  bool Drew(const std::string& text) const;
  std::vector<std::string> MciCommands() const;
  std::vector<std::string> Messages() const;  // message boxes opened
  std::string Record() const;                 // learner record on disk
  bool HostStarted() const;                   // the stand-in host ran and wrote its log
  // Pixel of the main window's surface at a pixel position.
  Pixel MainPixel(int x, int y) const;

 private:
  std::filesystem::path dir_;
  tools::DemoSite site_;
  std::unique_ptr<Runtime> rt_;
  std::unique_ptr<frame::Frame> frame_;
  std::vector<TraceRecord> records_;
};

// Runs scripts on one lesson with its resources: RunLesson(script[, options]).
struct LessonRunner {
  const frame::Lesson& (*lesson)();
  const ResourceTable& (*resources)();
  LessonRun operator()(const std::string& script, LessonRunOptions options = {}) const {
    return LessonRun(lesson(), resources(), script, std::move(options));
  }
};

// ----- scripts -----

// "type EDIT1 3" / "click BUTTON1" lines for choosing a number in the bar.
std::string Choose(int n);
// Opens page n through the page chooser.
std::string Page(int n);
// Types each text into its box (an empty text leaves the box alone), then clicks `ok`.
std::string Answer(const std::vector<std::string>& boxes, const std::vector<std::string>& texts,
                   const std::string& ok);
// The answer bar with as many boxes as texts: EDIT2 and BUTTON2; EDIT3-4 and
// BUTTON3; EDIT5-7 and BUTTON4; EDIT8-11 and BUTTON5. Empty texts type nothing.
std::string AnswerBar(const std::vector<std::string>& texts);
// One text in EDIT2 (none when empty), then BUTTON2.
std::string AnswerOne(const std::string& text);
// Every box typed, even with an empty text, then OK: EDIT2 and BUTTON2;
// EDIT14-15 and BUTTON5; EDIT16-18 and BUTTON6.
std::string TypeOne(const std::string& a);
std::string TypeTwo(const std::string& a, const std::string& b);
std::string TypeThree(const std::string& a, const std::string& b, const std::string& c);

// ----- what the trace shows -----

int Count(const std::vector<std::string>& v, const std::string& s);
// Files the media commands opened, in order ("open FILE ..." gives FILE).
std::vector<std::string> Opens(const LessonRun& r);
// The whole "open ..." media commands, in order.
std::vector<std::string> OpenCommands(const LessonRun& r);
// A print of `text` at a text cell, on any form; color -1: any.
bool Printed(const LessonRun& r, const std::string& text, int col, int row, int color = -1);
bool PrintedIn(const std::vector<TraceRecord>& records, const std::string& text, int col, int row, int color = -1);
// The same, on one form only.
bool PrintedOn(const LessonRun& r, const std::string& form, const std::string& text, int col, int row,
               int color = -1);
// How many times `text` was printed at a text cell.
int PrintCount(const LessonRun& r, const std::string& text);
// Text drawn on `form` at a pixel position given in whole pixels; color -1: any.
bool DrewAt(const LessonRun& r, const std::string& form, const std::string& text, int x, int y, int color = -1);
// Text drawn among `records` at a position compared as numbers; color -1: any.
bool DrewIn(const std::vector<TraceRecord>& records, const std::string& form, const std::string& text, double x,
            double y, int color = -1);
// A box on the main window.
bool BoxDrawn(const LessonRun& r, int x1, int y1, int x2, int y2, int color);
bool Shown(const LessonRun& r, const std::string& form);
double Num(const TraceRecord& r, const char* key);
// Trace records from the last time the script line `line` was carried out on.
std::vector<TraceRecord> AfterAction(const LessonRun& r, const std::string& line);
// What a navigation button's head did after the script line: the boxes it
// blanked and the forms it hid, up to the page module's first text.
struct Clearing {
  std::vector<std::string> blanked, hidden;
};
Clearing ClearedBy(const LessonRun& r, const std::string& line);
// "EDIT<first>" .. "EDIT<last>".
std::vector<std::string> EditBoxes(int first, int last);
std::vector<TraceRecord> OpsIn(const std::vector<TraceRecord>& records, const std::string& op);
// Drawing from the script line `line` on, one string per operation.
std::vector<std::string> Drawing(const LessonRun& r, const std::string& line);
// From the first narration to the page's end text, without the "play"
// commands, the sound commands alternate open, close: each sound is closed
// once, never twice.
bool SoundsClosedOnce(const LessonRun& r, const std::string& end_text);

// ----- screenshots -----

std::optional<Surface> ReadPng(const std::filesystem::path& file);
// A screenshot the script took ("shot NAME").
std::optional<Surface> Shot(const LessonRun& r, const std::string& name);

}  // namespace ham::testing
