// Pauses in the window: the divisors lesson runs its explanation pages in a
// real window (a virtual display when there is none) while a stand-in pupil
// opens them; every pause is timed on the real clock against its N x 10 ms.
// Pauses longer than 300 ms are cut to 300 ms so that the run stays short.
// Prints the median and the maximum overshoot.
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "lessons/divisors/lesson.h"
#include "platform/backend/sdl.h"
#include "platform/program.h"
#include "tests/support/children.h"
#include "tools/demo_site.h"

const ham::ResourceTable& DivisorsResources();

namespace {

using namespace ham;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::int64_t kLongest = 30;   // units a pause is cut to
constexpr std::size_t kSamples = 120;

// The window backend, with the pupil's actions given in turn and each pause
// timed.
class TimedBackend : public Backend {
 public:
  TimedBackend(Runtime& rt, std::unique_ptr<Backend> inner, std::deque<std::function<void()>> actions)
      : rt_(rt), inner_(std::move(inner)), actions_(std::move(actions)) {}
  bool headless() const override { return false; }
  std::int64_t Now() override { return inner_->Now(); }
  void Wait(std::int64_t units) override {
    units = std::min(units, kLongest);
    auto start = Clock::now();
    inner_->Wait(units);
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!rt_.closing()) overshoot.push_back(ms - static_cast<double>(units) * 10.0);
    if (overshoot.size() >= kSamples && !rt_.closing()) rt_.CloseWindow();
  }
  void WaitForAction() override {
    if (actions_.empty() || overshoot.size() >= kSamples) {
      rt_.CloseWindow();
      if (rt_.HasHeldEvents()) return;
      inner_->WaitForAction();
      return;
    }
    auto act = std::move(actions_.front());
    actions_.pop_front();
    inner_->Present();
    act();
  }
  void RunMessageBox() override { rt_.CloseMessageBox(); }
  void Present() override { inner_->Present(); }
  void PlaySound(std::shared_ptr<const SoundClip> clip) override { inner_->PlaySound(std::move(clip)); }
  void StopSound() override { inner_->StopSound(); }
  bool SoundPlaying() override { return inner_->SoundPlaying(); }

  std::vector<double> overshoot;

 private:
  Runtime& rt_;
  std::unique_ptr<Backend> inner_;
  std::deque<std::function<void()>> actions_;
};

// Runs the program again on a virtual display when there is no display.
void OnADisplay(char** argv) {
  if (std::getenv("DISPLAY") || std::getenv("HAM_BENCH_XVFB")) return;
  setenv("HAM_BENCH_XVFB", "1", 1);
  std::vector<const char*> args = {"xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", argv[0], nullptr};
  execvp("xvfb-run", const_cast<char* const*>(args.data()));
  std::perror("xvfb-run");
  std::exit(1);
}

}  // namespace

int main(int, char** argv) {
  OnADisplay(argv);
  testing::AdoptStartedPrograms();
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const frame::Lesson& lesson = lessons::DivisorsLesson();
  fs::path dir = fs::temp_directory_path() / ("hamiruta-pauses-" + std::to_string(std::random_device{}()));
  tools::DemoSite site;
  {
    Runtime scratch;
    site = tools::BuildDemoSite(lesson, dir / "drive_c");
  }
  Runtime rt;
  rt.SetResources(&DivisorsResources());
  rt.SetDriveC(site.drive_c);
  rt.current_folder() = site.lesson;
  std::string error;
  auto window = MakeSdlBackend(rt, &error);
  if (!window) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  // Each explanation page from its first paragraph, through the chooser.
  std::deque<std::function<void()>> actions;
  auto press = [&rt](const char* name) {
    return [&rt, name] { rt.PressControl(*rt.FindControl(name)); };
  };
  for (int p = 1; p < lesson.LastPage(); ++p) {
    if (lesson.pages[static_cast<std::size_t>(p)].kind != frame::PageKind::kExplanation) continue;
    actions.push_back(press("BMPBUTTON4"));
    actions.push_back([&rt, p] { rt.TypeText(*rt.FindControl("EDIT1"), std::to_string(p)); });
    actions.push_back(press("BUTTON1"));
    actions.push_back([&rt] { rt.TypeText(*rt.FindControl("EDIT1"), "1"); });
    actions.push_back(press("BUTTON1"));
  }
  auto timed = std::make_unique<TimedBackend>(rt, std::move(window), std::move(actions));
  TimedBackend* t = timed.get();
  rt.SetBackend(std::move(timed));
  frame::Frame frame(lesson);
  int status = RunOn(rt, [&] { frame.Main(); });
  std::vector<double> o = t->overshoot;
  testing::WaitForStartedPrograms();  // the stand-in host writes into the site
  std::error_code ec;
  fs::remove_all(dir, ec);
  if (o.empty()) {
    std::fprintf(stderr, "no pauses measured (status %d)\n", status);
    return 1;
  }
  std::sort(o.begin(), o.end());
  double median = o.size() % 2 ? o[o.size() / 2] : (o[o.size() / 2 - 1] + o[o.size() / 2]) / 2;
  std::printf("window pauses: %zu, overshoot over N x 10 ms: median %.2f ms, max %.2f ms, min %.2f ms\n", o.size(),
              median, o.back(), o.front());
  return 0;
}
