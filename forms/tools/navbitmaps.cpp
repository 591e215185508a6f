// navbitmaps: draws the seven navigation button pictures.
//
//   navbitmaps DIR
//
// Writes DIR/<NAME>.dib for BEFOR, EXIT, HEAD, LAST, NEXT, TOP and WHERE:
// 170 x 33 pixels, 24 bits, two 85 x 33 frames side by side, the left one
// raised (at rest), the right one sunken (pressed) with the same picture.
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/internal.h"

namespace {

using ham::Pixel;
using ham::Surface;

constexpr int kFrameW = 85;
constexpr int kFrameH = 33;

constexpr Pixel kFace = 0xC0C0C0;
constexpr Pixel kLight = 0xFFFFFF;
constexpr Pixel kShadow = 0x808080;
constexpr Pixel kDark = 0x000000;

struct Point {
  int x, y;
};

// Drawing in one frame: coordinates relative to an origin.
class Pen {
 public:
  Pen(Surface& s, int ox, int oy) : s_(s), ox_(ox), oy_(oy) {}

  void Set(int x, int y, Pixel p) { s_.Set(ox_ + x, oy_ + y, p); }

  void FillRect(int x1, int y1, int x2, int y2, Pixel p) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) Set(x, y, p);
  }
  void FrameRect(int x1, int y1, int x2, int y2, Pixel p) {
    Line({x1, y1}, {x2, y1}, p);
    Line({x2, y1}, {x2, y2}, p);
    Line({x2, y2}, {x1, y2}, p);
    Line({x1, y2}, {x1, y1}, p);
  }
  void Line(Point a, Point b, Pixel p, int thick = 1) {
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      int lo = -(thick - 1) / 2, hi = thick / 2;
      FillRect(a.x + lo, a.y + lo, a.x + hi, a.y + hi, p);
      if (a.x == b.x && a.y == b.y) break;
      int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        a.x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        a.y += sy;
      }
    }
  }
  // Filled polygon (pixel centres inside, even-odd), then its outline.
  void Polygon(const std::vector<Point>& pts, Pixel fill, Pixel outline) {
    int ymin = pts[0].y, ymax = pts[0].y;
    for (const Point& p : pts) {
      ymin = std::min(ymin, p.y);
      ymax = std::max(ymax, p.y);
    }
    for (int y = ymin; y <= ymax; ++y) {
      double cy = y + 0.5;
      std::vector<double> xs;
      for (std::size_t i = 0; i < pts.size(); ++i) {
        Point a = pts[i], b = pts[(i + 1) % pts.size()];
        if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy))
          xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
      }
      std::sort(xs.begin(), xs.end());
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
        for (int x = static_cast<int>(xs[i] + 0.5); x + 0.5 < xs[i + 1]; ++x) Set(x, y, fill);
    }
    for (std::size_t i = 0; i < pts.size(); ++i) Line(pts[i], pts[(i + 1) % pts.size()], outline);
  }

 private:
  Surface& s_;
  int ox_, oy_;
};

// The figures, each in a 23 x 23 box.
void DrawBefor(Pen& p) {
  p.Polygon({{0, 11}, {10, 1}, {10, 7}, {21, 7}, {21, 15}, {10, 15}, {10, 21}}, 0x2040D0, kDark);
}
void DrawNext(Pen& p) {
  p.Polygon({{21, 11}, {11, 1}, {11, 7}, {0, 7}, {0, 15}, {11, 15}, {11, 21}}, 0x2040D0, kDark);
}
void DrawHead(Pen& p) {
  p.FillRect(0, 1, 3, 21, 0x2040D0);
  p.FrameRect(0, 1, 3, 21, kDark);
  p.Polygon({{5, 11}, {21, 1}, {21, 21}}, 0x2040D0, kDark);
}
void DrawLast(Pen& p) {
  Pixel green = 0x108020;
  p.Line({7, 6}, {15, 6}, green, 3);
  p.Line({15, 6}, {20, 11}, green, 3);
  p.Line({20, 11}, {20, 13}, green, 3);
  p.Line({20, 13}, {15, 18}, green, 3);
  p.Line({15, 18}, {5, 18}, green, 3);
  p.Polygon({{0, 6}, {8, 0}, {8, 12}}, green, kDark);
}
void DrawWhere(Pen& p) {
  p.Polygon({{3, 0}, {13, 0}, {18, 5}, {18, 21}, {3, 21}}, kLight, kDark);
  p.Line({13, 0}, {13, 5}, kDark);
  p.Line({13, 5}, {18, 5}, kDark);
  for (int y = 8; y <= 18; y += 3) p.Line({6, y}, {15, y}, kShadow);
}
void DrawTop(Pen& p) {
  p.FillRect(3, 10, 19, 21, 0xF0E0A0);
  p.FrameRect(3, 10, 19, 21, kDark);
  p.Polygon({{0, 11}, {11, 0}, {22, 11}}, 0xC02020, kDark);
  p.FillRect(9, 14, 13, 21, 0x805020);
  p.FrameRect(9, 14, 13, 21, kDark);
}
void DrawExit(Pen& p) {
  p.FillRect(1, 0, 12, 21, 0x906030);
  p.FrameRect(1, 0, 12, 21, kDark);
  p.FillRect(9, 10, 10, 11, 0xF0D040);
  p.Line({10, 15}, {17, 15}, 0xD02020, 3);
  p.Polygon({{16, 10}, {22, 15}, {16, 20}}, 0xD02020, kDark);
}

struct Button {
  const char* name;
  const char* caption;
  void (*figure)(Pen&);
};

constexpr Button kButtons[] = {
    {"BEFOR", "前へ", DrawBefor},   {"EXIT", "終わり", DrawExit}, {"HEAD", "始め", DrawHead},
    {"LAST", "戻る", DrawLast},     {"NEXT", "次へ", DrawNext},   {"TOP", "目次", DrawTop},
    {"WHERE", "ページ", DrawWhere},
};

constexpr const char* kCaptionFace = "ＭＳ Ｐゴシック";
constexpr double kTextSize = 12;

// One frame at x0: bevel, figure and caption; pressed frames are sunken and
// their content moves one pixel down and right.
void DrawFrame(Surface& s, int x0, const Button& b, bool pressed) {
  Pen pen(s, x0, 0);
  pen.FillRect(0, 0, kFrameW - 1, kFrameH - 1, kFace);
  int r = kFrameW - 1, btm = kFrameH - 1;
  if (!pressed) {
    pen.Line({0, 0}, {r - 1, 0}, kLight);
    pen.Line({0, 0}, {0, btm - 1}, kLight);
    pen.Line({0, btm}, {r, btm}, kDark);
    pen.Line({r, 0}, {r, btm}, kDark);
    pen.Line({1, btm - 1}, {r - 1, btm - 1}, kShadow);
    pen.Line({r - 1, 1}, {r - 1, btm - 1}, kShadow);
  } else {
    pen.Line({0, 0}, {r, 0}, kDark);
    pen.Line({0, 0}, {0, btm}, kDark);
    pen.Line({1, 1}, {r - 1, 1}, kShadow);
    pen.Line({1, 1}, {1, btm - 1}, kShadow);
    pen.Line({1, btm}, {r, btm}, kLight);
    pen.Line({r, 1}, {r, btm}, kLight);
  }
  int shift = pressed ? 1 : 0;
  Pen fig(s, x0 + 7 + shift, 5 + shift);
  b.figure(fig);
  ham::detail::TextExtent ext = ham::detail::MeasureText(kCaptionFace, kTextSize, b.caption);
  int area_x = 33, area_w = kFrameW - 4 - area_x;
  int tx = area_x + (ext.width > 0 && ext.width < area_w ? (area_w - ext.width) / 2 : 2);
  int th = ext.height > 0 ? ext.height : static_cast<int>(kTextSize);
  int ty = (kFrameH - th) / 2;
  ham::detail::DrawTextPixels(s, x0 + tx + shift, ty + shift, b.caption, kCaptionFace, kTextSize, kDark);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: navbitmaps DIR\n";
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (const Button& b : kButtons) {
    Surface s(2 * kFrameW, kFrameH, kFace);
    DrawFrame(s, 0, b, false);
    DrawFrame(s, kFrameW, b, true);
    std::vector<std::uint8_t> dib = ham::detail::EncodeDib24(s, 3790, 3800);
    std::ofstream out(dir / (std::string(b.name) + ".dib"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(dib.data()), static_cast<std::streamsize>(dib.size()));
    if (!out) {
      std::cerr << "navbitmaps: cannot write into " << dir << "\n";
      return 1;
    }
  }
  return 0;
}
