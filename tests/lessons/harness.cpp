#include "tests/lessons/harness.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "platform/program.h"

namespace ham::testing {

namespace fs = std::filesystem;

namespace {

// Sites are built once per lesson and options, then copied for each run: the
// pictures and sounds as hard links, the small files as copies.
struct SiteCache {
  std::map<std::string, std::pair<fs::path, tools::DemoSite>> sites;
  ~SiteCache() {
    std::error_code ec;
    for (auto& [key, entry] : sites) fs::remove_all(entry.first, ec);
  }
};

tools::DemoSite CopySite(const frame::Lesson& lesson, const tools::DemoSiteOptions& o, const fs::path& dir) {
  static SiteCache cache;
  std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(&lesson)) + "|" + o.host_folder + "|" +
                    o.group_folder + "|" + o.lesson_folder + "|" + o.learner_id + "|" + (o.with_host ? "1" : "0");
  auto it = cache.sites.find(key);
  if (it == cache.sites.end()) {
    std::random_device rd;
    fs::path base = fs::temp_directory_path() / ("hamiruta-site-" + std::to_string(rd()) + std::to_string(rd()));
    Runtime scratch;  // pictures of the site are drawn on a runtime of their own
    tools::DemoSite site = tools::BuildDemoSite(lesson, base / "drive_c", o);
    it = cache.sites.emplace(key, std::make_pair(base, site)).first;
  }
  const fs::path& from = it->second.first;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(from)) {
    fs::path to = dir / fs::relative(e.path(), from);
    if (e.is_directory()) {
      fs::create_directories(to);
    } else {
      std::string ext = e.path().extension().string();
      bool shared = ext == ".WAV" || ext == ".BMP";
      std::error_code ec;
      if (shared) fs::create_hard_link(e.path(), to, ec);
      if (!shared || ec) fs::copy_file(e.path(), to, fs::copy_options::overwrite_existing);
    }
  }
  auto move = [&](const fs::path& p) { return dir / fs::relative(p, from); };
  tools::DemoSite site = it->second.second;
  site.drive_c = move(site.drive_c);
  site.host = move(site.host);
  site.lesson = move(site.lesson);
  site.record = move(site.record);
  site.host_log = move(site.host_log);
  return site;
}

}  // namespace

LessonRun::LessonRun(const frame::Lesson& lesson, const ResourceTable& resources, const std::string& script,
                     LessonRunOptions options) {
  std::random_device rd;
  dir_ = fs::temp_directory_path() / ("hamiruta-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir_);
  site_ = CopySite(lesson, options.site, dir_);
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
  if (!Ops("run").empty()) HostStarted();  // let the host finish before its folder goes
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
