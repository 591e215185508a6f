#include "platform/backend/sdl.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/signals.h"

namespace ham {

Rect FitDesktop(int out_w, int out_h) {
  constexpr int dw = Runtime::kDesktopWidth, dh = Runtime::kDesktopHeight;
  if (out_w <= 0 || out_h <= 0) return {0, 0, 0, 0};
  int w = out_w, h = static_cast<int>(static_cast<long long>(out_w) * dh / dw);
  if (h > out_h) {
    h = out_h;
    w = static_cast<int>(static_cast<long long>(out_h) * dw / dh);
  }
  w = std::max(w, 1);
  h = std::max(h, 1);
  return {(out_w - w) / 2, (out_h - h) / 2, w, h};
}

bool DrawableToDesktop(const Rect& fit, double x, double y, int* dx, int* dy) {
  if (fit.w <= 0 || fit.h <= 0) return false;
  double fx = (x - fit.x) * Runtime::kDesktopWidth / fit.w;
  double fy = (y - fit.y) * Runtime::kDesktopHeight / fit.h;
  int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  if (ix < 0 || iy < 0 || ix >= Runtime::kDesktopWidth || iy >= Runtime::kDesktopHeight) return false;
  *dx = ix;
  *dy = iy;
  return true;
}

namespace {
constexpr const char* kTitle = "ハミルタ";

// Why no display was found: the displays the environment names, which could
// not be opened, or that it names none.
std::string NoDisplayReason() {
  std::vector<std::string> named;
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* v = SDL_getenv(variable); v && *v) named.push_back(std::string(variable) + "=" + v);
  if (named.empty()) return "neither DISPLAY nor WAYLAND_DISPLAY is set";
  if (named.size() == 1) return "the display " + named[0] + " cannot be opened";
  return "neither the display " + named[0] + " nor " + named[1] + " can be opened";
}

class SdlBackend : public Backend {
 public:
  explicit SdlBackend(Runtime& rt) : rt_(rt) {}
  ~SdlBackend() override;

  bool Open(std::string* error);

  bool headless() const override { return false; }
  std::int64_t Now() override { return static_cast<std::int64_t>((SDL_GetTicks64() - start_ms_) / 10); }
  void Wait(std::int64_t units) override;
  void WaitForAction() override;
  void RunMessageBox() override;
  void Present() override;
  void PlaySound(std::shared_ptr<const SoundClip> clip) override;
  void StopSound() override;
  bool SoundPlaying() override;
  void ShowFatal(const std::string& text) override;

  bool ReadBack(Surface& out);
  std::size_t QueuedSound() { return audio_ ? SDL_GetQueuedAudioSize(audio_) : 0; }
  bool no_display() const { return no_display_; }

 private:
  void Handle(const SDL_Event& ev);
  void Drain();
  void Render();
  void Refresh();
  // One round of a wait loop: the sound fed, signals looked at, then events
  // for at most `timeout_ms` (-1: until one comes, or the sound needs more).
  void Pump(int timeout_ms);
  void PollSignals();
  void FeedSound();
  void EndFeed();
  std::optional<DesktopPoint> ToDesktop(int wx, int wy);
  void KeyDown(const SDL_KeyboardEvent& k);
  void PlaceInputRect();

  Runtime& rt_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_AudioDeviceID audio_ = 0;
  SDL_AudioSpec audio_spec_{};
  bool video_up_ = false;
  bool audio_up_ = false;
  Uint64 start_ms_ = 0;
  bool no_display_ = false;
  Surface screen_;                  // the composed desktop, as uploaded
  std::vector<std::size_t> marks_;  // a fingerprint of each uploaded row
  bool dirty_ = true;               // the desktop may have changed
  int signals_seen_ = CloseSignalCount();
  // The sound being converted for the device, a piece at a time.
  std::shared_ptr<const SoundClip> clip_;
  SDL_AudioStream* stream_ = nullptr;
  std::size_t next_sample_ = 0;
  std::vector<std::uint8_t> converted_;
};

SdlBackend::~SdlBackend() {
  SetCloseSignalWake(nullptr);
  EndFeed();
  if (audio_) SDL_CloseAudioDevice(audio_);
  if (audio_up_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (video_up_) {
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
}

bool SdlBackend::Open(std::string* error) {
  auto fail = [&](const char* what) {
    if (error) *error = std::string(what) + ": " + SDL_GetError();
    return false;
  };
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
  SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
  // Close signals are the program's own (signals.h).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  auto no_display = [&] {
    no_display_ = true;
    if (error) *error = "no display: the lesson's window cannot be shown (" + NoDisplayReason() + ")";
    return false;
  };
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    // No driver asked for, and none could start: there is no display to use.
    if (!(asked && *asked)) return no_display();
    return fail("cannot start the video system");
  }
  video_up_ = true;
  // Without a display SDL falls back to drivers that show nothing.
  std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if ((driver == "offscreen" || driver == "dummy") && !(asked && *asked)) return no_display();

  constexpr int dw = Runtime::kDesktopWidth, dh = Runtime::kDesktopHeight;
  int w = dw, h = dh;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
    // Leave room for the window's frame.
    double scale = std::min({1.0, (usable.w - 16) / static_cast<double>(dw), (usable.h - 48) / static_cast<double>(dh)});
    scale = std::max(scale, 0.25);
    w = static_cast<int>(std::lround(dw * scale));
    h = static_cast<int>(std::lround(dh * scale));
  }
  window_ = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, SDL_WINDOW_RESIZABLE);
  if (!window_) return fail("cannot open the window");
  SDL_SetWindowMinimumSize(window_, dw / 4, dh / 4);
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) return fail("cannot draw in the window");
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, dw, dh);
  if (!texture_) return fail("cannot make the screen texture");
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  SDL_StartTextInput();

  // Sound is welcome but not required.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    audio_up_ = true;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    audio_ = SDL_OpenAudioDevice(nullptr, 0, &want, &audio_spec_,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (audio_) SDL_PauseAudioDevice(audio_, 0);
  }
  start_ms_ = SDL_GetTicks64();
  SetCloseSignalWake([] {
    SDL_Event ev{};
    ev.type = SDL_USEREVENT;
    SDL_PushEvent(&ev);
  });
  Present();
  return true;
}

// ----- screen --------------------------------------------------------------------

// Uploads and shows only the rows that changed since the last upload, and
// nothing when none did; the rows are told apart by fingerprints, so that
// one copy of the desktop is kept.
void SdlBackend::Present() {
  rt_.Compose(screen_);
  dirty_ = false;
  const int w = std::min(screen_.width(), Runtime::kDesktopWidth);
  const int h = std::min(screen_.height(), Runtime::kDesktopHeight);
  const std::size_t row_bytes = sizeof(Pixel) * static_cast<std::size_t>(std::max(w, 0));
  const bool fresh = marks_.size() != static_cast<std::size_t>(std::max(h, 0));
  if (fresh) marks_.assign(static_cast<std::size_t>(std::max(h, 0)), 0);
  int first = -1, last = -1;
  for (int y = 0; y < h; ++y) {
    std::size_t mark =
        std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(screen_.Row(y)), row_bytes));
    if (fresh || mark != marks_[static_cast<std::size_t>(y)]) {
      marks_[static_cast<std::size_t>(y)] = mark;
      if (first < 0) first = y;
      last = y;
    }
  }
  PlaceInputRect();
  if (first < 0) return;
  SDL_Rect r{0, first, w, last - first + 1};
  SDL_UpdateTexture(texture_, &r, screen_.Row(first), screen_.width() * static_cast<int>(sizeof(Pixel)));
  Render();
}

void SdlBackend::Refresh() {
  if (dirty_) Present();
}

void SdlBackend::Render() {
  int ow = 0, oh = 0;
  SDL_GetRendererOutputSize(renderer_, &ow, &oh);
  Rect fit = FitDesktop(ow, oh);
  // Crisp pixels at full size and above, smooth when shrunk.
  SDL_SetTextureScaleMode(texture_, fit.w >= Runtime::kDesktopWidth ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_Rect dst{fit.x, fit.y, fit.w, fit.h};
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

bool SdlBackend::ReadBack(Surface& out) {
  Present();
  int ow = 0, oh = 0;
  SDL_GetRendererOutputSize(renderer_, &ow, &oh);
  Rect fit = FitDesktop(ow, oh);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_Rect dst{fit.x, fit.y, fit.w, fit.h};
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  out.Reset(ow, oh);
  if (ow <= 0 || oh <= 0) return false;
  if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, out.Row(0),
                           ow * static_cast<int>(sizeof(Pixel))) != 0)
    return false;
  for (int y = 0; y < oh; ++y)
    for (int x = 0; x < ow; ++x) out.Row(y)[x] &= 0xFFFFFF;
  SDL_RenderPresent(renderer_);
  return true;
}

std::optional<DesktopPoint> SdlBackend::ToDesktop(int wx, int wy) {
  int ww = 0, wh = 0, ow = 0, oh = 0;
  SDL_GetWindowSize(window_, &ww, &wh);
  SDL_GetRendererOutputSize(renderer_, &ow, &oh);
  if (ww <= 0 || wh <= 0) return std::nullopt;
  // Window points to drawable pixels (they differ on high-density screens).
  double px = (wx + 0.5) * ow / ww, py = (wy + 0.5) * oh / wh;
  DesktopPoint p;
  if (!DrawableToDesktop(FitDesktop(ow, oh), px, py, &p.x, &p.y)) return std::nullopt;
  return p;
}

void SdlBackend::PlaceInputRect() {
  Control* box = rt_.focused_box();
  if (!box || !box->form) return;
  int ww = 0, wh = 0, ow = 0, oh = 0;
  SDL_GetWindowSize(window_, &ww, &wh);
  SDL_GetRendererOutputSize(renderer_, &ow, &oh);
  if (ow <= 0 || oh <= 0) return;
  Rect fit = FitDesktop(ow, oh);
  auto wxf = [&](int x) { return static_cast<int>((fit.x + static_cast<double>(x) * fit.w / Runtime::kDesktopWidth) * ww / ow); };
  auto wyf = [&](int y) { return static_cast<int>((fit.y + static_cast<double>(y) * fit.h / Runtime::kDesktopHeight) * wh / oh); };
  int x0 = box->form->left + box->rect.x, y0 = box->form->top + box->rect.y;
  SDL_Rect r{wxf(x0), wyf(y0), std::max(1, wxf(x0 + box->rect.w) - wxf(x0)),
             std::max(1, wyf(y0 + box->rect.h) - wyf(y0))};
  SDL_SetTextInputRect(&r);
}

// ----- input ---------------------------------------------------------------------

void SdlBackend::KeyDown(const SDL_KeyboardEvent& k) {
  Key key;
  switch (k.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: key = Key::kReturn; break;
    case SDLK_TAB: key = Key::kTab; break;
    case SDLK_BACKSPACE: key = Key::kBackspace; break;
    case SDLK_DELETE: key = Key::kDelete; break;
    case SDLK_LEFT: key = Key::kLeft; break;
    case SDLK_RIGHT: key = Key::kRight; break;
    case SDLK_HOME: key = Key::kHome; break;
    case SDLK_END: key = Key::kEnd; break;
    case SDLK_ESCAPE: key = Key::kEscape; break;
    default: return;
  }
  // A held Return or Escape acts once.
  if (k.repeat && (key == Key::kReturn || key == Key::kEscape)) return;
  rt_.PressKey(key);
  dirty_ = true;
}

// Events become the runtime's pupil actions; the runtime keeps their rules.
void SdlBackend::Handle(const SDL_Event& ev) {
  switch (ev.type) {
    case SDL_QUIT:
      rt_.CloseWindow();
      dirty_ = true;
      break;
    case SDL_USEREVENT:  // a close signal's wake-up
      PollSignals();
      break;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_CLOSE) {
        rt_.CloseWindow();
        dirty_ = true;
      } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED || ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Render();
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (ev.button.button != SDL_BUTTON_LEFT) break;
      if (auto p = ToDesktop(ev.button.x, ev.button.y); p && rt_.PointerDown(*p)) Present();
      break;
    case SDL_MOUSEBUTTONUP:
      if (ev.button.button == SDL_BUTTON_LEFT && rt_.PointerUp(ToDesktop(ev.button.x, ev.button.y))) dirty_ = true;
      break;
    case SDL_MOUSEMOTION:
      if (rt_.pressed_control() && rt_.PointerMove(ToDesktop(ev.motion.x, ev.motion.y))) dirty_ = true;
      break;
    case SDL_KEYDOWN:
      KeyDown(ev.key);
      break;
    case SDL_TEXTINPUT:
      if (rt_.TypeInFocus(ev.text.text)) dirty_ = true;
      break;
    case SDL_TEXTEDITING:
      if (rt_.SetPreedit(ev.edit.text)) dirty_ = true;
      break;
    case SDL_TEXTEDITING_EXT:
      if (rt_.SetPreedit(ev.editExt.text ? ev.editExt.text : "")) dirty_ = true;
      SDL_free(ev.editExt.text);
      break;
    default:
      break;
  }
}

void SdlBackend::Drain() {
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) Handle(ev);
}

// ----- waiting -------------------------------------------------------------------

namespace {
// While a sound is fed the loops wake at least this often.
constexpr int kFeedMs = 50;
}  // namespace

void SdlBackend::PollSignals() {
  int count = CloseSignalCount();
  if (count == signals_seen_) return;
  signals_seen_ = count;
  rt_.CloseWindow();
  dirty_ = true;
}

void SdlBackend::Pump(int timeout_ms) {
  FeedSound();
  PollSignals();
  if (stream_ && (timeout_ms < 0 || timeout_ms > kFeedMs)) timeout_ms = kFeedMs;
  SDL_Event ev;
  int got = timeout_ms < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, timeout_ms);
  if (got) {
    Handle(ev);
    Drain();
    Refresh();
  } else if (timeout_ms < 0) {
    SDL_Delay(10);  // the event system failed: do not spin
  }
}

// The pause is measured from the call: the deadline is taken before the
// screen is presented, so presenting is part of the pause, not added to it.
// Closing ends it at once; the pupil's actions are held and keep it going.
void SdlBackend::Wait(std::int64_t units) {
  const Uint64 freq = SDL_GetPerformanceFrequency();
  const Uint64 start = SDL_GetPerformanceCounter();
  const Uint64 span = static_cast<Uint64>(std::clamp<std::int64_t>(units, 0, std::int64_t{1} << 36)) * freq / 100;
  const Uint64 until = start + span;
  Present();
  for (;;) {
    PollSignals();
    if (rt_.closing()) break;
    const Uint64 now = SDL_GetPerformanceCounter();
    if (now >= until) break;
    const Uint64 left_us = (until - now) * 1000000 / freq;
    if (left_us < 1000) {
      // The last part of a millisecond, more finely than events can wait.
      std::this_thread::sleep_for(std::chrono::microseconds(left_us));
      continue;
    }
    Pump(static_cast<int>(std::min<Uint64>(left_us / 1000, 1000)));
  }
  Drain();
}

void SdlBackend::WaitForAction() {
  Present();
  while (!rt_.HasHeldEvents()) Pump(-1);
}

void SdlBackend::RunMessageBox() {
  Present();
  while (rt_.message_box().open) Pump(-1);
}

// ----- sound ---------------------------------------------------------------------

// The clip is converted to the device's format a piece at a time while the
// program waits, so that a long or odd clip never holds the window: each
// piece is 50 ms of the clip (at least one frame), and the device is kept
// about half a second ahead.
void SdlBackend::PlaySound(std::shared_ptr<const SoundClip> clip) {
  StopSound();
  if (!audio_ || !clip || clip->samples.empty() || clip->rate <= 0 || clip->channels <= 0 || clip->channels > 2)
    return;
  stream_ = SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(clip->channels), clip->rate, audio_spec_.format,
                               audio_spec_.channels, audio_spec_.freq);
  if (!stream_) return;
  clip_ = std::move(clip);
  next_sample_ = 0;
  FeedSound();
}

void SdlBackend::FeedSound() {
  if (!stream_) return;
  const Uint32 ahead = static_cast<Uint32>(audio_spec_.freq) * audio_spec_.channels * SDL_AUDIO_BITSIZE(audio_spec_.format) / 8 / 2;
  const std::vector<std::int16_t>& samples = clip_->samples;
  const std::size_t channels = static_cast<std::size_t>(clip_->channels);
  const std::size_t piece = std::max<std::size_t>(1, static_cast<std::size_t>(clip_->rate) / 20) * channels;
  for (int round = 0; round < 16 && SDL_GetQueuedAudioSize(audio_) < ahead; ++round) {
    if (next_sample_ < samples.size()) {
      std::size_t n = std::min(piece, samples.size() - next_sample_);
      bool ok = SDL_AudioStreamPut(stream_, samples.data() + next_sample_, static_cast<int>(n * sizeof(std::int16_t))) == 0;
      next_sample_ += n;
      if (ok && next_sample_ >= samples.size()) ok = SDL_AudioStreamFlush(stream_) == 0;
      if (!ok) {
        EndFeed();
        return;
      }
    }
    int avail = SDL_AudioStreamAvailable(stream_);
    if (avail > 0) {
      converted_.resize(static_cast<std::size_t>(avail));
      int got = SDL_AudioStreamGet(stream_, converted_.data(), avail);
      if (got > 0) SDL_QueueAudio(audio_, converted_.data(), static_cast<Uint32>(got));
    } else if (next_sample_ >= samples.size()) {
      EndFeed();  // all of it is queued
      return;
    }
  }
}

void SdlBackend::EndFeed() {
  if (stream_) SDL_FreeAudioStream(stream_);
  stream_ = nullptr;
  clip_.reset();
  next_sample_ = 0;
  converted_.clear();
  converted_.shrink_to_fit();
}

void SdlBackend::StopSound() {
  EndFeed();
  if (audio_) SDL_ClearQueuedAudio(audio_);
}

bool SdlBackend::SoundPlaying() { return audio_ && (stream_ || SDL_GetQueuedAudioSize(audio_) > 0); }

void SdlBackend::ShowFatal(const std::string& text) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kTitle, text.c_str(), window_);
}

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend(Runtime& rt, std::string* error, bool* no_display) {
  auto b = std::make_unique<SdlBackend>(rt);
  if (!b->Open(error)) {
    if (no_display) *no_display = b->no_display();
    return nullptr;
  }
  return b;
}

bool ReadBackWindow(Backend& backend, Surface& out) {
  auto* b = dynamic_cast<SdlBackend*>(&backend);
  return b && b->ReadBack(out);
}

}  // namespace ham

namespace ham {
std::size_t QueuedSoundBytes(Backend& backend) {
  auto* b = dynamic_cast<SdlBackend*>(&backend);
  return b ? b->QueuedSound() : 0;
}
}  // namespace ham
