// The screen: the desktop with the visible forms bottom to top, each its
// drawing surface then its controls, and the message box above them all.
#include <algorithm>

#include "platform/internal.h"
#include "platform/utf8.h"

namespace ham::detail {

namespace {

constexpr Pixel kDesktop = 0x404040;
constexpr Pixel kFace = 0xC0C0C0;
constexpr Pixel kHighlight = 0xFFFFFF;
constexpr Pixel kLightEdge = 0xDFDFDF;
constexpr Pixel kShadow = 0x808080;
constexpr Pixel kDarkEdge = 0x000000;
constexpr Pixel kGreyText = 0x808080;
constexpr Pixel kTitleBar = 0x000080;
constexpr int kMaxControlSide = 4096;
const char* const kDefaultFace = "標準明朝";

void FillRect(Surface& s, int x, int y, int w, int h, Pixel p) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(s.width(), x + w), y1 = std::min(s.height(), y + h);
  for (int yy = y0; yy < y1; ++yy) {
    Pixel* row = s.Row(yy);
    std::fill(row + x0, row + std::max(x0, x1), p);
  }
}

void HLine(Surface& s, int x0, int x1, int y, Pixel p) {
  for (int x = x0; x <= x1; ++x) s.Set(x, y, p);
}
void VLine(Surface& s, int x, int y0, int y1, Pixel p) {
  for (int y = y0; y <= y1; ++y) s.Set(x, y, p);
}

// Two-pixel 3D edge just inside (0, 0, w, h): raised (light top left) or
// sunken (dark top left).
void Edge(Surface& s, int w, int h, bool raised) {
  const Pixel outer_tl = raised ? kHighlight : kShadow, outer_br = raised ? kDarkEdge : kHighlight;
  const Pixel inner_tl = raised ? kLightEdge : kDarkEdge, inner_br = raised ? kShadow : kLightEdge;
  HLine(s, 0, w - 1, h - 1, outer_br);
  VLine(s, w - 1, 0, h - 1, outer_br);
  HLine(s, 0, w - 2, 0, outer_tl);
  VLine(s, 0, 0, h - 2, outer_tl);
  HLine(s, 1, w - 2, h - 2, inner_br);
  VLine(s, w - 2, 1, h - 2, inner_br);
  HLine(s, 1, w - 3, 1, inner_tl);
  VLine(s, 1, 1, h - 3, inner_tl);
}

TextExtent Measure(const Control& c, std::string_view text) {
  TextExtent e = MeasureText(ControlFace(c), c.font_size, text);
  if (e.height <= 0) e.height = static_cast<int>(c.font_size);
  return e;
}

void DrawButton(Surface& s, const Control& c) {
  const int w = s.width(), h = s.height();
  s.Fill(kFace);
  Edge(s, w, h, !c.pressed);
  const TextExtent e = Measure(c, c.caption);
  const int shift = c.pressed ? 1 : 0;
  const int tx = (w - e.width) / 2 + shift, ty = (h - e.height) / 2 + shift;
  if (c.enabled) {
    DrawTextPixels(s, tx, ty, c.caption, ControlFace(c), c.font_size, c.text_color);
  } else {
    DrawTextPixels(s, tx + 1, ty + 1, c.caption, ControlFace(c), c.font_size, kHighlight);
    DrawTextPixels(s, tx, ty, c.caption, ControlFace(c), c.font_size, kGreyText);
  }
}

void DrawEdit(Surface& s, const Control& c, bool focused) {
  const int w = s.width(), h = s.height();
  s.Fill(0xFFFFFF);
  const int n = utf8::Length(c.text);
  const int caret = std::clamp(c.caret, 0, n);
  const std::string before = utf8::Sub(c.text, 0, caret);
  const std::string after = utf8::Sub(c.text, caret, n - caret);
  const TextExtent eb = Measure(c, before);
  const TextExtent ep = Measure(c, c.preedit);
  const int th = std::max(eb.height, ep.height);
  // Text longer than the box scrolls so that the caret stays in view.
  const int caret_x = 4 + eb.width + (c.preedit.empty() ? 0 : ep.width);
  const int tx = 4 - std::max(0, caret_x - (w - 5)), ty = std::max(2, (h - th) / 2);
  const Pixel ink = 0x000000;
  DrawTextPixels(s, tx, ty, before, ControlFace(c), c.font_size, ink);
  const int px = tx + eb.width;
  if (!c.preedit.empty()) {
    DrawTextPixels(s, px, ty, c.preedit, ControlFace(c), c.font_size, ink);
    HLine(s, px, px + std::max(ep.width, 1) - 1, ty + th, ink);
  }
  const int cx = px + (c.preedit.empty() ? 0 : ep.width);
  DrawTextPixels(s, cx, ty, after, ControlFace(c), c.font_size, ink);
  if (focused) VLine(s, cx, ty, ty + th - 1, ink);
  Edge(s, w, h, false);  // last, over text that runs past the border
}

void DrawLabel(Surface& s, const Control& c) {
  s.Fill(c.back_color);
  DrawTextPixels(s, 0, 0, c.caption, ControlFace(c), c.font_size, c.text_color);
}

void DrawBitmapButton(Surface& s, const Control& c) {
  if (!c.bitmap || c.bitmap->empty()) {
    s.Fill(kFace);
    Edge(s, s.width(), s.height(), !c.pressed);
    return;
  }
  const Surface& b = *c.bitmap;
  const int fw = c.frame_w > 0 ? c.frame_w : b.width() / 2;
  const int fh = c.frame_h > 0 ? c.frame_h : b.height();
  const int sx = (c.pressed && c.enabled) ? fw : 0;
  s.Fill(kFace);
  for (int y = 0; y < std::min({fh, s.height(), b.height()}); ++y)
    for (int x = 0; x < std::min(fw, s.width()) && sx + x < b.width(); ++x) {
      Pixel p = b.Get(sx + x, y);
      if (!c.enabled && (x + y) % 2 == 0) p = kFace;  // stippled when disabled
      s.Set(x, y, p);
    }
}

// Renders a control into its own surface, then copies the part inside the
// clip box to (ox + x, oy + y).
void DrawControlClipped(Surface& out, int ox, int oy, const Control& c, bool focused, const Rect& clip) {
  if (c.kind == ControlKind::kMedia) return;
  const int w = std::clamp(c.rect.w, 0, kMaxControlSide), h = std::clamp(c.rect.h, 0, kMaxControlSide);
  if (w == 0 || h == 0) return;
  Surface local(w, h, kFace);
  switch (c.kind) {
    case ControlKind::kPushButton: DrawButton(local, c); break;
    case ControlKind::kEditBox: DrawEdit(local, c, focused); break;
    case ControlKind::kLabel: DrawLabel(local, c); break;
    case ControlKind::kBitmapButton: DrawBitmapButton(local, c); break;
    case ControlKind::kMedia: return;
  }
  const int x0 = ox + c.rect.x, y0 = oy + c.rect.y;
  for (int y = 0; y < h; ++y) {
    const int dy = y0 + y;
    if (dy < clip.y || dy >= clip.y + clip.h || dy < 0 || dy >= out.height()) continue;
    for (int x = 0; x < w; ++x) {
      const int dx = x0 + x;
      if (dx < clip.x || dx >= clip.x + clip.w || dx < 0 || dx >= out.width()) continue;
      out.Row(dy)[dx] = local.Row(y)[x];
    }
  }
}

constexpr double kBoxTextSize = 14;
constexpr int kBoxTitleH = 22;

// A modal message box centred over the main window: title bar with the
// caption, the message, and an OK button.
void DrawMessageBox(Runtime& rt, Surface& out) {
  const MessageBoxState& mb = rt.message_box();
  const MessageBoxLayout lay = MessageBoxLayoutOf(rt);
  const int w = lay.panel.w, h = lay.panel.h;
  Surface panel(w, h, kFace);
  Edge(panel, w, h, true);
  FillRect(panel, 3, 3, w - 6, kBoxTitleH - 4, kTitleBar);
  DrawTextPixels(panel, 6, 4, mb.caption, kDefaultFace, kBoxTextSize, 0xFFFFFF);
  DrawTextPixels(panel, 24, kBoxTitleH + 20, mb.text, kDefaultFace, kBoxTextSize, 0x000000);
  Control ok;
  ok.kind = ControlKind::kPushButton;
  ok.caption = "OK";
  ok.font_name = kDefaultFace;
  ok.font_size = kBoxTextSize;
  ok.rect = {lay.ok.x - lay.panel.x, lay.ok.y - lay.panel.y, lay.ok.w, lay.ok.h};
  DrawControlClipped(panel, 0, 0, ok, true, Rect{0, 0, w, h});
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) out.Set(lay.panel.x + px, lay.panel.y + py, panel.Row(py)[px]);
}

}  // namespace

std::string_view ControlFace(const Control& c) {
  return c.font_name.empty() ? std::string_view(kDefaultFace) : std::string_view(c.font_name);
}

MessageBoxLayout MessageBoxLayoutOf(Runtime& rt) {
  const MessageBoxState& mb = rt.message_box();
  const Form& main = rt.main_form();
  const TextExtent te = MeasureText(kDefaultFace, kBoxTextSize, mb.text);
  const TextExtent ce = MeasureText(kDefaultFace, kBoxTextSize, mb.caption);
  const int text_h = std::max(te.height, static_cast<int>(kBoxTextSize));
  const int w = std::max({240, te.width + 48, ce.width + 24});
  const int button_w = 80, button_h = 24;
  const int h = kBoxTitleH + 20 + text_h + 16 + button_h + 12;
  const int x = main.left + (main.width - w) / 2;
  const int y = main.top + (main.height - h) / 2;
  return {{x, y, w, h}, {x + (w - button_w) / 2, y + h - 12 - button_h, button_w, button_h}};
}

void ComposeDesktop(Runtime& rt, Surface& out) {
  out.Reset(Runtime::kDesktopWidth, Runtime::kDesktopHeight, kDesktop);
  for (Form* f : rt.FormsBottomToTop()) {
    const Surface& s = f->surface();
    const Pixel back = f->PaletteColor(f->back_index);
    for (int y = 0; y < f->height; ++y) {
      const int dy = f->top + y;
      if (dy < 0 || dy >= out.height()) continue;
      Pixel* row = out.Row(dy);
      for (int x = 0; x < f->width; ++x) {
        const int dx = f->left + x;
        if (dx < 0 || dx >= out.width()) continue;
        row[dx] = s.Contains(x, y) ? s.Get(x, y) : back;
      }
    }
    const Rect window{f->left, f->top, f->width, f->height};
    for (const auto& c : f->controls)
      DrawControlClipped(out, f->left, f->top, *c, rt.focus() == c.get(), window);
  }
  if (rt.message_box().open) DrawMessageBox(rt, out);
}

void DrawControl(Surface& out, int ox, int oy, const Control& c, bool focused) {
  DrawControlClipped(out, ox, oy, c, focused, Rect{0, 0, out.width(), out.height()});
}

}  // namespace ham::detail
