// Text: face mapping, glyph placement, text cells, erasing, magnification
// and the trace lines of graphic text and prints.
#include <gtest/gtest.h>

#include <string>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"

namespace ham {
namespace {

struct Fixture {
  Runtime rt;
  Fixture() {
    rt.SetBackend(std::make_unique<HeadlessBackend>(rt));
    rt.trace().set_keep(true);
  }
};

// Bounding box of the pixels that differ from `ground`.
struct Box {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  int count = 0;
  int w() const { return x1 - x0 + 1; }
  int h() const { return y1 - y0 + 1; }
};
Box InkBox(const Surface& s, Pixel ground) {
  Box b;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.Get(x, y) != ground) {
        b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
        b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
        ++b.count;
      }
  return b;
}

Surface Drawn(std::string_view text, std::string_view face, double size = 16, int sx = 1, int sy = 1) {
  Surface s(640, 120, 0);
  detail::DrawTextPixels(s, 10, 10, text, face, size, 0xFFFFFF, sx, sy);
  return s;
}

bool Same(const Surface& a, const Surface& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.Get(x, y) != b.Get(x, y)) return false;
  return true;
}

TEST(Text, FacesMapOntoFourFonts) {
  const std::string t = "ハミルタ 5年生の算数 Ag";
  Surface mincho = Drawn(t, "標準明朝");
  EXPECT_GT(InkBox(mincho, 0).count, 100);
  EXPECT_TRUE(Same(mincho, Drawn(t, "ＭＳ 明朝")));
  Surface gothic = Drawn(t, "$ＪＳゴシック");
  EXPECT_TRUE(Same(gothic, Drawn(t, "FixedSys")));
  EXPECT_TRUE(Same(gothic, Drawn(t, "どこにもない書体")));
  Surface pmincho = Drawn(t, "ＭＳ Ｐ明朝");
  Surface pgothic = Drawn(t, "ＭＳ Ｐゴシック");
  EXPECT_FALSE(Same(mincho, gothic));
  EXPECT_FALSE(Same(mincho, pmincho));
  EXPECT_FALSE(Same(gothic, pgothic));
  EXPECT_FALSE(Same(pmincho, pgothic));
}

TEST(Text, MonochromeGlyphsWithoutBackground) {
  Surface s(100, 40, 0x123456);
  detail::DrawTextPixels(s, 0, 0, "約数", "標準明朝", 16, 0xFFFFFF);
  int ink = 0, ground = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) {
      Pixel p = s.Get(x, y);
      ASSERT_TRUE(p == 0xFFFFFF || p == 0x123456) << x << "," << y;
      (p == 0xFFFFFF ? ink : ground)++;
    }
  EXPECT_GT(ink, 40);
  // Top-left placement: glyphs of size 16 stay within the 32 x 16 line.
  Box b = InkBox(s, 0x123456);
  EXPECT_GE(b.x0, 0);
  EXPECT_GE(b.y0, 0);
  EXPECT_LT(b.x1, 32);
  EXPECT_LT(b.y1, 16);
}

TEST(Text, FixedPitchAdvancesHalfAndFullWidth) {
  EXPECT_EQ(detail::MeasureText("標準明朝", 16, "ﾍﾟｰｼﾞ").width, 5 * 8);
  EXPECT_EQ(detail::MeasureText("標準明朝", 16, "目次").width, 2 * 16);
  EXPECT_EQ(detail::MeasureText("標準明朝", 16, "0ﾍﾟｰｼﾞ          目次").width, 16 * 8 + 32);
  EXPECT_EQ(detail::MeasureText("標準明朝", 24, "ｸﾘﾌﾀ｡･A").width, 7 * 12);
  EXPECT_EQ(detail::MeasureText("FixedSys", 18, "iW漢").width, 9 + 9 + 18);
  EXPECT_EQ(detail::MeasureText("標準明朝", 16, "x").height, 16);
  // Proportional faces take each glyph's own advance.
  EXPECT_LT(detail::MeasureText("ＭＳ Ｐゴシック", 16, "iiii").width,
            detail::MeasureText("ＭＳ Ｐゴシック", 16, "WWWW").width);

  // The full-width character after "ﾍﾟｰｼﾞ" is drawn five half cells on.
  Surface both(200, 40, 0), alone(200, 40, 0);
  detail::DrawTextPixels(both, 0, 0, "ﾍﾟｰｼﾞ目", "標準明朝", 16, 0xFFFFFF);
  detail::DrawTextPixels(alone, 40, 0, "目", "標準明朝", 16, 0xFFFFFF);
  for (int y = 0; y < 40; ++y)
    for (int x = 40; x < 200; ++x) ASSERT_EQ(both.Get(x, y), alone.Get(x, y)) << x << "," << y;
  EXPECT_LT(InkBox(Drawn("ﾍﾟｰｼﾞ", "標準明朝"), 0).x1, 10 + 40);
}

TEST(Text, CellsArePixelsOfHalfWidthByHeight) {
  EXPECT_EQ(detail::CellWidth(16), 8);
  EXPECT_EQ(detail::CellHeight(16), 16);
  EXPECT_EQ(detail::CellWidth(24), 12);
  EXPECT_EQ(detail::CellHeight(24), 24);

  struct Case {
    double size;
    int col, row;
  };
  for (Case c : {Case{16, 55, 9}, Case{16, 7, 18}, Case{24, 5, 7}}) {
    Fixture fx;
    Picture pic;
    FmNewPictureSize(pic, 640, 480);
    pic.surface().Fill(pic.PaletteColor(0));
    RtSetWindow(&pic, 0, 0, 0, 0, 639, 568);  // text cells ignore the logical window
    FmSetFontSize(&pic, c.size);
    RtLocate(&pic, c.col, c.row);
    RtPrintBegin(&pic);
    RtPrintString("ごうかく!");
    RtPrintEnd();
    Box b = InkBox(pic.surface(), pic.PaletteColor(0));
    const int cw = detail::CellWidth(c.size), ch = detail::CellHeight(c.size);
    EXPECT_GE(b.x0, c.col * cw) << c.size;
    EXPECT_LT(b.x0, c.col * cw + cw) << c.size;
    EXPECT_LE(b.x1, (c.col + 9) * cw) << c.size;  // four full-width, one half-width
    EXPECT_GE(b.y0, c.row * ch) << c.size;
    EXPECT_LT(b.y1, (c.row + 1) * ch) << c.size;
  }
}

TEST(Text, RedrawInColourZeroErases) {
  Fixture fx;
  Picture pic;
  FmNewPictureSize(pic, 640, 480);
  pic.surface().Fill(pic.PaletteColor(0));
  const Pixel board = pic.PaletteColor(0);
  RtDrawText(&pic, 100, 29, "5年生の算数     約数と公約数", 7);
  Box b = InkBox(pic.surface(), board);
  EXPECT_GT(b.count, 100);
  EXPECT_GE(b.x0, 100);
  EXPECT_GE(b.y0, 29);
  RtDrawText(&pic, 100, 29, "5年生の算数     約数と公約数", 0);
  EXPECT_EQ(InkBox(pic.surface(), board).count, 0);

  RtDrawText(&pic, 100, 29, "だん落  2", 14, 2, 2);
  RtDrawText(&pic, 100, 29, "だん落  2", 0, 2, 2);
  EXPECT_EQ(InkBox(pic.surface(), board).count, 0);
}

TEST(Text, DoubleScaleCoversTwiceTheExtent) {
  const std::string t = "0ﾍﾟｰｼﾞ          目次";
  Box one = InkBox(Drawn(t, "標準明朝", 16, 1, 1), 0);
  Box two = InkBox(Drawn(t, "標準明朝", 16, 2, 2), 0);
  EXPECT_EQ(two.w(), 2 * one.w());
  EXPECT_EQ(two.h(), 2 * one.h());
  EXPECT_EQ(two.count, 4 * one.count);
  EXPECT_EQ(two.x0 - 10, 2 * (one.x0 - 10));
  Box wide = InkBox(Drawn(t, "標準明朝", 16, 3, 1), 0);
  EXPECT_EQ(wide.w(), 3 * one.w());
  EXPECT_EQ(wide.h(), one.h());
  // A scale of 0 counts as 1.
  EXPECT_TRUE(Same(Drawn(t, "標準明朝", 16, 0, 0), Drawn(t, "標準明朝", 16, 1, 1)));
}

// What stays on the surface is the magnified text exactly; what falls off
// it is left out, however far off or large the text is.
TEST(Text, ClipsAtTheSurfaceEdges) {
  const std::string t = "約数と公約数";
  Surface whole(200, 40, 0);
  detail::DrawTextPixels(whole, 0, 0, t, "標準明朝", 24, 0xFFFFFF);
  int gx = -1, gy = -1;  // the first inked pixel of the first inked row
  for (int y = 0; y < whole.height() && gx < 0; ++y)
    for (int x = 0; x < whole.width() && gx < 0; ++x)
      if (whole.Get(x, y) != 0) {
        gx = x;
        gy = y;
      }
  ASSERT_GE(gx, 0);
  for (int scale : {4, 40}) {
    // Above and left of the surface, its corner on that pixel.
    const int x = -(gx * scale + 1), y = -(gy * scale + 1);
    Surface s(30, 10, 0);
    detail::DrawTextPixels(s, x, y, t, "標準明朝", 24, 0xFFFFFF, scale, scale);
    EXPECT_GT(InkBox(s, 0).count, 0) << scale;
    for (int py = 0; py < s.height(); ++py)
      for (int px = 0; px < s.width(); ++px)
        ASSERT_EQ(s.Get(px, py), whole.Get((px - x) / scale, (py - y) / scale)) << scale << " " << px << "," << py;
  }
  Surface far(30, 10, 0);
  detail::DrawTextPixels(far, 2000000000, 2000000000, "約数", "標準明朝", 1e9, 0xFFFFFF, 1 << 30, 1 << 30);
  detail::DrawTextPixels(far, -2000000000, -2000000000, "約数", "標準明朝", 1e9, 0xFFFFFF, 1 << 30, 1 << 30);
  EXPECT_EQ(InkBox(far, 0).count, 0);
  // Broken UTF-8 at a size below 1 draws as at size 1.
  const std::string broken = std::string("\xE3\x81", 2) + "\xFF";
  Surface small(30, 10, 0), one(30, 10, 0);
  detail::DrawTextPixels(small, 0, 0, broken, "標準明朝", -3, 0xFFFFFF);
  detail::DrawTextPixels(one, 0, 0, broken, "標準明朝", 1, 0xFFFFFF);
  EXPECT_TRUE(Same(small, one));
}

TEST(Text, GraphicTextMapsLogicalPositionsAndTraces) {
  Fixture fx;
  Form& main = fx.rt.main_form();
  main.surface().Fill(main.PaletteColor(0));
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479);
  RtSetColor(nullptr, 7, 0, 0, 0, 1);
  fx.rt.trace().ClearLines();
  RtDrawText(nullptr, 100, 29, "ハミルタ");
  RtDrawText(nullptr, 20, 57, "0ﾍﾟｰｼﾞ          目次", 10, 2, 2);
  const auto& lines = fx.rt.trace().lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], R"({"t":0,"op":"text","form":"MAINFORM","x":100,"y":29,"color":7,"text":"ハミルタ"})");
  EXPECT_EQ(lines[1],
            R"({"t":0,"op":"text","form":"MAINFORM","x":20,"y":57,"color":10,"text":"0ﾍﾟｰｼﾞ          目次","sx":2,"sy":2})");
  // Drawn at the mapped pixel position.
  Surface only(640, 480, main.PaletteColor(0));
  detail::DrawTextPixels(only, static_cast<int>(main.MapX(100) + 0.5),
                         static_cast<int>(main.MapY(29) + 0.5), "ハミルタ", "標準明朝", 16,
                         main.PaletteColor(7));
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(main.surface().Get(x, y) == main.PaletteColor(7), only.Get(x, y) == main.PaletteColor(7))
          << x << "," << y;
}

TEST(Text, PrintWritesOneLineAndMovesToTheNextRow) {
  Fixture fx;
  Form& main = fx.rt.main_form();
  RtSetColor(nullptr, 2, 0, 0, 0, 1);
  fx.rt.trace().ClearLines();
  FmSetFontName(nullptr, "標準明朝");
  FmSetFontSize(kMainWindow, 16);
  RtLocate(nullptr, 7, 9);
  RtPrintBegin(nullptr);
  RtPrintSingle(3);
  RtPrintEnd();
  RtPrintBegin(nullptr);
  RtPrintString("問題");
  RtPrintInteger(-5);
  RtPrintSingle(0.5f);
  RtPrintEnd();
  const auto& lines = fx.rt.trace().lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], R"({"t":0,"op":"font","form":"MAINFORM","name":"標準明朝","size":16})");
  EXPECT_EQ(lines[1], R"({"t":0,"op":"font","form":"MAINFORM","name":"標準明朝","size":16})");
  EXPECT_EQ(lines[2], R"({"t":0,"op":"print","form":"MAINFORM","col":7,"row":9,"color":2,"text":" 3 "})");
  EXPECT_EQ(lines[3],
            R"({"t":0,"op":"print","form":"MAINFORM","col":0,"row":10,"color":2,"text":"問題-5  .5 "})");
  EXPECT_EQ(main.state().text_col, 0);
  EXPECT_EQ(main.state().text_row, 11);

  // The font belongs to the target; a box keeps its own size.
  Control box;
  FmSetFontSize(&box, 14);
  EXPECT_EQ(box.font_size, 14);
  FmSetFontSize(0, 24);
  EXPECT_EQ(main.state().font_size, 24);
}

}  // namespace
}  // namespace ham
