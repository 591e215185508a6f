// The forms runtime's operations on forms and controls.
#include <algorithm>
#include <cmath>

#include "platform/api.h"
#include "platform/internal.h"
#include "platform/utf8.h"

namespace ham {

namespace {
Form& FormOf(Form* f) { return f ? *f : Runtime::Current().main_form(); }
Trace* T() { return &Runtime::Current().trace(); }
std::int64_t Now() { return Runtime::Current().Now(); }
}  // namespace

Form* FmLoadForm(std::string_view name, int as_main, Loc loc) {
  return Runtime::Current().LoadForm(name, as_main != 0, loc);
}

Form* FmGetMainForm(int) { return &Runtime::Current().main_form(); }

void FmSetVisible(Form* form, int visible) {
  Runtime& rt = Runtime::Current();
  Form& f = FormOf(form);
  TraceLine(T(), Now(), visible ? "show" : "hide").Str("form", f.form_name());
  f.visible = visible != 0;
  if (f.visible) {
    rt.Raise(f);
  } else if (rt.focus() && rt.focus()->form == &f) {
    rt.SetFocus(nullptr);
  }
}

void FmSetPosition(Form* form, int left, int top) {
  Form& f = FormOf(form);
  TraceLine(T(), Now(), "move").Str("form", f.form_name()).Int("x", left).Int("y", top);
  f.left = left;
  f.top = top;
}

void FmMoveForm(Form* form, double left, double top) {
  Form& f = FormOf(form);
  TraceLine(T(), Now(), "move").Str("form", f.form_name()).Num("x", left).Num("y", top);
  f.left = static_cast<int>(std::lround(left));
  f.top = static_cast<int>(std::lround(top));
}

double FmGetLeft(Form* form) { return FormOf(form).left; }
double FmGetTop(Form* form) { return FormOf(form).top; }

void FmSetSize(Form* form, double width, double height) {
  Form& f = FormOf(form);
  TraceLine(T(), Now(), "size").Str("form", f.form_name()).Num("w", width).Num("h", height);
  f.width = std::max(0, static_cast<int>(std::lround(width)));
  f.height = std::max(0, static_cast<int>(std::lround(height)));
  // The drawing surface grows with the window and keeps what was drawn.
  Surface& s = f.surface();
  if (f.width > s.width() || f.height > s.height())
    s.Resize(std::max(f.width, s.width()), std::max(f.height, s.height()), f.PaletteColor(f.back_index));
}

void FmSetFormFlag(Form* form, int flag) { FormOf(form).flagged = flag != 0; }

Control* FmGetControl(Form* form, std::string_view name, Loc loc) {
  Form& f = FormOf(form);
  Control* c = f.Find(std::string(name));
  if (!c) Runtime::Current().Fatal("control " + std::string(name) + " not found on " + f.form_name(), loc);
  return c;
}

std::string FmGetText(Control* c) {
  if (!c) return {};
  return c->kind == ControlKind::kEditBox ? c->text : c->caption;
}

void FmSetText(Control* c, std::string_view text) {
  if (!c) return;
  TraceLine(T(), Now(), "settext").Str("control", c->name).Str("text", text);
  if (c->kind == ControlKind::kEditBox) {
    c->text = std::string(text);
    c->caret = utf8::Length(c->text);
    Runtime::Current().ProgramChangedText(*c);
  } else {
    c->caption = std::string(text);
  }
}

void FmSetFocus(Control* c) {
  TraceLine(T(), Now(), "focus").Str("control", c ? c->name : "");
  Runtime::Current().SetFocus(c);
}

void FmSetEnabled(Control* c, int enabled) {
  if (c) c->enabled = enabled != 0;
}

int FmMessageBox(Form*, std::string_view caption, std::string_view text, int, int) {
  return Runtime::Current().MessageBox(std::string(caption), std::string(text));
}

void FmWaitEvent(int) { Runtime::Current().WaitEvent(); }
int FmEventPending() { return Runtime::Current().EventPending() ? -1 : 0; }
void FmClearEvent() { Runtime::Current().ClearEvent(); }

}  // namespace ham
