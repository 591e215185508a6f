// Runs a lesson headless in-process, on a demo site in a temporary folder, as
// a pupil would drive it; then shows what the pupil saw and what stayed behind.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "platform/backend/headless.h"
#include "tests/support/trace_json.h"
#include "tools/demo_site.h"

namespace ham::testing {

struct LessonRunOptions {
  tools::DemoSiteOptions site;
  std::vector<std::vector<int>> flags;  // learner record's flags before the run
  std::string record_text;              // record content to start with, instead
  std::string trace_file;               // also write the trace here
  std::string no_bas;                   // content of NO.BAS to start with
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
  bool HostStarted() const;                   // the stand-in host wrote its log
  // Pixel of the main window's surface at a pixel position.
  Pixel MainPixel(int x, int y) const;

 private:
  std::filesystem::path dir_;
  tools::DemoSite site_;
  std::unique_ptr<Runtime> rt_;
  std::unique_ptr<frame::Frame> frame_;
  std::vector<TraceRecord> records_;
};

// "type EDIT1 3" / "click BUTTON1" lines for choosing a number in the bar.
std::string Choose(int n);

}  // namespace ham::testing
