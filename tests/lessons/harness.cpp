#include "tests/lessons/harness.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <fstream>
#include <random>
#include <sstream>

#include <png.h>

#include "platform/program.h"
#include "tests/support/children.h"
#include "tests/support/process.h"

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

// Folders of runs whose host was still running when the run ended: they go
// when the test program ends, once every host has.
struct LateFolders {
  std::vector<fs::path> dirs;
  ~LateFolders() {
    WaitForStartedPrograms();
    std::error_code ec;
    for (const fs::path& d : dirs) fs::remove_all(d, ec);
  }
};

LateFolders& Late() {
  static LateFolders late;
  return late;
}

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
  AdoptStartedPrograms();  // the host the lesson starts on exit
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
  if (options.prepare) options.prepare(site_);
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
  if (options.on_probe) backend->on_probe = [this, probe = options.on_probe](const std::string& name) { probe(*this, name); };
  rt_->SetBackend(std::move(backend));
  frame_ = std::make_unique<frame::Frame>(lesson);
  status = RunOn(*rt_, [this] { frame_->Main(); });
  records_ = ParseTrace(rt_->trace().lines());
}

LessonRun::~LessonRun() {
  frame_.reset();
  rt_.reset();
  // A host still running keeps its folder until the end; the test goes on.
  if (!WaitForStartedPrograms(std::chrono::milliseconds(0))) {
    Late().dirs.push_back(dir_);
    return;
  }
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

std::string LessonRun::Record() const { return ReadText(site_.record); }

bool LessonRun::HostStarted() const {
  // Without a run line the host was never started: nothing to wait for.
  if (!Ops("run").empty()) WaitForStartedPrograms();
  return fs::exists(site_.host_log);
}

Pixel LessonRun::MainPixel(int x, int y) const { return rt_->main_form().surface().Get(x, y); }

std::string Choose(int n) { return "type EDIT1 " + std::to_string(n) + "\nclick BUTTON1\n"; }

std::string Page(int n) { return "click BMPBUTTON4\n" + Choose(n); }

std::string Answer(const std::vector<std::string>& boxes, const std::vector<std::string>& texts,
                   const std::string& ok) {
  std::string s;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (!texts[i].empty()) s += "type " + boxes[i] + " " + texts[i] + "\n";
  return s + "click " + ok + "\n";
}

std::string AnswerBar(const std::vector<std::string>& texts) {
  int first = 0;
  std::string ok;
  switch (texts.size()) {
    case 1: first = 2, ok = "BUTTON2"; break;
    case 2: first = 3, ok = "BUTTON3"; break;
    case 3: first = 5, ok = "BUTTON4"; break;
    default: first = 8, ok = "BUTTON5"; break;
  }
  std::string s;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (!texts[i].empty()) s += "type EDIT" + std::to_string(first + static_cast<int>(i)) + " " + texts[i] + "\n";
  return s + "click " + ok + "\n";
}

std::string AnswerOne(const std::string& text) { return AnswerBar({text}); }

std::string TypeOne(const std::string& a) { return "type EDIT2 " + a + "\nclick BUTTON2\n"; }
std::string TypeTwo(const std::string& a, const std::string& b) {
  return "type EDIT14 " + a + "\ntype EDIT15 " + b + "\nclick BUTTON5\n";
}
std::string TypeThree(const std::string& a, const std::string& b, const std::string& c) {
  return "type EDIT16 " + a + "\ntype EDIT17 " + b + "\ntype EDIT18 " + c + "\nclick BUTTON6\n";
}

int Count(const std::vector<std::string>& v, const std::string& s) {
  return static_cast<int>(std::count(v.begin(), v.end(), s));
}

std::vector<std::string> Opens(const LessonRun& r) {
  std::vector<std::string> out;
  for (const std::string& c : OpenCommands(r)) out.push_back(c.substr(5, c.find(' ', 5) - 5));
  return out;
}

std::vector<std::string> OpenCommands(const LessonRun& r) {
  std::vector<std::string> out;
  for (const std::string& c : r.MciCommands())
    if (c.rfind("open ", 0) == 0) out.push_back(c);
  return out;
}

bool Printed(const LessonRun& r, const std::string& text, int col, int row, int color) {
  return PrintedIn(r.Ops("print"), text, col, row, color);
}

bool PrintedIn(const std::vector<TraceRecord>& records, const std::string& text, int col, int row, int color) {
  for (const TraceRecord& p : OpsIn(records, "print"))
    if (p.at("text") == text && p.at("col") == std::to_string(col) && p.at("row") == std::to_string(row) &&
        (color < 0 || p.at("color") == std::to_string(color)))
      return true;
  return false;
}

bool PrintedOn(const LessonRun& r, const std::string& form, const std::string& text, int col, int row, int color) {
  for (const TraceRecord& p : r.Ops("print"))
    if (p.at("form") == form && p.at("text") == text && p.at("col") == std::to_string(col) &&
        p.at("row") == std::to_string(row) && (color < 0 || p.at("color") == std::to_string(color)))
      return true;
  return false;
}

int PrintCount(const LessonRun& r, const std::string& text) {
  int n = 0;
  for (const TraceRecord& p : r.Ops("print")) n += p.at("text") == text;
  return n;
}

bool DrewAt(const LessonRun& r, const std::string& form, const std::string& text, int x, int y, int color) {
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("form") == form && t.at("text") == text && t.at("x") == std::to_string(x) &&
        t.at("y") == std::to_string(y) && (color < 0 || t.at("color") == std::to_string(color)))
      return true;
  return false;
}

bool DrewIn(const std::vector<TraceRecord>& records, const std::string& form, const std::string& text, double x,
            double y, int color) {
  for (const TraceRecord& t : OpsIn(records, "text"))
    if (t.at("form") == form && t.at("text") == text && Num(t, "x") == x && Num(t, "y") == y &&
        (color < 0 || t.at("color") == std::to_string(color)))
      return true;
  return false;
}

bool BoxDrawn(const LessonRun& r, int x1, int y1, int x2, int y2, int color) {
  for (const TraceRecord& b : r.Ops("box"))
    if (b.at("form") == "MAINFORM" && b.at("x1") == std::to_string(x1) && b.at("y1") == std::to_string(y1) &&
        b.at("x2") == std::to_string(x2) && b.at("y2") == std::to_string(y2) && b.at("color") == std::to_string(color))
      return true;
  return false;
}

bool Shown(const LessonRun& r, const std::string& form) {
  for (const TraceRecord& s : r.Ops("show"))
    if (s.at("form") == form) return true;
  return false;
}

double Num(const TraceRecord& r, const char* key) { return std::stod(r.at(key)); }

std::vector<TraceRecord> AfterAction(const LessonRun& r, const std::string& line) {
  const auto& t = r.trace();
  std::size_t from = t.size();
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i].at("op") == "action" && t[i].at("line") == line) from = i;
  return {t.begin() + static_cast<std::ptrdiff_t>(std::min(from, t.size())), t.end()};
}

std::vector<TraceRecord> OpsIn(const std::vector<TraceRecord>& records, const std::string& op) {
  std::vector<TraceRecord> out;
  for (const TraceRecord& r : records)
    if (r.at("op") == op) out.push_back(r);
  return out;
}

std::vector<std::string> Drawing(const LessonRun& r, const std::string& line) {
  static const char* const kinds[] = {"text", "print", "box", "line", "circle", "polyline", "picture", "font"};
  std::vector<std::string> out;
  for (const TraceRecord& rec : AfterAction(r, line)) {
    if (std::find(std::begin(kinds), std::end(kinds), rec.at("op")) == std::end(kinds)) continue;
    std::string s;
    for (const auto& [k, v] : rec)
      if (k != "t") s += k + "=" + v + ";";
    out.push_back(s);
  }
  return out;
}

bool SoundsClosedOnce(const LessonRun& r, const std::string& end_text) {
  std::vector<std::string> seq;
  bool started = false;
  for (const TraceRecord& e : r.trace()) {
    if (e.at("op") == "text" && e.at("text") == end_text) break;
    if (e.at("op") != "mci") continue;
    const std::string& c = e.at("command");
    if (c.rfind("open ", 0) == 0) started = true;
    if (started && c.rfind("play ", 0) != 0) seq.push_back(c.rfind("open ", 0) == 0 ? "open" : c);
  }
  for (std::size_t i = 0; i < seq.size(); ++i)
    if (seq[i] != (i % 2 == 0 ? "open" : "close wave1")) return false;
  return seq.size() % 2 == 0;
}

std::optional<Surface> ReadPng(const std::filesystem::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> buf(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr)) return std::nullopt;
  Surface s(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) {
      const png_byte* p = &buf[(static_cast<std::size_t>(y) * image.width + static_cast<std::size_t>(x)) * 3];
      s.Set(x, y, MakePixel(p[0], p[1], p[2]));
    }
  return s;
}

std::optional<Surface> Shot(const LessonRun& r, const std::string& name) {
  return ReadPng(r.site().drive_c.parent_path() / "shots" / name);
}

Clearing ClearedBy(const LessonRun& r, const std::string& line) {
  Clearing c;
  for (const TraceRecord& t : AfterAction(r, line)) {
    if (t.at("op") == "text") break;  // the page module draws
    if (t.at("op") == "settext" && t.at("text").empty()) c.blanked.push_back(t.at("control"));
    if (t.at("op") == "hide") c.hidden.push_back(t.at("form"));
  }
  return c;
}

std::vector<std::string> EditBoxes(int first, int last) {
  std::vector<std::string> boxes;
  for (int k = first; k <= last; ++k) boxes.push_back("EDIT" + std::to_string(k));
  return boxes;
}

}  // namespace ham::testing
