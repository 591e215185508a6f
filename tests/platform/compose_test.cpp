// The composed desktop: stacking of forms, and the non-text parts of the
// controls and the message box.
#include <gtest/gtest.h>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"

namespace ham {
namespace {

struct Desk {
  Runtime rt;
  Desk() { rt.SetBackend(std::make_unique<HeadlessBackend>(rt)); }
  Form* Add(const char* name, int left, int top, int w, int h, Pixel fill) {
    auto f = std::make_unique<Form>(name);
    f->design = {left, top, w, h};
    Form* added = rt.AddForm(std::move(f));
    added->surface().Fill(fill);
    return added;
  }
  Surface Screen() {
    Surface s;
    rt.Compose(s);
    return s;
  }
};

TEST(Compose, DesktopSizeAndFormsClippedToTheirWindows) {
  Desk d;
  d.rt.main_form().visible = false;
  Form* f = d.Add("FORM5", 10, 20, 30, 8, 0x00FF00);
  f->surface().Resize(50, 50, 0x0000FF);  // larger surface than window
  FmSetVisible(f, -1);
  const Surface s = d.Screen();
  EXPECT_EQ(s.width(), Runtime::kDesktopWidth);
  EXPECT_EQ(s.height(), Runtime::kDesktopHeight);
  EXPECT_EQ(s.Get(10, 20), 0x00FF00u);
  EXPECT_EQ(s.Get(39, 27), 0x00FF00u);
  const Pixel desktop = s.Get(0, 0);
  EXPECT_EQ(s.Get(40, 27), desktop);
  EXPECT_EQ(s.Get(39, 28), desktop);
  EXPECT_NE(desktop, 0x00FF00u);
}

TEST(Compose, FlaggedFormStaysAboveAndRaisedFormAboveEarlier) {
  Desk d;
  Form* bar = d.Add("FORM7", 0, 414, 100, 29, 0xFF0000);
  Form* number = d.Add("FORM3", 0, 414, 100, 29, 0x0000FF);
  FmSetFormFlag(bar, -1);
  FmSetVisible(bar, -1);
  FmSetVisible(number, -1);  // shown later, but not flagged
  EXPECT_EQ(d.Screen().Get(50, 420), 0xFF0000u);

  Form* a = d.Add("FORM5", 200, 600, 50, 50, 0x111111);
  Form* b = d.Add("FORM6", 220, 620, 50, 50, 0x222222);
  FmSetVisible(a, -1);
  FmSetVisible(b, -1);
  EXPECT_EQ(d.Screen().Get(230, 630), 0x222222u);
  FmSetVisible(a, -1);  // raised again
  EXPECT_EQ(d.Screen().Get(230, 630), 0x111111u);
  EXPECT_EQ(d.Screen().Get(260, 660), 0x222222u);
}

TEST(Compose, PushButtonIsRaisedAtRestAndSunkenWhenPressed) {
  Control c;
  c.kind = ControlKind::kPushButton;
  c.caption = "";
  c.rect = {10, 5, 40, 20};
  Surface s(80, 40, 0x123456);
  detail::DrawControl(s, 2, 3, c, false);
  EXPECT_EQ(s.Get(12, 8), 0xFFFFFFu);   // top-left highlight
  EXPECT_EQ(s.Get(51, 27), 0x000000u);  // bottom-right dark edge
  EXPECT_EQ(s.Get(20, 15), 0xC0C0C0u);  // face
  EXPECT_EQ(s.Get(52, 15), 0x123456u);  // outside untouched
  c.pressed = true;
  detail::DrawControl(s, 2, 3, c, false);
  EXPECT_EQ(s.Get(12, 8), 0x808080u);
  EXPECT_EQ(s.Get(51, 27), 0xFFFFFFu);
}

TEST(Compose, EditBoxIsWhiteSunkenWithCaretWhenFocused) {
  Control c;
  c.kind = ControlKind::kEditBox;
  c.rect = {0, 0, 64, 22};
  c.font_size = 14;
  Surface s(64, 22, 0);
  detail::DrawControl(s, 0, 0, c, false);
  EXPECT_EQ(s.Get(0, 0), 0x808080u);
  EXPECT_EQ(s.Get(63, 21), 0xFFFFFFu);
  EXPECT_EQ(s.Get(30, 11), 0xFFFFFFu);
  EXPECT_EQ(s.Get(4, 11), 0xFFFFFFu);
  detail::DrawControl(s, 0, 0, c, true);
  EXPECT_EQ(s.Get(4, 11), 0x000000u);  // caret at the start of an empty box
}

TEST(Compose, LongTextScrollsSoTheCaretStaysInTheBox) {
  Runtime rt;  // the text cache lives in the runtime
  Control c;
  c.kind = ControlKind::kEditBox;
  c.rect = {0, 0, 64, 22};
  c.font_size = 14;
  c.text = std::string(40, '-');  // no vertical strokes of its own
  c.caret = 40;
  if (detail::MeasureText("標準明朝", 14, c.text).width <= 64) GTEST_SKIP() << "no text measures";
  Surface s(64, 22, 0);
  detail::DrawControl(s, 0, 0, c, true);
  int caret_column = -1;
  for (int x = 2; x < 62; ++x) {
    int run = 0;
    for (int y = 2; y < 20; ++y) run += s.Get(x, y) == 0 ? 1 : 0;
    if (run >= 8) caret_column = x;
  }
  EXPECT_GE(caret_column, 40);
  EXPECT_EQ(s.Get(63, 21), 0xFFFFFFu);  // the edge is drawn over the text
}

TEST(Compose, BitmapButtonShowsItsFrames) {
  auto bmp = std::make_shared<Surface>(20, 4, 0xFF0000);
  for (int y = 0; y < 4; ++y)
    for (int x = 10; x < 20; ++x) bmp->Set(x, y, 0x0000FF);
  Control c;
  c.kind = ControlKind::kBitmapButton;
  c.bitmap = bmp;
  c.frame_w = 10;
  c.frame_h = 4;
  c.rect = {0, 0, 10, 4};
  Surface s(10, 4, 0);
  detail::DrawControl(s, 0, 0, c, false);
  EXPECT_EQ(s.Get(5, 2), 0xFF0000u);
  c.pressed = true;
  detail::DrawControl(s, 0, 0, c, false);
  EXPECT_EQ(s.Get(5, 2), 0x0000FFu);
  c.pressed = false;
  c.enabled = false;
  detail::DrawControl(s, 0, 0, c, false);
  EXPECT_NE(s.Get(0, 0), s.Get(1, 0));  // stippled
  EXPECT_TRUE(s.Get(0, 0) == 0xFF0000u || s.Get(1, 0) == 0xFF0000u);
  Control m;
  m.kind = ControlKind::kMedia;
  m.rect = {0, 0, 10, 4};
  Surface t(10, 4, 0x777777);
  detail::DrawControl(t, 0, 0, m, false);
  EXPECT_EQ(t.Get(5, 2), 0x777777u);
}

TEST(Compose, ControlsAreClippedToTheirFormsWindow) {
  Desk d;
  Form* f = d.Add("FORM3", 100, 100, 50, 20, 0x00FF00);
  auto c = std::make_unique<Control>();
  c->kind = ControlKind::kLabel;
  c->back_color = 0xFF00FF;
  c->rect = {40, 0, 40, 10};  // reaches past the window
  f->controls.push_back(std::move(c));
  FmSetVisible(f, -1);
  const Surface s = d.Screen();
  EXPECT_EQ(s.Get(145, 105), 0xFF00FFu);
  EXPECT_NE(s.Get(155, 105), 0xFF00FFu);
}

TEST(Compose, OpenMessageBoxIsDrawnOverTheMainWindow) {
  Desk d;
  Form& main = d.rt.main_form();
  main.left = 0;
  main.top = 22;
  const int cx = main.left + main.width / 2;
  auto title_rows = [&](const Surface& s) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y) n += s.Get(cx, y) == 0x000080u;
    return n;
  };
  EXPECT_EQ(title_rows(d.Screen()), 0);
  d.rt.message_box().open = true;
  d.rt.message_box().text = "その番号はありません！";
  const Surface s = d.Screen();
  EXPECT_GT(title_rows(s), 10);
  // The panel lies within the main window's area.
  for (int y = 0; y < s.height(); ++y)
    if (s.Get(cx, y) == 0x000080u) {
      EXPECT_GT(y, main.top);
      EXPECT_LT(y, main.top + main.height);
    }
}

}  // namespace
}  // namespace ham
