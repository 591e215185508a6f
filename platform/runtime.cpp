#include "platform/runtime.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>

#include "platform/api.h"
#include "platform/internal.h"

namespace ham {

namespace {
Runtime* g_current = nullptr;

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}
}  // namespace

const char* EventKindName(EventKind k) {
  switch (k) {
    case EventKind::kOn: return "ON";
    case EventKind::kChange: return "CHANGE";
    case EventKind::kStart: return "START";
    case EventKind::kEnd: return "END";
    case EventKind::kSetFocus: return "SETFOCUS";
    case EventKind::kKillFocus: return "KILLFOCUS";
    case EventKind::kResize: return "RESIZE";
    case EventKind::kClick: return "CLICK";
    case EventKind::kDblClick: return "DBLCLICK";
    case EventKind::kMouseDown: return "MOUSEDOWN";
    case EventKind::kMouseUp: return "MOUSEUP";
    case EventKind::kMouseMove: return "MOUSEMOVE";
    case EventKind::kDone: return "DONE";
    case EventKind::kQueryClose: return "QUERYCLOSE";
  }
  return "?";
}

Control* Form::Find(const std::string& control_name) const {
  for (const auto& c : controls)
    if (c->name == control_name) return c.get();
  return nullptr;
}

Runtime::Runtime() : previous_(g_current) {
  g_current = this;
  std::error_code ec;
  cwd_ = std::filesystem::current_path(ec);
  files_ = detail::MakeFilesState();
  media_ = detail::MakeMediaState();
  text_cache_ = detail::MakeTextCache();

  // The program's main window exists from the start, with its media control,
  // so that the control can be looked up before MAINFORM is loaded.
  auto main = std::make_unique<Form>("MAINFORM");
  main->design = {0, 0, 640, 430};
  main->width = 640;
  main->height = 430;
  main->visible = true;
  main->back_index = 15;
  main->fore_index = 7;
  main->surface().Reset(640, 480, main->PaletteColor(15));
  auto mci = std::make_unique<Control>();
  mci->kind = ControlKind::kMedia;
  mci->name = "MCI1";
  mci->rect = {312, 306, 48, 30};
  mci->form = main.get();
  main->controls.push_back(std::move(mci));
  main->z = ++z_counter_;
  main_form_ = main.get();
  forms_.push_back(std::move(main));
}

Runtime::~Runtime() {
  if (backend_) backend_->StopSound();
  g_current = previous_;
}

Runtime& Runtime::Current() {
  if (!g_current) {
    std::fputs("no runtime\n", stderr);
    std::abort();
  }
  return *g_current;
}

Runtime* Runtime::CurrentOrNull() { return g_current; }

void Runtime::SetBackend(std::unique_ptr<Backend> backend) { backend_ = std::move(backend); }

void Runtime::RegisterProcedure(const std::string& name, EventProcedure proc) {
  procedures_[name] = std::move(proc);
}

void Runtime::RegisterSub(const std::string& name, SubProcedure sub) { subs_[Upper(name)] = std::move(sub); }

bool Runtime::HasProcedure(const std::string& name) const { return procedures_.count(name) != 0; }

void Runtime::CallSub(std::string_view name, std::source_location loc) {
  auto it = subs_.find(Upper(name));
  if (it == subs_.end()) Fatal("procedure " + std::string(name) + " not found", loc);
  auto sub = it->second;  // the table may change while it runs
  sub();
}

// ----- forms -----------------------------------------------------------------

Form* Runtime::FindForm(std::string_view name) {
  for (auto& f : forms_)
    if (f->form_name() == name) return f.get();
  return nullptr;
}

std::vector<Form*> Runtime::Forms() {
  std::vector<Form*> out;
  for (auto& f : forms_) out.push_back(f.get());
  return out;
}

std::vector<Form*> Runtime::FormsBottomToTop() {
  std::vector<Form*> out;
  for (auto& f : forms_)
    if (f->visible) out.push_back(f.get());
  std::stable_sort(out.begin(), out.end(), [](const Form* a, const Form* b) {
    if (a->flagged != b->flagged) return !a->flagged;
    return a->z < b->z;
  });
  return out;
}

Control* Runtime::FindControl(std::string_view name) {
  // Topmost form first, so that a name on a shown form wins.
  std::vector<Form*> order = Forms();
  std::stable_sort(order.begin(), order.end(), [](const Form* a, const Form* b) {
    if (a->visible != b->visible) return a->visible;
    return a->z > b->z;
  });
  for (Form* f : order)
    if (Control* c = f->Find(std::string(name))) return c;
  return nullptr;
}

Form* Runtime::LoadForm(std::string_view name, bool as_main, std::source_location loc) {
  if (!resources_) Fatal("no form resources", loc);
  std::string error;
  std::unique_ptr<Form> built = detail::BuildForm(name, *resources_, &error);
  if (!built) Fatal(error, loc);
  if (as_main || name == "MAINFORM") {
    Form& m = *main_form_;
    m.caption = built->caption;
    m.design = built->design;
    m.back_index = built->back_index;
    m.fore_index = built->fore_index;
    m.state().background = built->back_index;
    m.state().foreground = built->fore_index;
    m.handlers = built->handlers;
    m.state().font_name = built->state().font_name;
    m.state().font_size = built->state().font_size;
    // Controls of the resource; an existing control of the same name (the
    // media control) keeps its identity.
    std::vector<std::unique_ptr<Control>> merged;
    for (auto& c : built->controls) {
      auto same = std::find_if(m.controls.begin(), m.controls.end(),
                               [&](const std::unique_ptr<Control>& o) { return o && o->name == c->name; });
      if (same != m.controls.end()) {
        **same = *c;
        merged.push_back(std::move(*same));
      } else {
        merged.push_back(std::move(c));
      }
      merged.back()->form = &m;
    }
    for (auto& old : m.controls)
      if (old) merged.push_back(std::move(old));
    m.controls = std::move(merged);
    return &m;
  }
  if (Form* existing = FindForm(name)) return existing;
  return AddForm(std::move(built));
}

Form* Runtime::AddForm(std::unique_ptr<Form> built) {
  built->left = built->design.x;
  built->top = built->design.y;
  built->width = built->design.w;
  built->height = built->design.h;
  // The form's colours of its resource are its drawing colours.
  built->state().background = built->back_index;
  built->state().foreground = built->fore_index;
  built->surface().Reset(std::max(1, built->width), std::max(1, built->height),
                         built->PaletteColor(built->back_index));
  for (auto& c : built->controls) c->form = built.get();
  built->visible = false;
  built->z = ++z_counter_;
  forms_.push_back(std::move(built));
  return forms_.back().get();
}

void Runtime::Raise(Form& f) { f.z = ++z_counter_; }

void Runtime::SetFocus(Control* c) { focus_ = c; }

void Runtime::Compose(Surface& out) { detail::ComposeDesktop(*this, out); }

// ----- closing ---------------------------------------------------------------------

void Runtime::CloseWindow() {
  closing_ = true;
  if (msgbox_.open) CloseMessageBox();
  if (on_window_close) {
    on_window_close();
    return;
  }
  End(0);
}

// ----- events -------------------------------------------------------------------

void Runtime::WaitEvent() {
  if (backend_) backend_->Present();
  // A close that came while the exit could not yet be pressed (start-up).
  if (closing_ && held_.empty()) CloseWindow();
  while (held_.empty()) {
    if (!backend_) End(0);
    backend_->WaitForAction();
  }
  HeldEvent ev = std::move(held_.front());
  held_.pop_front();
  RunHandler(ev.handler, main_form_);
  if (backend_) backend_->Present();
}

void Runtime::RunHandler(const std::string& handler, Form* arg) {
  std::string name = "FE$" + handler;
  auto it = procedures_.find(name);
  if (it == procedures_.end()) return;
  TraceLine(&trace_, Now(), "event").Str("procedure", name);
  auto proc = it->second;
  ++handler_depth_;
  try {
    proc(arg);
  } catch (...) {
    --handler_depth_;
    throw;
  }
  --handler_depth_;
}

void Runtime::ProgramChangedText(Control& box) {
  if (const std::string* h = box.Handler(EventKind::kChange)) RunHandler(*h, main_form_);
}

// ----- message box ----------------------------------------------------------------

int Runtime::MessageBox(const std::string& caption, const std::string& text) {
  TraceLine(&trace_, Now(), "msgbox").Str("caption", caption).Str("text", text);
  msgbox_.open = true;
  msgbox_.caption = caption;
  msgbox_.text = text;
  // While closing the box goes with the window.
  if (backend_ && !closing_) {
    CancelPress();
    backend_->Present();
    backend_->RunMessageBox();
  }
  msgbox_.open = false;
  if (backend_) backend_->Present();
  return 1;
}

void Runtime::CloseMessageBox() { msgbox_.open = false; }

// ----- ending -----------------------------------------------------------------------

void Runtime::End(int status) {
  // The program's end closes its files; only an output it did not reach the
  // end with is discarded.
  if (std::string failed = detail::CloseOpenOutputs(*this); !failed.empty())
    Fatal(failed, std::source_location::current());
  if (!ended_) TraceLine(&trace_, Now(), "end");
  ended_ = true;
  throw ProgramExit{status};
}

std::string ModuleName(const std::source_location& loc) {
  std::string f = loc.file_name();
  auto slash = f.find_last_of("/\\");
  if (slash != std::string::npos) f = f.substr(slash + 1);
  return f;
}

void Runtime::Fatal(const std::string& detail, std::source_location loc) {
  std::string text = "続行不可能なエラーが発生しました " + ModuleName(loc) + " [" +
                     std::to_string(loc.line()) + "行]";
  TraceLine(&trace_, Now(), "fatal").Str("text", text).Str("detail", detail);
  std::cerr << text << "\n" << detail << std::endl;
  CancelPress();
  if (backend_) backend_->ShowFatal(text + "\n" + detail);
  ended_ = true;
  throw ProgramExit{1};
}

int RunProgram(Runtime& rt, const std::function<void()>& main) {
  try {
    main();
  } catch (const ProgramExit& e) {
    return e.status;
  } catch (const std::exception& e) {
    std::cerr << "internal error: " << e.what() << std::endl;
    TraceLine(&rt.trace(), rt.Now(), "fatal").Str("text", std::string("internal error: ") + e.what());
    return 1;
  }
  return 0;
}

namespace detail {
Canvas& Target(Canvas* target) {
  return target ? *target : Runtime::Current().main_form();
}
const std::string& TraceName(const Canvas& c) { return c.name(); }
TraceLine TraceOp(std::string_view op) {
  Runtime* rt = Runtime::CurrentOrNull();
  return TraceLine(rt ? &rt->trace() : nullptr, rt ? rt->Now() : 0, op);
}
}  // namespace detail

// ----- runtime operations kept here ---------------------------------------------------

void RtEnd(int status) { Runtime::Current().End(status); }

void RtWait(std::int32_t units) {
  Runtime& rt = Runtime::Current();
  TraceLine(&rt.trace(), rt.Now(), "wait").Int("units", units);
  if (units > 0 && rt.backend_ptr()) rt.backend().Wait(units);
}

void RtCallSub(std::string_view name, Loc loc) { Runtime::Current().CallSub(name, loc); }

}  // namespace ham
