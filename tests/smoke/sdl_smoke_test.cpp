// The real window on an X display: what it shows, and the pupil's mouse,
// keys and input method reaching the runtime.
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/api.h"
#include "platform/backend/sdl.h"
#include "platform/internal.h"
#include "platform/signals.h"

namespace ham {
namespace {

namespace fs = std::filesystem;

// As a lesson program does, before any thread starts.
const bool kSignalsWatched = (WatchCloseSignals(), true);

TEST(SdlFit, KeepsTheDesktopsAspect) {
  EXPECT_EQ(FitDesktop(1212, 873).w, 1212);
  Rect wide = FitDesktop(2000, 873);
  EXPECT_EQ(wide.h, 873);
  EXPECT_EQ(wide.w, 1212);
  EXPECT_EQ(wide.x, (2000 - 1212) / 2);
  Rect tall = FitDesktop(606, 1000);
  EXPECT_EQ(tall.w, 606);
  EXPECT_EQ(tall.h, 436);
  EXPECT_EQ(tall.y, (1000 - 436) / 2);
  int x = 0, y = 0;
  ASSERT_TRUE(DrawableToDesktop(tall, 303, tall.y + 218, &x, &y));
  EXPECT_EQ(x, 606);
  EXPECT_NEAR(y, 436, 1);
  EXPECT_FALSE(DrawableToDesktop(tall, 10, 5, &x, &y));  // in the black band
  EXPECT_FALSE(DrawableToDesktop(FitDesktop(0, 0), 0, 0, &x, &y));
}

// Without a window the tests are skipped, except under CI, where that fails.
bool UnderCi() {
  const char* ci = std::getenv("CI");
  return ci && std::string(ci) == "true";
}

// The display at times refuses a connection made right after another
// closed; a later try gets it.
std::unique_ptr<Backend> OpenWindow(Runtime& rt, std::string* error) {
  std::unique_ptr<Backend> b;
  for (int tries = 0; !b && tries < 3; ++tries) b = MakeSdlBackend(rt, error);
  return b;
}

class SdlWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) {
      if (UnderCi()) FAIL() << "no X display";
      GTEST_SKIP() << "no X display";
    }
    setenv("SDL_VIDEODRIVER", "x11", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string error;
    auto b = OpenWindow(rt_, &error);
    if (!b) {
      if (UnderCi()) FAIL() << "no window: " << error;
      GTEST_SKIP() << "no window: " << error;
    }
    rt_.SetBackend(std::move(b));

    // The main window with a drawn block, and a bar with a button and a box.
    Surface& s = rt_.main_form().surface();
    for (int y = 100; y < 200; ++y)
      for (int x = 100; x < 300; ++x) s.Set(x, y, 0xFF0000);
    auto bar = std::make_unique<Form>("FORM7");
    bar->design = {0, 414, 641, 29};
    auto ok = std::make_unique<Control>();
    ok->kind = ControlKind::kPushButton;
    ok->name = "BUTTON2";
    ok->caption = "O  K";
    ok->rect = {320, 2, 80, 24};
    ok->handlers[EventKind::kOn] = "BUTTON2_ON";
    auto box = std::make_unique<Control>();
    box->kind = ControlKind::kEditBox;
    box->name = "EDIT2";
    box->rect = {128, 2, 120, 24};
    box->handlers[EventKind::kChange] = "EDIT2_CHANGE";
    bar->controls.push_back(std::move(ok));
    bar->controls.push_back(std::move(box));
    bar_ = rt_.AddForm(std::move(bar));
    bar_->visible = true;
    rt_.RegisterProcedure("FE$BUTTON2_ON", [this](Form*) { ++presses_; });
    rt_.RegisterProcedure("FE$EDIT2_CHANGE", [](Form*) {});
    rt_.backend().Present();
  }

  // Drawable point of a desktop point.
  void ToWindow(int dx, int dy, int* wx, int* wy) {
    Surface shot;
    ASSERT_TRUE(ReadBackWindow(rt_.backend(), shot));
    Rect fit = FitDesktop(shot.width(), shot.height());
    *wx = fit.x + dx * fit.w / Runtime::kDesktopWidth;
    *wy = fit.y + dy * fit.h / Runtime::kDesktopHeight;
  }
  void Mouse(Uint32 type, int dx, int dy) {
    int wx = 0, wy = 0;
    ToWindow(dx, dy, &wx, &wy);
    // The pointer goes there too, so that the server's own motion agrees.
    for (Uint32 id = 1; id < 64; ++id)
      if (SDL_Window* w = SDL_GetWindowFromID(id)) {
        SDL_WarpMouseInWindow(w, wx, wy);
        break;
      }
    SDL_Event ev{};
    ev.type = type;
    ev.button.button = SDL_BUTTON_LEFT;
    ev.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    ev.button.x = wx;
    ev.button.y = wy;
    SDL_PushEvent(&ev);
  }
  void Click(int dx, int dy) {
    Mouse(SDL_MOUSEBUTTONDOWN, dx, dy);
    Mouse(SDL_MOUSEBUTTONUP, dx, dy);
  }
  void Key(SDL_Keycode k) {
    SDL_Event ev{};
    ev.type = SDL_KEYDOWN;
    ev.key.state = SDL_PRESSED;
    ev.key.keysym.sym = k;
    SDL_PushEvent(&ev);
  }
  void Text(Uint32 type, const char* utf8) {
    SDL_Event ev{};
    ev.type = type;
    char* dst = type == SDL_TEXTINPUT ? ev.text.text : ev.edit.text;
    SDL_strlcpy(dst, utf8, SDL_TEXTINPUTEVENT_TEXT_SIZE);
    SDL_PushEvent(&ev);
  }
  Control& ok() { return *bar_->Find("BUTTON2"); }
  Control& box() { return *bar_->Find("EDIT2"); }
  int CentreX(const Control& c) { return bar_->left + c.rect.x + c.rect.w / 2; }
  int CentreY(const Control& c) { return bar_->top + c.rect.y + c.rect.h / 2; }

  Runtime rt_;
  Form* bar_ = nullptr;
  int presses_ = 0;
};

TEST_F(SdlWindow, ShowsTheComposedDesktop) {
  Surface composed;
  rt_.Compose(composed);
  Surface shot;
  ASSERT_TRUE(ReadBackWindow(rt_.backend(), shot));
  ASSERT_GT(shot.width(), 0);
  std::set<Pixel> colours;
  for (int y = 0; y < shot.height(); y += 3)
    for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.Get(x, y));
  EXPECT_GE(colours.size(), 4u);
  EXPECT_TRUE(colours.count(0xFF0000));
  if (shot.width() == Runtime::kDesktopWidth && shot.height() == Runtime::kDesktopHeight) {
    int differ = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) differ += shot.Get(x, y) != composed.Get(x, y);
    EXPECT_EQ(differ, 0);
  }
  const char* bin = std::getenv("HAM_BINARY_DIR");
  fs::path png = fs::path(bin ? bin : ".") / "sdl_smoke.png";
  fs::remove(png);
  ASSERT_TRUE(detail::WritePng(shot, png));
  EXPECT_GT(fs::file_size(png), 1000u);
}

TEST_F(SdlWindow, ButtonActsWhenReleasedOverIt) {
  Mouse(SDL_MOUSEBUTTONDOWN, CentreX(ok()), CentreY(ok()));
  rt_.backend().Wait(2);
  EXPECT_TRUE(ok().pressed);
  EXPECT_FALSE(rt_.HasHeldEvents());
  Mouse(SDL_MOUSEBUTTONUP, CentreX(ok()) + 10, CentreY(ok()));
  rt_.backend().WaitForAction();
  EXPECT_FALSE(ok().pressed);
  FmWaitEvent();
  EXPECT_EQ(presses_, 1);

  // Released elsewhere: nothing.
  Mouse(SDL_MOUSEBUTTONDOWN, CentreX(ok()), CentreY(ok()));
  Mouse(SDL_MOUSEBUTTONUP, 5, 5);
  rt_.backend().Wait(2);
  EXPECT_FALSE(ok().pressed);
  EXPECT_FALSE(rt_.HasHeldEvents());
}

TEST_F(SdlWindow, TypingWithAnInputMethod) {
  Click(CentreX(box()), CentreY(box()));
  rt_.backend().Wait(1);
  EXPECT_EQ(rt_.focus(), &box());
  Text(SDL_TEXTEDITING, "ご");
  rt_.backend().Wait(1);
  EXPECT_EQ(box().preedit, "ご");
  Key(SDLK_BACKSPACE);  // the input method's while it composes
  Text(SDL_TEXTINPUT, "５");
  Text(SDL_TEXTINPUT, "4");
  rt_.backend().Wait(1);
  EXPECT_EQ(box().text, "５4");
  EXPECT_TRUE(box().preedit.empty());
  Key(SDLK_LEFT);
  Key(SDLK_BACKSPACE);
  rt_.backend().Wait(1);
  EXPECT_EQ(box().text, "4");
  // A click at the box's left edge puts the caret first.
  Click(bar_->left + box().rect.x + 2, CentreY(box()));
  rt_.backend().Wait(1);
  EXPECT_EQ(box().caret, 0);
  EXPECT_TRUE(rt_.HasHeldEvents());  // each change is one action
}

TEST_F(SdlWindow, MessageBoxIsModal) {
  MessageBoxState& mb = rt_.message_box();
  mb.open = true;
  mb.caption = "ハミルタ";
  mb.text = "その番号はありません！";
  // The OK the window takes clicks on is where the box's button is drawn.
  const Rect r = detail::MessageBoxLayoutOf(rt_).ok;
  Surface shot;
  ASSERT_TRUE(ReadBackWindow(rt_.backend(), shot));
  if (shot.width() == Runtime::kDesktopWidth) {
    EXPECT_EQ(shot.Get(r.x, r.y), 0xFFFFFFu);
    EXPECT_EQ(shot.Get(r.x + r.w - 1, r.y + r.h - 1), 0x000000u);
    EXPECT_EQ(shot.Get(r.x - 1, r.y), 0xC0C0C0u);
  }
  // Clicks beside it, and on the controls below, do nothing.
  Click(r.x - 20, r.y + r.h / 2);
  Click(CentreX(ok()), CentreY(ok()));
  Click(CentreX(box()), CentreY(box()));
  rt_.backend().Wait(2);
  EXPECT_TRUE(mb.open);
  EXPECT_FALSE(rt_.HasHeldEvents());
  EXPECT_NE(rt_.focus(), &box());
  Click(r.x + r.w / 2, r.y + r.h / 2);
  rt_.backend().RunMessageBox();
  EXPECT_FALSE(mb.open);

  Key(SDLK_RETURN);
  FmMessageBox(nullptr, "ハミルタ", "その段落はありません！");  // returns once Return is taken
  EXPECT_FALSE(mb.open);
}

TEST_F(SdlWindow, PausesRunOnTheClockAndClosingEndsThemAtOnce) {
  int closes = 0;
  rt_.on_window_close = [&] { ++closes; };
  // A click is held and keeps the pause.
  Click(CentreX(ok()), CentreY(ok()));
  std::int64_t t0 = rt_.Now();
  // The pause runs on a clock finer than the millisecond ticks.
  const Uint64 c0 = SDL_GetPerformanceCounter();
  rt_.backend().Wait(20);
  EXPECT_GE((SDL_GetPerformanceCounter() - c0) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency()), 200.0);
  EXPECT_GE(rt_.Now() - t0, 19);
  EXPECT_TRUE(rt_.HasHeldEvents());
  EXPECT_EQ(closes, 0);

  // Closing the window ends a pause of a quarter of an hour at once, and
  // every pause after it.
  SDL_Event ev{};
  ev.type = SDL_WINDOWEVENT;
  ev.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&ev);
  const Uint64 ms0 = SDL_GetTicks64();
  rt_.backend().Wait(90000);
  rt_.backend().Wait(90000);
  EXPECT_LT(SDL_GetTicks64() - ms0, 5000u);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(rt_.closing());
}

TEST_F(SdlWindow, CloseSignalsEndAPauseAtOnce) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    Runtime rt;
    std::string error;
    auto b = OpenWindow(rt, &error);
    ASSERT_TRUE(b) << error;
    rt.SetBackend(std::move(b));
    int closes = 0;
    rt.on_window_close = [&] { ++closes; };
    // The signal comes while the program pauses.
    SDL_TimerID timer = SDL_AddTimer(
        100, [](Uint32, void* s) -> Uint32 { kill(getpid(), *static_cast<int*>(s)); return 0; }, &sig);
    Uint64 ms0 = SDL_GetTicks64();
    rt.backend().Wait(90000);
    EXPECT_LT(SDL_GetTicks64() - ms0, 5000u) << sig;
    EXPECT_EQ(closes, 1) << sig;
    SDL_RemoveTimer(timer);
  }
}

TEST_F(SdlWindow, SoundIsConvertedAPieceAtATime) {
  if (!SDL_GetCurrentAudioDriver()) GTEST_SKIP() << "no sound device";
  // A minute at 8000 Hz: converted whole it would be a minute queued.
  auto clip = std::make_shared<SoundClip>();
  clip->rate = 8000;
  clip->samples.assign(8000 * 60, 1000);
  rt_.backend().PlaySound(clip);
  EXPECT_TRUE(rt_.backend().SoundPlaying());
  const std::size_t second = 44100 * 2 * 2;  // at most the device's richest format
  EXPECT_GT(QueuedSoundBytes(rt_.backend()), 0u);
  EXPECT_LT(QueuedSoundBytes(rt_.backend()), second);
  // Fed while the program waits.
  rt_.backend().Wait(60);
  EXPECT_GT(QueuedSoundBytes(rt_.backend()), 0u);
  EXPECT_LT(QueuedSoundBytes(rt_.backend()), second);
  EXPECT_TRUE(rt_.backend().SoundPlaying());
  rt_.backend().StopSound();
  EXPECT_FALSE(rt_.backend().SoundPlaying());
  EXPECT_EQ(QueuedSoundBytes(rt_.backend()), 0u);
  // A clip of one frame a second asks for much sound from little data.
  clip->rate = 1;
  clip->samples.assign(8000, 1000);
  rt_.backend().PlaySound(clip);
  EXPECT_LT(QueuedSoundBytes(rt_.backend()), 4 * second);
  rt_.backend().StopSound();
}

}  // namespace
}  // namespace ham
