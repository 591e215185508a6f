// TODO(draw): stub
#include "platform/internal.h"

namespace ham::detail {
void ComposeDesktop(Runtime& rt, Surface& out) {
  out.Reset(Runtime::kDesktopWidth, Runtime::kDesktopHeight, 0);
  for (Form* f : rt.FormsBottomToTop()) {
    const Surface& s = f->surface();
    for (int y = 0; y < f->height && y < s.height(); ++y)
      for (int x = 0; x < f->width && x < s.width(); ++x) out.Set(f->left + x, f->top + y, s.Get(x, y));
    for (auto& c : f->controls) DrawControl(out, f->left, f->top, *c, rt.focus() == c.get());
  }
}
void DrawControl(Surface&, int, int, const Control&, bool) {}
}  // namespace ham::detail
