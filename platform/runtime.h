// The runtime context every Fm/Rt operation acts on: forms, events, files,
// sound, clock and trace. A program creates one at start; a test creates its own.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/codecs.h"
#include "platform/forms.h"
#include "platform/trace.h"

namespace ham {

class Runtime;
class FormResource;

// Thrown by RtEnd and by the fatal error report; caught by RunProgram.
struct ProgramExit {
  int status = 0;
};

// A form resource compiled into the program: its name and bytes.
struct ResourceEntry {
  std::string_view type;  // "RCDATA" or "BITMAP"
  std::string_view name;
  const unsigned char* data;
  std::size_t size;
};
using ResourceTable = std::vector<ResourceEntry>;

// What a backend does for the runtime: time, waiting, input, sound, showing.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual bool headless() const = 0;
  // Clock in pause units since start.
  virtual std::int64_t Now() = 0;
  // Pauses for the given units; pupil input arriving meanwhile is handed to
  // the runtime (held, not run). Keeps the screen painted.
  virtual void Wait(std::int64_t units) = 0;
  // Blocks until the runtime holds at least one pupil action.
  virtual void WaitForAction() = 0;
  // Blocks while the runtime's message box is open.
  virtual void RunMessageBox() = 0;
  // The composed screen changed.
  virtual void Present() {}
  // Sound through the backend's output.
  virtual void PlaySound(std::shared_ptr<const SoundClip> clip) = 0;
  virtual void StopSound() = 0;
  virtual bool SoundPlaying() = 0;
  // Shows a fatal error to the pupil before the program ends.
  virtual void ShowFatal(const std::string& text) { (void)text; }
};

struct HeldEvent {
  Form* form = nullptr;        // form-level event when control is null
  Control* control = nullptr;
  EventKind kind = EventKind::kOn;
  std::string handler;         // declared handler name
};

struct MessageBoxState {
  bool open = false;
  std::string caption;
  std::string text;
};

using EventProcedure = std::function<void(Form*)>;
using SubProcedure = std::function<void()>;

enum class Key { kReturn, kTab, kBackspace, kDelete, kLeft, kRight, kHome, kEnd, kEscape };

class Runtime {
 public:
  Runtime();
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  static Runtime& Current();
  static Runtime* CurrentOrNull();

  // --- set-up ---
  void SetBackend(std::unique_ptr<Backend> backend);
  Backend& backend() { return *backend_; }
  Backend* backend_ptr() { return backend_.get(); }
  void SetResources(const ResourceTable* table) { resources_ = table; }
  const ResourceTable* resources() const { return resources_; }
  Trace& trace() { return trace_; }
  std::int64_t Now() { return backend_ ? backend_->Now() : 0; }

  // Event procedures by name ("FE$BUTTON1_ON"); subs by name, case-insensitive.
  void RegisterProcedure(const std::string& name, EventProcedure proc);
  void RegisterSub(const std::string& name, SubProcedure sub);
  bool HasProcedure(const std::string& name) const;
  void CallSub(std::string_view name, std::source_location loc);

  // What closing the window does; default ends the program.
  std::function<void()> on_window_close;

  // --- forms ---
  Form& main_form() { return *main_form_; }
  Form* FindForm(std::string_view name);
  std::vector<Form*> Forms();                   // loaded, in load order
  std::vector<Form*> FormsBottomToTop();        // visible stacking order
  Control* FindControl(std::string_view name);  // on any loaded form
  Form* LoadForm(std::string_view name, bool as_main, std::source_location loc);
  // Adds a form built by hand (tests), hidden, as if loaded.
  Form* AddForm(std::unique_ptr<Form> form);
  void Raise(Form& f);
  Control* focus() const { return focus_; }
  void SetFocus(Control* c);
  // The desktop all forms stand on.
  static constexpr int kDesktopWidth = 1212;
  static constexpr int kDesktopHeight = 873;
  // Composes the visible forms and their controls.
  void Compose(Surface& out);
  // Topmost visible form and control under a desktop point.
  Form* FormAt(int x, int y);
  Control* ControlAt(Form& f, int x, int y);

  // --- pupil actions (from a backend) ---
  void Hold(HeldEvent ev);            // marks the pending state
  // What a control does when clicked: a button or label acts, a box takes
  // the focus; nothing while disabled or under the message box.
  void PressControl(Control& c);
  void MouseDownOnForm(Form& f);
  void TypeText(Control& box, std::string_view utf8);  // one change per character
  void PressKey(Key k);               // in the focused control
  // The pointer at desktop points, none when off the desktop. A button held
  // down shows pressed while the pointer is over it and acts when released
  // over it; a box takes the focus and the caret at the nearest character;
  // a press beside the controls is the form's. While the message box is
  // open only its OK takes the pointer. Each returns true when the screen
  // shows something new.
  bool PointerDown(DesktopPoint p);
  bool PointerMove(std::optional<DesktopPoint> p);
  bool PointerUp(std::optional<DesktopPoint> p);
  // A click aimed at a control, as a script clicks: pressed and released
  // over it wherever it stands, on a hidden form or under another.
  void ClickControl(Control& c);
  // Lets go of a held button without acting.
  void CancelPress();
  Control* pressed_control() const { return pressed_; }
  // The focused control when it is an edit box.
  Control* focused_box() const;
  // Text the input method gives the focused box, and what it composes.
  bool TypeInFocus(std::string_view utf8);
  bool SetPreedit(std::string_view utf8);
  // The window's own close control, or a close signal: the pupil pressing
  // the exit button. From then on the program is closing: every wait ends at
  // once and no message box waits, so that the exit follows at once.
  void CloseWindow();
  bool closing() const { return closing_; }
  bool HasHeldEvents() const { return !held_.empty(); }

  // --- events (FmWaitEvent and friends) ---
  void WaitEvent();
  // While closing an action stays pending, so that a script in progress
  // leaves for the exit at its next step.
  bool EventPending() const { return pending_ || closing_; }
  void ClearEvent() { pending_ = false; }
  // Runs the procedure a declaration names, if the program has one.
  void RunHandler(const std::string& handler, Form* arg);
  // A change made by the program: runs the box's change procedure at once.
  void ProgramChangedText(Control& box);

  // --- message box ---
  MessageBoxState& message_box() { return msgbox_; }
  int MessageBox(const std::string& caption, const std::string& text);
  void CloseMessageBox();

  // --- ending ---
  [[noreturn]] void End(int status);
  [[noreturn]] void Fatal(const std::string& detail, std::source_location loc);
  bool ended() const { return ended_; }

  // --- folders (DOS view) ---
  // The current folder as a host path; the DOS view is derived from it.
  std::filesystem::path& current_folder() { return cwd_; }
  std::filesystem::path drive_c() const { return drive_c_; }
  void SetDriveC(std::filesystem::path p) { drive_c_ = std::move(p); }

  // Module state owned by the other parts of the runtime.
  struct Files;
  struct Media;
  struct TextCache;
  Files& files() { return *files_; }
  Media& media() { return *media_; }
  TextCache& text_cache() { return *text_cache_; }

 private:
  std::unique_ptr<Backend> backend_;
  const ResourceTable* resources_ = nullptr;
  Trace trace_;
  std::map<std::string, EventProcedure> procedures_;
  std::map<std::string, SubProcedure> subs_;  // keys upper-cased
  std::vector<std::unique_ptr<Form>> forms_;
  Form* main_form_ = nullptr;
  Control* focus_ = nullptr;
  long z_counter_ = 0;
  Control* pressed_ = nullptr;  // button held down by the pointer
  bool ok_down_ = false;        // the pointer went down on the message box's OK
  std::deque<HeldEvent> held_;
  bool pending_ = false;
  int handler_depth_ = 0;
  MessageBoxState msgbox_;
  bool ended_ = false;
  bool closing_ = false;
  std::filesystem::path cwd_;
  std::filesystem::path drive_c_;
  std::shared_ptr<Files> files_;
  std::shared_ptr<Media> media_;
  std::shared_ptr<TextCache> text_cache_;
  Runtime* previous_ = nullptr;

  bool PressDown(Control& c, std::optional<int> box_x);
  void Release(bool over);
};

// Runs a program's main on the runtime; returns its exit status.
int RunProgram(Runtime& rt, const std::function<void()>& main);

// Module name of a statement's source file, for the fatal report.
std::string ModuleName(const std::source_location& loc);

}  // namespace ham
