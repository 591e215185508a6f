// Drawing primitives: pixels at known places.
#include <gtest/gtest.h>

#include <string>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"

namespace ham {
namespace {

constexpr Pixel kBlack = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;

struct Board {
  Runtime rt;
  Picture pic{"PIC"};
  Board(int w = 24, int h = 24) {
    rt.SetBackend(std::make_unique<HeadlessBackend>(rt));
    rt.trace().set_keep(true);
    pic.surface().Reset(w, h, kBlack);
    RtSetPalette(&pic, 7, 255, 255, 255);
  }
  Pixel At(int x, int y) const { return pic.surface().Get(x, y); }
  bool Lit(int x, int y) const { return At(x, y) != kBlack; }
  int Count() const {
    int n = 0;
    for (int y = 0; y < pic.surface().height(); ++y)
      for (int x = 0; x < pic.surface().width(); ++x) n += Lit(x, y);
    return n;
  }
};

TEST(Draw, PaletteTakesGreenRedBlueAndColorMaskPicksEntries) {
  Board b;
  RtSetPalette(&b.pic, 3, 10, 20, 30);
  EXPECT_EQ(b.pic.palette()[3], MakePixel(20, 10, 30));
  RtSetColor(&b.pic, 5, 6, 7, 8, 1 | 4);
  EXPECT_EQ(b.pic.state().foreground, 5);
  EXPECT_EQ(b.pic.state().background, 0);  // not in the mask
  EXPECT_EQ(b.pic.state().color3, 7);
  RtSetColor(&b.pic, 0, 3, 0, 0, 2);
  RtClearScreen(&b.pic, 0);
  EXPECT_EQ(b.At(0, 0), MakePixel(20, 10, 30));
  EXPECT_EQ(b.At(23, 23), MakePixel(20, 10, 30));
  // Colours are resolved when drawing: a later palette change does not repaint.
  RtSetPalette(&b.pic, 3, 0, 0, 0);
  EXPECT_EQ(b.At(0, 0), MakePixel(20, 10, 30));
}

TEST(Draw, DrawModesCombinePenAndDestination) {
  const Pixel pen = 0x00FF0F, dest = 0x0F0F00;
  struct Case {
    int mode;
    Pixel want;
  } cases[] = {
      {kDrawBlack, 0x000000},       {kDrawNotMergePen, 0xF000F0}, {kDrawMaskNotPen, 0x0F0000},
      {kDrawNotCopyPen, 0xFF00F0},  {kDrawMaskPenNot, 0x00F00F},  {kDrawInvert, 0xF0F0FF},
      {kDrawXorPen, 0x0FF00F},      {kDrawNotMaskPen, 0xFFF0FF},  {kDrawMaskPen, 0x000F00},
      {kDrawNotXorPen, 0xF00FF0},   {kDrawNop, 0x0F0F00},         {kDrawMergeNotPen, 0xFF0FF0},
      {kDrawCopyPen, 0x00FF0F},     {kDrawMergePenNot, 0xF0FFFF}, {kDrawMergePen, 0x0FFF0F},
      {kDrawWhite, 0xFFFFFF},
  };
  for (const Case& c : cases) EXPECT_EQ(ApplyDrawMode(c.mode, pen, dest), c.want) << "mode " << c.mode;
}

TEST(Draw, MainWindowLogicalCornersMapOntoTheView) {
  Board b;
  Canvas& m = Runtime::Current().main_form();
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479, 0, 0, 0);
  EXPECT_DOUBLE_EQ(m.MapX(639), 639);
  EXPECT_DOUBLE_EQ(m.MapY(568), 479);
  EXPECT_DOUBLE_EQ(m.MapY(0), 0);
  RtDrawLine(nullptr, 600, 500, 639, 568, 12, LineShape::kFilledBox);
  const Surface& s = m.surface();
  EXPECT_EQ(s.Get(639, 479), m.PaletteColor(12));
  EXPECT_EQ(s.Get(600, 422), m.PaletteColor(12));  // 500 * 479 / 568 = 421.65
  EXPECT_NE(s.Get(600, 421), m.PaletteColor(12));
  // The other window of some pages is one to one.
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 479);
  EXPECT_DOUBLE_EQ(m.MapY(300), 300);
  EXPECT_DOUBLE_EQ(m.ScaleX(), 1);
}

TEST(Draw, LinesAndBoxesHaveInclusiveCorners) {
  struct Probe {
    int x, y;
    Pixel want;
  };
  struct Case {
    const char* name;
    LineShape shape;
    int fill;
    double x1, y1, x2, y2;
    std::vector<Probe> probes;
  };
  const Pixel red = DefaultPalette()[12], blue = DefaultPalette()[9];
  const Case cases[] = {
      {"line", LineShape::kLine, -1, 2, 2, 8, 5, {{2, 2, red}, {8, 5, red}, {9, 5, kBlack}, {2, 5, kBlack}}},
      {"box", LineShape::kBox, -1, 8, 5, 2, 2,
       {{2, 2, red}, {8, 5, red}, {5, 2, red}, {2, 4, red}, {5, 3, kBlack}, {9, 5, kBlack}}},
      {"filled", LineShape::kFilledBox, -1, 2, 2, 8, 5,
       {{2, 2, red}, {5, 3, red}, {8, 5, red}, {9, 3, kBlack}}},
      {"framed", LineShape::kFilledBox, 9, 2, 2, 8, 5,
       {{2, 2, red}, {8, 3, red}, {5, 5, red}, {5, 3, blue}, {7, 4, blue}, {1, 3, kBlack}}},
      {"zero height", LineShape::kFilledBox, -1, 2, 7, 8, 7,
       {{2, 7, red}, {8, 7, red}, {2, 6, kBlack}, {2, 8, kBlack}, {9, 7, kBlack}}},
      {"zero height outline", LineShape::kBox, -1, 2, 7, 8, 7, {{5, 7, red}, {5, 6, kBlack}, {5, 8, kBlack}}},
  };
  for (const Case& c : cases) {
    Board b;
    RtDrawLine(&b.pic, c.x1, c.y1, c.x2, c.y2, 12, c.shape, c.fill);
    for (const Probe& p : c.probes)
      EXPECT_EQ(b.At(p.x, p.y), p.want) << c.name << " at " << p.x << "," << p.y;
  }
}

TEST(Draw, ColorMinusOneIsTheForegroundAndTraceNamesIt) {
  Board b;
  RtSetColor(&b.pic, 12, 0, 0, 0, 1);
  RtDrawLine(&b.pic, 1, 1, 3, 1, -1, LineShape::kFilledBox, 9);
  EXPECT_EQ(b.At(1, 1), DefaultPalette()[12]);
  const std::string& t = b.rt.trace().lines().back();
  EXPECT_NE(t.find("\"op\":\"box\""), std::string::npos) << t;
  EXPECT_NE(t.find("\"form\":\"PIC\""), std::string::npos) << t;
  EXPECT_NE(t.find("\"x1\":1,\"y1\":1,\"x2\":3,\"y2\":1,\"color\":12"), std::string::npos) << t;
  EXPECT_NE(t.find("\"fill\":9"), std::string::npos) << t;
}

TEST(Draw, LineStylesFollowTheirPatterns) {
  struct Case {
    int style;
    std::string lit;  // pixels 0..23 of a horizontal line
  } cases[] = {
      {0, "111111111111111111111111"},
      {1, "111111111111111111000000"},
      {2, "111000111000111000111000"},
      {3, "111111111000000111000000"},
      {4, "111111111000111000111000"},
      {5, "000000000000000000000000"},
  };
  for (const Case& c : cases) {
    Board b(30, 4);
    FmSetDrawStyle(&b.pic, c.style);
    RtDrawLine(&b.pic, 0, 1, 23, 1, 7);
    std::string got;
    for (int x = 0; x < 24; ++x) got += b.Lit(x, 1) ? '1' : '0';
    EXPECT_EQ(got, c.lit) << "style " << c.style;
  }
}

TEST(Draw, XorLineOverItselfErasesAndBoxCornersMeetThePenOnce) {
  Board b;
  FmSetDrawMode(&b.pic, kDrawXorPen);
  RtDrawLine(&b.pic, 2, 2, 12, 9, 7, LineShape::kBox);
  EXPECT_EQ(b.At(2, 2), kWhite);  // a corner shared by two sides is not XORed twice
  EXPECT_EQ(b.At(12, 9), kWhite);
  RtDrawLine(&b.pic, 2, 2, 12, 9, 7, LineShape::kBox);
  EXPECT_EQ(b.Count(), 0);
}

TEST(Draw, DashedFrameOverAFillTakesEachPixelOnce) {
  // Dash-dot frame in red over a blue fill, XORed onto black: the first draw
  // shows the frame's pattern with the fill in its gaps, the second erases all.
  Board b(36, 12);
  FmSetDrawMode(&b.pic, kDrawXorPen);
  FmSetDrawStyle(&b.pic, 3);
  const Pixel red = DefaultPalette()[12], blue = DefaultPalette()[9];
  auto row = [&](int y) {
    std::string got;
    for (int x = 0; x < 36; ++x) {
      const Pixel p = b.At(x, y);
      got += p == red ? 'r' : p == blue ? 'b' : p == kBlack ? '.' : '?';
    }
    return got;
  };
  RtDrawLine(&b.pic, 2, 2, 33, 8, 12, LineShape::kFilledBox, 9);
  EXPECT_EQ(row(2), "..rrrrrrrrrbbbbbbrrrbbbbbbrrrrrrrr..");
  EXPECT_EQ(row(5), "..bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb..");
  EXPECT_EQ(row(8), "..bbbrrrbbbbbbrrrrrrrrrbbbbbbrrrbb..");  // drawn right to left
  std::string left;
  for (int y = 2; y <= 8; ++y) left += b.At(2, y) == red ? 'r' : 'b';
  EXPECT_EQ(left, "rrrbbbb");
  RtDrawLine(&b.pic, 2, 2, 33, 8, 12, LineShape::kFilledBox, 9);
  EXPECT_EQ(b.Count(), 0);
}

TEST(Draw, CircleRadiusIsPixelsWithoutWindowAndAspectStretchesVertically) {
  Board b(32, 40);
  RtDrawCircle(&b.pic, 10, 10, 6, 7);
  EXPECT_TRUE(b.Lit(16, 10));
  EXPECT_TRUE(b.Lit(4, 10));
  EXPECT_TRUE(b.Lit(10, 4));
  EXPECT_TRUE(b.Lit(10, 16));
  EXPECT_FALSE(b.Lit(17, 10));
  EXPECT_FALSE(b.Lit(10, 10));

  Board e(32, 40);
  RtDrawCircle(&e.pic, 10, 20, 4, 7, 2.5);  // vertical radius 10
  EXPECT_TRUE(e.Lit(10, 10));
  EXPECT_TRUE(e.Lit(10, 30));
  EXPECT_TRUE(e.Lit(14, 20));
  EXPECT_FALSE(e.Lit(10, 9));
  EXPECT_FALSE(e.Lit(15, 20));

  Board f(32, 40);
  RtDrawCircle(&f.pic, 10, 10, 5.5, 7);  // fractional radius rounds to the pixel
  EXPECT_TRUE(f.Lit(16, 10) || f.Lit(15, 10));
  EXPECT_FALSE(f.Lit(17, 10));
}

TEST(Draw, FilledCircleTakesFillColourInsideOutlineColourOnEdge) {
  Board b;
  RtDrawCircle(&b.pic, 10, 10, 6, 12, 1, 0, 0, true, 9);
  EXPECT_EQ(b.At(10, 10), DefaultPalette()[9]);
  EXPECT_EQ(b.At(13, 12), DefaultPalette()[9]);
  EXPECT_EQ(b.At(16, 10), DefaultPalette()[12]);
  EXPECT_EQ(b.At(10, 4), DefaultPalette()[12]);
  EXPECT_EQ(b.At(17, 10), kBlack);
  Board c;
  RtDrawCircle(&c.pic, 10, 10, 6, 12, 1, 0, 0, true);  // fill -1: in its own colour
  EXPECT_EQ(c.At(10, 10), DefaultPalette()[12]);
}

// Centre (10, 10), radius 6: the four axis points and the diagonals.
TEST(Draw, ArcsRunFromStartToEndTowardsPositiveY) {
  struct Case {
    const char* name;
    double start, end;
    bool right, down, left, up, up_right, up_left, down_right;
  } cases[] = {
      {"upper half", 0.5, 1.0, true, false, true, true, true, true, false},
      {"lower half", 0, 0.5, true, true, true, false, false, false, true},
      {"through zero", 0.75, 0.25, true, true, false, true, true, false, true},
      {"quarter down", 0, 0.25, true, true, false, false, false, false, true},
      {"whole", 0, 0, true, true, true, true, true, true, true},
  };
  for (const Case& c : cases) {
    Board b;
    RtDrawCircle(&b.pic, 10, 10, 6, 7, 1, c.start, c.end);
    EXPECT_EQ(b.Lit(16, 10), c.right) << c.name;
    EXPECT_EQ(b.Lit(10, 16), c.down) << c.name;
    EXPECT_EQ(b.Lit(4, 10), c.left) << c.name;
    EXPECT_EQ(b.Lit(10, 4), c.up) << c.name;
    EXPECT_EQ(b.Lit(14, 6), c.up_right) << c.name;
    EXPECT_EQ(b.Lit(6, 6), c.up_left) << c.name;
    EXPECT_EQ(b.Lit(14, 14), c.down_right) << c.name;
  }
}

TEST(Draw, LongFlatUpperArcSpansTheBar) {
  // The bar arc of the fraction lessons: radius 300, aspect 0.07, 0.5 to 1.0.
  Board b(640, 120);
  FmSetDrawStyle(&b.pic, 2);
  RtDrawCircle(&b.pic, 310, 90, 300, 7, 0.07, 0.5, 1.0);
  int top = 1000, lowest = -1, lit = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 640; ++x)
      if (b.Lit(x, y)) {
        top = std::min(top, y);
        lowest = std::max(lowest, y);
        ++lit;
      }
  EXPECT_EQ(top, 69);  // 90 - 300 * 0.07
  EXPECT_EQ(lowest, 90);
  Board solid(640, 120);
  RtDrawCircle(&solid.pic, 310, 90, 300, 7, 0.07, 0.5, 1.0);
  EXPECT_GT(lit, solid.Count() * 4 / 10);  // dotted: about half the pixels
  EXPECT_LT(lit, solid.Count() * 6 / 10);
}

TEST(Draw, RelativePolygonIsFilledThenOutlined) {
  Board b;
  // (2,2) then steps: a rectangle to (12,10), closed on the first point.
  std::vector<PolyPoint> pts = {{2, 2, false}, {10, 0, true}, {0, 8, true}, {-10, 0, true}, {0, -8, true}};
  RtDrawPolyline(&b.pic, pts, 12, true, 9);
  EXPECT_EQ(b.At(7, 6), DefaultPalette()[9]);
  EXPECT_EQ(b.At(3, 3), DefaultPalette()[9]);
  EXPECT_EQ(b.At(2, 5), DefaultPalette()[12]);
  EXPECT_EQ(b.At(12, 10), DefaultPalette()[12]);
  EXPECT_EQ(b.At(7, 10), DefaultPalette()[12]);
  EXPECT_EQ(b.At(13, 6), kBlack);
  EXPECT_EQ(b.At(7, 11), kBlack);

  // Triangle without the closing point: filling closes it.
  Board t;
  RtDrawPolyline(&t.pic, {{2, 2, false}, {14, 2, false}, {2, 14, false}}, 12, true, 9);
  EXPECT_EQ(t.At(4, 4), DefaultPalette()[9]);
  EXPECT_EQ(t.At(2, 8), DefaultPalette()[12]);
  EXPECT_EQ(t.At(12, 12), kBlack);
}

TEST(Draw, OpenPolylineDrawsNoClosingSide) {
  Board b;
  RtDrawPolyline(&b.pic, {{2, 2, false}, {10, 0, true}, {12, 10, false}}, 7);
  EXPECT_TRUE(b.Lit(7, 2));
  EXPECT_TRUE(b.Lit(12, 6));
  EXPECT_FALSE(b.Lit(7, 6));  // on the diagonal back to the start
  EXPECT_FALSE(b.Lit(5, 5));
}

TEST(Draw, FloodFillStopsAtTheBorderColour) {
  Board b;
  RtDrawLine(&b.pic, 2, 2, 14, 10, 7, LineShape::kBox);
  RtDrawLine(&b.pic, 8, 2, 8, 10, 7);
  RtDrawLine(&b.pic, 4, 5, 5, 5, 12);  // another colour inside is filled over
  FmSetFillStyle(&b.pic, 0);
  FmSetFillColor(&b.pic, FmRgb(255, 0, 255));
  FmFloodFill(&b.pic, 3, 3, FmRgb(255, 255, 255), 0);
  const Pixel magenta = MakePixel(255, 0, 255);
  EXPECT_EQ(b.At(3, 3), magenta);
  EXPECT_EQ(b.At(7, 9), magenta);
  EXPECT_EQ(b.At(4, 5), magenta);
  EXPECT_EQ(b.At(8, 5), kWhite);
  EXPECT_EQ(b.At(10, 5), kBlack);  // beyond the middle line
  EXPECT_EQ(b.At(1, 1), kBlack);   // outside the box
  const std::string& t = b.rt.trace().lines().back();
  EXPECT_NE(t.find("\"op\":\"fill\""), std::string::npos) << t;
}

TEST(Draw, FloodFillOfTheSeedColourAndTransparentStyle) {
  Board b;
  RtDrawLine(&b.pic, 2, 2, 14, 10, 12, LineShape::kFilledBox);
  RtDrawLine(&b.pic, 5, 2, 5, 10, 9);
  FmSetFillStyle(&b.pic, 0);
  FmSetFillColor(&b.pic, FmRgb(0, 255, 0));
  FmFloodFill(&b.pic, 3, 3, 0, 1);  // the red area left of the blue line
  EXPECT_EQ(b.At(4, 9), MakePixel(0, 255, 0));
  EXPECT_EQ(b.At(5, 5), DefaultPalette()[9]);
  EXPECT_EQ(b.At(6, 5), DefaultPalette()[12]);
  EXPECT_EQ(b.At(1, 1), kBlack);

  Board t;
  FmSetFillStyle(&t.pic, 1);
  FmSetFillColor(&t.pic, FmRgb(0, 255, 0));
  FmFloodFill(&t.pic, 3, 3, FmRgb(255, 255, 255), 0);
  EXPECT_EQ(t.Count(), 0);
}

TEST(Draw, FloodFillOfAWholeLargeSurfaceIsIterative) {
  Board b(1200, 900);
  FmSetFillStyle(&b.pic, 0);
  FmSetFillColor(&b.pic, FmRgb(1, 2, 3));
  FmFloodFill(&b.pic, 600, 450, FmRgb(255, 255, 255), 0);
  EXPECT_EQ(b.At(0, 0), MakePixel(1, 2, 3));
  EXPECT_EQ(b.At(1199, 899), MakePixel(1, 2, 3));
}

TEST(Draw, FarAwayFiguresAreClippedNotWalked) {
  Board b;
  RtDrawLine(&b.pic, -1e8, 5, 1e8, 5, 7);
  RtDrawLine(&b.pic, -1e8, -1e8, 1e8, 1e8, 7, LineShape::kFilledBox);
  RtDrawCircle(&b.pic, 0, 0, 1e7, 7);
  RtDrawPolyline(&b.pic, {{-1e9, -1e9, false}, {1e9, 0, false}, {0, 1e9, false}}, 7, true, 7);
  EXPECT_EQ(b.At(10, 5), kWhite);
  EXPECT_EQ(b.At(20, 20), kWhite);
}

}  // namespace
}  // namespace ham
