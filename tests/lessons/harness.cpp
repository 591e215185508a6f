#include "tests/lessons/harness.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "platform/program.h"

namespace ham::testing {

namespace fs = std::filesystem;

LessonRun::LessonRun(const frame::Lesson& lesson, const ResourceTable& resources, const std::string& script,
                     LessonRunOptions options) {
  std::random_device rd;
  dir_ = fs::temp_directory_path() / ("hamiruta-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir_);
  {
    Runtime scratch;  // pictures of the site are drawn on a runtime of their own
    site_ = tools::BuildDemoSite(lesson, dir_ / "drive_c", options.site);
  }
  if (!options.record_text.empty() || !options.flags.empty()) {
    std::ofstream out(site_.record, std::ios::binary | std::ios::trunc);
    out << (options.record_text.empty() ? tools::RecordText(lesson, options.flags) : options.record_text);
  }
  if (!options.no_bas.empty()) {
    std::ofstream out(site_.lesson / "NO.BAS", std::ios::binary | std::ios::trunc);
    out << options.no_bas;
  }
  rt_ = std::make_unique<Runtime>();
  rt_->SetResources(&resources);
  rt_->SetDriveC(site_.drive_c);
  rt_->current_folder() = site_.lesson;
  rt_->trace().set_keep(true);
  if (!options.trace_file.empty()) rt_->trace().Open(options.trace_file);
  auto backend = std::make_unique<HeadlessBackend>(*rt_);
  std::string error;
  if (!backend->SetScript(script, &error)) throw std::runtime_error(error);
  backend->SetShotsFolder(dir_ / "shots");
  rt_->SetBackend(std::move(backend));
  frame_ = std::make_unique<frame::Frame>(lesson);
  status = RunOn(*rt_, [this] { frame_->Main(); });
  records_ = ParseTrace(rt_->trace().lines());
}

LessonRun::~LessonRun() {
  frame_.reset();
  rt_.reset();
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

std::vector<TraceRecord> LessonRun::Ops(const std::string& op) const {
  std::vector<TraceRecord> out;
  for (const TraceRecord& r : records_)
    if (r.count("op") && r.at("op") == op) out.push_back(r);
  return out;
}

std::vector<std::string> LessonRun::Texts(const std::string& form) const {
  std::vector<std::string> out;
  for (const TraceRecord& r : records_) {
    auto op = r.find("op");
    if (op == r.end() || (op->second != "text" && op->second != "print")) continue;
    auto f = r.find("form");
    if (f != r.end() && f->second == form) out.push_back(r.at("text"));
  }
  return out;
}

bool LessonRun::Drew(const std::string& text) const {
  for (const std::string& t : Texts())
    if (t == text) return true;
  return false;
}

std::vector<std::string> LessonRun::MciCommands() const {
  std::vector<std::string> out;
  for (const TraceRecord& r : Ops("mci")) out.push_back(r.at("command"));
  return out;
}

std::vector<std::string> LessonRun::Messages() const {
  std::vector<std::string> out;
  for (const TraceRecord& r : Ops("msgbox")) out.push_back(r.at("text"));
  return out;
}

std::string LessonRun::Record() const {
  std::ifstream in(site_.record, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool LessonRun::HostStarted() const {
  for (int i = 0; i < 100; ++i) {
    if (fs::exists(site_.host_log)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

Pixel LessonRun::MainPixel(int x, int y) const { return rt_->main_form().surface().Get(x, y); }

std::string Choose(int n) { return "type EDIT1 " + std::to_string(n) + "\nclick BUTTON1\n"; }

}  // namespace ham::testing
