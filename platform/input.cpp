// The pupil's actions as the forms runtime takes them: the pointer at
// desktop points (hit testing, the button held down and acting on release
// over it, caret placement, the message box's OK), clicks aimed at a
// control, keys and typed text.
#include <algorithm>
#include <cstdlib>

#include "platform/internal.h"
#include "platform/runtime.h"
#include "platform/utf8.h"

namespace ham {

namespace {

bool IsButton(const Control& c) {
  return c.kind == ControlKind::kPushButton || c.kind == ControlKind::kBitmapButton ||
         c.kind == ControlKind::kLabel;
}

// Character position in an edit box nearest to a point `x` pixels from the
// box's left edge (its text starts 4 pixels in).
int CaretAt(const Control& box, int x) {
  const int n = utf8::Length(box.text);
  int best = 0, best_dist = 1 << 30;
  for (int i = 0; i <= n; ++i) {
    int px = 4 + detail::MeasureText(detail::ControlFace(box), box.font_size, utf8::Sub(box.text, 0, i)).width;
    int d = std::abs(px - x);
    if (d < best_dist) {
      best_dist = d;
      best = i;
    }
  }
  return best;
}

// The control under a point, null off the desktop or beside the controls.
Control* ControlUnder(Runtime& rt, std::optional<DesktopPoint> p) {
  Form* f = p ? rt.FormAt(p->x, p->y) : nullptr;
  return f ? rt.ControlAt(*f, p->x, p->y) : nullptr;
}

}  // namespace

// ----- hit testing ----------------------------------------------------------------

Form* Runtime::FormAt(int x, int y) {
  auto order = FormsBottomToTop();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    Form* f = *it;
    if (x >= f->left && y >= f->top && x < f->left + f->width && y < f->top + f->height) return f;
  }
  return nullptr;
}

Control* Runtime::ControlAt(Form& f, int x, int y) {
  int rx = x - f.left, ry = y - f.top;
  for (auto it = f.controls.rbegin(); it != f.controls.rend(); ++it) {
    Control* c = it->get();
    if (c->kind == ControlKind::kMedia) continue;
    if (c->rect.Contains(rx, ry)) return c;
  }
  return nullptr;
}

// ----- the pointer -------------------------------------------------------------------

bool Runtime::PointerDown(DesktopPoint p) {
  if (msgbox_.open) {
    ok_down_ = detail::MessageBoxLayoutOf(*this).ok.Contains(p);
    return false;
  }
  CancelPress();
  Form* f = FormAt(p.x, p.y);
  if (!f) return false;
  Control* c = ControlAt(*f, p.x, p.y);
  if (!c) {
    MouseDownOnForm(*f);
    return false;
  }
  return PressDown(*c, p.x - f->left - c->rect.x);
}

bool Runtime::PointerMove(std::optional<DesktopPoint> p) {
  if (!pressed_ || pressed_->kind == ControlKind::kLabel) return false;
  const bool over = ControlUnder(*this, p) == pressed_;
  if (over == pressed_->pressed) return false;
  pressed_->pressed = over;
  return true;
}

bool Runtime::PointerUp(std::optional<DesktopPoint> p) {
  if (msgbox_.open) {
    const bool ok = ok_down_ && p && detail::MessageBoxLayoutOf(*this).ok.Contains(*p);
    CancelPress();
    if (ok) CloseMessageBox();
    return ok;
  }
  ok_down_ = false;
  if (!pressed_) return false;
  Release(ControlUnder(*this, p) == pressed_);
  return true;
}

void Runtime::ClickControl(Control& c) {
  CancelPress();
  PressDown(c, std::nullopt);
  if (pressed_ == &c) Release(true);
}

void Runtime::CancelPress() {
  ok_down_ = false;
  if (pressed_) pressed_->pressed = false;
  pressed_ = nullptr;
}

// A button or label is held down (a label is not drawn pressed); a box
// takes the focus, and the caret when the press has a place in it.
bool Runtime::PressDown(Control& c, std::optional<int> box_x) {
  if (msgbox_.open || !c.enabled) return false;
  if (IsButton(c)) {
    pressed_ = &c;
    if (c.kind == ControlKind::kLabel) return false;
    c.pressed = true;
    return true;
  }
  if (c.kind != ControlKind::kEditBox) return false;
  SetFocus(&c);
  if (box_x) c.caret = CaretAt(c, *box_x);
  return true;
}

void Runtime::Release(bool over) {
  Control* c = pressed_;
  pressed_ = nullptr;
  c->pressed = false;
  if (over) PressControl(*c);
}

// ----- actions ---------------------------------------------------------------------

void Runtime::Hold(HeldEvent ev) {
  if (!HasProcedure("FE$" + ev.handler)) return;  // inert declaration: no action
  held_.push_back(std::move(ev));
  pending_ = true;
}

void Runtime::PressControl(Control& c) {
  if (msgbox_.open) return;
  if (!c.enabled) return;
  if (c.kind == ControlKind::kPushButton || c.kind == ControlKind::kBitmapButton) {
    if (const std::string* h = c.Handler(EventKind::kOn)) Hold({c.form, &c, EventKind::kOn, *h});
  } else if (c.kind == ControlKind::kLabel) {
    if (const std::string* h = c.Handler(EventKind::kClick)) Hold({c.form, &c, EventKind::kClick, *h});
  } else if (c.kind == ControlKind::kEditBox) {
    SetFocus(&c);
  }
}

void Runtime::MouseDownOnForm(Form& f) {
  if (msgbox_.open) return;
  if (auto it = f.handlers.find(EventKind::kMouseDown); it != f.handlers.end())
    Hold({&f, nullptr, EventKind::kMouseDown, it->second});
}

static void HoldChange(Runtime& rt, Control& box) {
  if (const std::string* h = box.Handler(EventKind::kChange))
    rt.Hold({box.form, &box, EventKind::kChange, *h});
}

void Runtime::TypeText(Control& box, std::string_view utf8) {
  if (msgbox_.open || box.kind != ControlKind::kEditBox || !box.enabled) return;
  SetFocus(&box);
  for (const std::string& ch : utf8::Split(utf8)) {
    box.text = utf8::Insert(box.text, box.caret, ch);
    box.caret += 1;
    HoldChange(*this, box);
  }
}

void Runtime::PressKey(Key k) {
  if (msgbox_.open) {
    if (k == Key::kReturn || k == Key::kEscape) CloseMessageBox();
    return;
  }
  Control* c = focus_;
  if (!c) return;
  // While the input method composes, its keys are its own.
  if (c->kind == ControlKind::kEditBox && !c->preedit.empty()) return;
  Form* f = c->form;
  switch (k) {
    case Key::kTab: {
      if (!f) return;
      std::vector<Control*> stops;
      for (auto& x : f->controls)
        if ((x->kind == ControlKind::kEditBox || x->kind == ControlKind::kPushButton) && x->enabled)
          stops.push_back(x.get());
      if (stops.empty()) return;
      auto it = std::find(stops.begin(), stops.end(), c);
      std::size_t i = it == stops.end() ? 0 : static_cast<std::size_t>(it - stops.begin()) + 1;
      SetFocus(stops[i % stops.size()]);
      return;
    }
    case Key::kReturn: {
      if (c->kind == ControlKind::kPushButton) {
        PressControl(*c);
        return;
      }
      if (!f) return;
      for (auto& x : f->controls)
        if (x->kind == ControlKind::kPushButton) {
          PressControl(*x);
          return;
        }
      return;
    }
    default: break;
  }
  if (c->kind != ControlKind::kEditBox) return;
  int len = utf8::Length(c->text);
  c->caret = std::clamp(c->caret, 0, len);
  switch (k) {
    case Key::kBackspace:
      if (c->caret > 0) {
        c->text = utf8::Erase(c->text, c->caret - 1, 1);
        c->caret -= 1;
        HoldChange(*this, *c);
      }
      break;
    case Key::kDelete:
      if (c->caret < len) {
        c->text = utf8::Erase(c->text, c->caret, 1);
        HoldChange(*this, *c);
      }
      break;
    case Key::kLeft: c->caret = std::max(0, c->caret - 1); break;
    case Key::kRight: c->caret = std::min(len, c->caret + 1); break;
    case Key::kHome: c->caret = 0; break;
    case Key::kEnd: c->caret = len; break;
    default: break;
  }
}

// ----- text --------------------------------------------------------------------------

Control* Runtime::focused_box() const {
  return focus_ && focus_->kind == ControlKind::kEditBox ? focus_ : nullptr;
}

bool Runtime::TypeInFocus(std::string_view utf8) {
  Control* box = focused_box();
  if (!box || msgbox_.open) return false;
  box->preedit.clear();
  TypeText(*box, utf8);
  return true;
}

bool Runtime::SetPreedit(std::string_view utf8) {
  Control* box = focused_box();
  if (!box || msgbox_.open || box->preedit == utf8) return false;
  box->preedit = std::string(utf8);
  return true;
}

}  // namespace ham
