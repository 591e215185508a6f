// A headless run through every page, every paragraph start and every problem
// of each lesson, on the virtual clock. Reports wall time, the time from start
// to the contents page, and peak resident memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "frame/frame.h"
#include "lessons/registry.h"
#include "lessons/resources.h"
#include "platform/backend/headless.h"
#include "platform/program.h"
#include "tests/support/children.h"
#include "tests/support/walk.h"
#include "tools/demo_site.h"


namespace {

using namespace ham;
using namespace ham::frame;
namespace fs = std::filesystem;

std::string Chooser(int page) {
  return "click BMPBUTTON4\ntype EDIT1 " + std::to_string(page) + "\nclick BUTTON1\n";
}

std::string FullScript(const Lesson& l) {
  std::string s;
  for (int p = 1; p < l.LastPage(); ++p) {
    const Page& page = l.pages[static_cast<std::size_t>(p)];
    if (page.kind == PageKind::kExplanation) {
      for (int k = 1; k <= page.explanation.paragraphs; ++k)
        s += Chooser(p) + "type EDIT1 " + std::to_string(k) + "\nclick BUTTON1\n";
    } else if (page.kind == PageKind::kPractice) {
      for (std::size_t n = 1; n <= page.practice.problems.size(); ++n)
        s += Chooser(p) + "type EDIT1 " + std::to_string(n) + "\nclick BUTTON1\nprobe answer\n";
    }
  }
  return s + "click BMPBUTTON7\n";
}

// Answers the problem on screen rightly.
void AnswerShownProblem(Runtime& rt, Frame& frame) {
  const AnswerBar* bar = testing::ShownBar(frame);
  if (!bar) return;
  if (auto typed = testing::RightTyping(frame, *bar)) testing::TypeAndConfirm(rt, frame, *bar, *typed);
}

long PeakKiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  std::string only = argc > 1 ? argv[1] : "";
  testing::AdoptStartedPrograms();
  fs::path dir = fs::temp_directory_path() / ("hamiruta-bench-" + std::to_string(std::random_device{}()));
  std::printf("%-26s %10s %12s %12s %10s\n", "lesson", "wall ms", "contents ms", "virtual s", "peak KiB");
  for (const lessons::LessonEntry& e : lessons::AllLessons()) {
    if (!only.empty() && e.name != only) continue;
    const ResourceTable* resources = lessons::ResourcesOf(e.name);
    if (!resources) continue;
    const Lesson& lesson = e.lesson();
    tools::DemoSite site;
    {
      Runtime scratch;
      site = tools::BuildDemoSite(lesson, dir / e.name / "drive_c");
    }
    auto start = std::chrono::steady_clock::now();
    double contents_ms = 0;
    Runtime rt;
    rt.SetResources(resources);
    rt.SetDriveC(site.drive_c);
    rt.current_folder() = site.lesson;
    auto backend = std::make_unique<HeadlessBackend>(rt);
    HeadlessBackend* b = backend.get();
    std::string error;
    if (!backend->SetScript(FullScript(lesson), &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    backend->on_first_wait = [&] {
      contents_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    rt.SetBackend(std::move(backend));
    Frame frame(lesson);
    b->on_probe = [&](const std::string&) { AnswerShownProblem(rt, frame); };
    int status = RunOn(rt, [&] { frame.Main(); });
    double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-26s %10.1f %12.1f %12.1f %10ld%s\n", e.name.c_str(), wall, contents_ms,
                static_cast<double>(b->Now()) / 100.0, PeakKiB(), status == 0 ? "" : "  (failed)");
  }
  testing::WaitForStartedPrograms();  // the stand-in hosts write into the sites
  std::error_code ec;
  fs::remove_all(dir, ec);
  return 0;
}
