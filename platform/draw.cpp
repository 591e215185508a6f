// Drawing on a canvas: colours, logical window, lines, boxes, ellipses and
// arcs, polylines, flood fill. Every figure is rasterised into a Figure first
// so that each pixel meets the draw mode exactly once.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "platform/api.h"
#include "platform/internal.h"

namespace ham {

namespace {

using detail::TraceOp;
int Round(double v) { return detail::RoundCoord(v); }

// A colour value of the forms runtime (r | g << 8 | b << 16) as a pixel.
Pixel FromRgb(std::uint32_t rgb) {
  return MakePixel(static_cast<int>(rgb & 255), static_cast<int>((rgb >> 8) & 255),
                   static_cast<int>((rgb >> 16) & 255));
}

int Ink(const Canvas& c, int color) { return color < 0 ? c.state().foreground : color; }

// The pen's line style and draw mode, where they are not the plain ones.
void PenFields(TraceLine& t, const DrawState& st) {
  if (st.draw_style != 0) t.Int("style", st.draw_style);
  if (st.draw_mode != kDrawCopyPen) t.Int("mode", st.draw_mode);
}

// Whether the pen draws the idx-th pixel of a stroke under a line style.
bool PenOn(int style, long idx) {
  const long m = idx % 24;
  switch (style) {
    case 1: return m < 18;                                     // dash
    case 2: return idx % 6 < 3;                                // dot
    case 3: return m < 9 || (m >= 15 && m < 18);               // dash dot
    case 4: return m < 9 || (m >= 12 && m < 15) || (m >= 18 && m < 21);  // dash dot dot
    case 5: return false;                                      // transparent
    default: return true;                                      // solid
  }
}

// The pixels of one figure with their pen colours, inside a box clipped to
// the surface; later puts replace earlier ones. Each row holds its pixels as
// sorted, disjoint runs of one pen, so that a filled shape costs a run per
// row rather than a buffer of the whole box.
class Figure {
 public:
  Figure(const Surface& s, int x0, int y0, int x1, int y1) {
    x0_ = std::max(0, std::min(x0, x1));
    y0_ = std::max(0, std::min(y0, y1));
    int xe = std::min(s.width() - 1, std::max(x0, x1));
    int ye = std::min(s.height() - 1, std::max(y0, y1));
    w_ = xe >= x0_ ? xe - x0_ + 1 : 0;
    h_ = ye >= y0_ ? ye - y0_ + 1 : 0;
    rows_.resize(static_cast<std::size_t>(h_));
  }
  void Put(int x, int y, Pixel p) { Span(y, x, x, p); }
  // A horizontal run [xa, xb].
  void Span(int y, int xa, int xb, Pixel p) {
    if (y < y0_ || y >= y0_ + h_) return;
    xa = std::max(xa, x0_);
    xb = std::min(xb, x0_ + w_ - 1);
    if (xa > xb) return;
    Place(rows_[static_cast<std::size_t>(y - y0_)], Run{xa, xb, p});
  }
  void Commit(Surface& s, int mode) const {
    for (int y = 0; y < h_; ++y) {
      Pixel* row = s.Row(y0_ + y);
      for (const Run& r : rows_[static_cast<std::size_t>(y)])
        ApplyDrawModeRun(mode, r.pen, row + r.xa, row + r.xb + 1);
    }
  }

 private:
  struct Run {
    int xa, xb;
    Pixel pen;
  };
  // Lays `m` over a row's runs: what it covers goes, runs it cuts keep their
  // ends, and neighbours of the same pen join it.
  static void Place(std::vector<Run>& row, Run m) {
    if (row.empty() || row.back().xb < m.xa) {
      if (!row.empty() && row.back().xb + 1 == m.xa && row.back().pen == m.pen) {
        row.back().xb = m.xb;
      } else {
        row.push_back(m);
      }
      return;
    }
    auto lo = static_cast<std::size_t>(
        std::partition_point(row.begin(), row.end(), [&](const Run& r) { return r.xb < m.xa; }) - row.begin());
    std::size_t hi = lo;
    while (hi < row.size() && row[hi].xa <= m.xb) ++hi;
    Run parts[3];
    std::size_t n = 0;
    if (lo < hi && row[lo].xa < m.xa) parts[n++] = Run{row[lo].xa, m.xa - 1, row[lo].pen};
    parts[n++] = m;
    if (lo < hi && row[hi - 1].xb > m.xb) parts[n++] = Run{m.xb + 1, row[hi - 1].xb, row[hi - 1].pen};
    if (lo > 0 && row[lo - 1].xb + 1 == parts[0].xa && row[lo - 1].pen == parts[0].pen) parts[0].xa = row[--lo].xa;
    if (hi < row.size() && row[hi].xa == parts[n - 1].xb + 1 && row[hi].pen == parts[n - 1].pen)
      parts[n - 1].xb = row[hi++].xb;
    std::size_t k = 1;
    for (std::size_t i = 1; i < n; ++i) {
      if (parts[i].pen == parts[k - 1].pen) {
        parts[k - 1].xb = parts[i].xb;
      } else {
        parts[k++] = parts[i];
      }
    }
    // Replace row[lo, hi) by parts[0, k).
    const auto at = row.begin() + static_cast<std::ptrdiff_t>(lo);
    const std::size_t old = hi - lo;
    if (k <= old) {
      std::copy(parts, parts + k, at);
      row.erase(at + static_cast<std::ptrdiff_t>(k), at + static_cast<std::ptrdiff_t>(old));
    } else {
      std::copy(parts, parts + old, at);
      row.insert(at + static_cast<std::ptrdiff_t>(old), parts + old, parts + k);
    }
  }
  int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
  std::vector<std::vector<Run>> rows_;
};

using Point = std::pair<int, int>;
using Path = std::vector<Point>;

// Cuts a segment to the box [lo, hi] (Liang-Barsky); false when nothing is left.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double lox, double loy, double hix,
                 double hiy) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - lox, hix - x0, y0 - loy, hiy - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    double r = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
    if (t0 > t1) return false;
  }
  const double ox = x0, oy = y0;
  x0 = ox + t0 * dx;
  y0 = oy + t0 * dy;
  x1 = ox + t1 * dx;
  y1 = oy + t1 * dy;
  return true;
}

// Appends the pixels of a line (Bresenham) to a stroke; skip_first leaves out
// the start, which the segment before already holds. Far-away lines are cut
// to the surface's neighbourhood first.
void AppendLine(Path& path, const Surface& s, int x0, int y0, int x1, int y1, bool skip_first) {
  const int margin = 4 * std::max(s.width(), s.height()) + 64;
  auto far = [&](int v) { return v < -margin || v > margin; };
  if (far(x0) || far(y0) || far(x1) || far(y1)) {
    double a = x0, b = y0, c = x1, d = y1;
    if (!ClipSegment(a, b, c, d, -2, -2, s.width() + 1, s.height() + 1)) return;
    x0 = Round(a);
    y0 = Round(b);
    x1 = Round(c);
    y1 = Round(d);
    skip_first = false;
  }
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  bool first = true;
  for (;;) {
    if (!(first && skip_first)) path.emplace_back(x0, y0);
    first = false;
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Stroke(Figure& fig, const Path& path, Pixel pen, int style) {
  long idx = 0;
  for (const Point& p : path) {
    if (PenOn(style, idx)) fig.Put(p.first, p.second, pen);
    ++idx;
  }
}

void BoundsOf(const Path& path, int& x0, int& y0, int& x1, int& y1) {
  x0 = y0 = 1 << 30;
  x1 = y1 = -(1 << 30);
  for (const Point& p : path) {
    x0 = std::min(x0, p.first);
    y0 = std::min(y0, p.second);
    x1 = std::max(x1, p.first);
    y1 = std::max(y1, p.second);
  }
}

// Outline of an inclusive pixel rectangle, clockwise from the top left,
// each pixel once (a zero-height box is one run).
Path BoxPath(int x0, int y0, int x1, int y1) {
  Path p;
  for (int x = x0; x <= x1; ++x) p.emplace_back(x, y0);
  if (y1 == y0) return p;
  for (int y = y0 + 1; y <= y1; ++y) p.emplace_back(x1, y);
  if (x1 == x0) return p;
  for (int x = x1 - 1; x >= x0; --x) p.emplace_back(x, y1);
  for (int y = y1 - 1; y > y0; --y) p.emplace_back(x0, y);
  return p;
}

// Even-odd scanline fill of a polygon with pixel vertices.
void FillPolygon(Figure& fig, const std::vector<Point>& v, Pixel color, int rows_lo, int rows_hi) {
  const std::size_t n = v.size();
  if (n < 3) return;
  int ylo = v[0].second, yhi = v[0].second;
  for (const Point& p : v) {
    ylo = std::min(ylo, p.second);
    yhi = std::max(yhi, p.second);
  }
  ylo = std::max(ylo, rows_lo);
  yhi = std::min(yhi, rows_hi);
  std::vector<double> xs;
  for (int y = ylo; y <= yhi; ++y) {
    xs.clear();
    const double yc = y;  // vertices and rows are pixel centres
    for (std::size_t i = 0; i < n; ++i) {
      const Point& a = v[i];
      const Point& b = v[(i + 1) % n];
      if (a.second == b.second) continue;
      const double ya = a.second, yb = b.second;
      if ((yc >= ya && yc < yb) || (yc >= yb && yc < ya))
        xs.push_back(a.first + (yc - ya) * (b.first - a.first) / (yb - ya));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      int xa = static_cast<int>(std::ceil(std::max(xs[k], -1e9)));
      int xb = static_cast<int>(std::floor(std::min(xs[k + 1], 1e9)));
      fig.Span(y, xa, xb, color);
    }
  }
}

}  // namespace

// ----- state ------------------------------------------------------------------

void RtClearScreen(Canvas* target, int mode) {
  Canvas& c = detail::Target(target);
  TraceOp("clear").Str("form", detail::TraceName(c)).Int("mode", mode);
  c.surface().Fill(c.PaletteColor(c.state().background));
}

void RtSetWindow(Canvas* target, int flag1, double x1, double y1, int flag2, double x2, double y2) {
  (void)flag1;
  (void)flag2;
  Canvas& c = detail::Target(target);
  DrawState& s = c.state();
  // Traced when it changes: the frame sets the same window again and again.
  if (!s.window || s.wx1 != x1 || s.wy1 != y1 || s.wx2 != x2 || s.wy2 != y2)
    TraceOp("window").Str("form", detail::TraceName(c)).Num("x1", x1).Num("y1", y1).Num("x2", x2).Num("y2", y2);
  s.window = true;
  s.wx1 = x1;
  s.wy1 = y1;
  s.wx2 = x2;
  s.wy2 = y2;
}

void RtSetViewport(Canvas* target, int x1, int y1, int x2, int y2, int a, int b, int c) {
  (void)a;
  (void)b;
  (void)c;
  DrawState& s = detail::Target(target).state();
  s.viewport = true;
  s.vx1 = x1;
  s.vy1 = y1;
  s.vx2 = x2;
  s.vy2 = y2;
}

void RtSetPalette(Canvas* target, int index, int green, int red, int blue) {
  auto clamp = [](int v) { return std::clamp(v, 0, 255); };
  detail::Target(target).palette()[static_cast<std::size_t>(index & 15)] =
      MakePixel(clamp(red), clamp(green), clamp(blue));
}

void RtSetColor(Canvas* target, int fg, int bg, int c3, int c4, int mask) {
  DrawState& s = detail::Target(target).state();
  if (mask & 1) s.foreground = fg;
  if (mask & 2) s.background = bg;
  if (mask & 4) s.color3 = c3;
  if (mask & 8) s.color4 = c4;
}

void FmSetDrawMode(Canvas* target, int mode) { detail::Target(target).state().draw_mode = mode; }
void FmSetDrawStyle(Canvas* target, int style) { detail::Target(target).state().draw_style = style; }
void FmSetFillStyle(Canvas* target, int style) { detail::Target(target).state().fill_style = style; }

void FmSetFillColor(Canvas* target, std::uint32_t rgb) {
  detail::Target(target).state().fill_color = FromRgb(rgb);
}

std::uint32_t FmRgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r & 255) | (static_cast<std::uint32_t>(g & 255) << 8) |
         (static_cast<std::uint32_t>(b & 255) << 16);
}

// ----- lines and boxes --------------------------------------------------------------

void RtDrawLine(Canvas* target, double x1, double y1, double x2, double y2, int color, LineShape shape,
                int fill_color) {
  Canvas& c = detail::Target(target);
  const int ink = Ink(c, color);
  {
    TraceLine t = TraceOp(shape == LineShape::kLine ? "line" : "box");
    t.Str("form", detail::TraceName(c)).Num("x1", x1).Num("y1", y1).Num("x2", x2).Num("y2", y2);
    t.Int("color", ink);
    if (shape == LineShape::kFilledBox) t.Bool("filled", true).Int("fill", fill_color >= 0 ? fill_color : ink);
    PenFields(t, c.state());
  }
  Surface& s = c.surface();
  const DrawState& st = c.state();
  const Pixel pen = c.PaletteColor(ink);
  int px1 = Round(c.MapX(x1)), py1 = Round(c.MapY(y1));
  int px2 = Round(c.MapX(x2)), py2 = Round(c.MapY(y2));

  if (shape == LineShape::kLine) {
    Path path;
    AppendLine(path, s, px1, py1, px2, py2, false);
    int bx0, by0, bx1, by1;
    BoundsOf(path, bx0, by0, bx1, by1);
    Figure fig(s, bx0, by0, bx1, by1);
    Stroke(fig, path, pen, st.draw_style);
    fig.Commit(s, st.draw_mode);
    return;
  }

  // Boxes: corners in order, held just outside the surface so that huge
  // boxes cost no more than the surface.
  auto hold = [](int v, int size) { return std::clamp(v, -1, size); };
  int x0 = hold(std::min(px1, px2), s.width()), x1p = hold(std::max(px1, px2), s.width());
  int y0 = hold(std::min(py1, py2), s.height()), y1p = hold(std::max(py1, py2), s.height());
  Figure fig(s, x0, y0, x1p, y1p);
  if (shape == LineShape::kFilledBox) {
    const bool framed = fill_color >= 0;
    const Pixel inside = framed ? c.PaletteColor(fill_color) : pen;
    for (int y = y0; y <= y1p; ++y) fig.Span(y, x0, x1p, inside);
    if (framed) Stroke(fig, BoxPath(x0, y0, x1p, y1p), pen, st.draw_style);
  } else {
    Stroke(fig, BoxPath(x0, y0, x1p, y1p), pen, st.draw_style);
  }
  fig.Commit(s, st.draw_mode);
}

// ----- circles, ellipses, arcs ----------------------------------------------------------

void RtDrawCircle(Canvas* target, double x, double y, double r, int color, double aspect, double start,
                  double end, bool fill, int fill_color) {
  Canvas& c = detail::Target(target);
  const int ink = Ink(c, color);
  const int fill_ink = fill_color >= 0 ? fill_color : ink;
  {
    TraceLine t = TraceOp("circle");
    t.Str("form", detail::TraceName(c)).Num("x", x).Num("y", y).Num("r", r).Int("color", ink);
    t.Num("aspect", aspect).Num("start", start).Num("end", end);
    if (fill) t.Bool("filled", true).Int("fill", fill_ink);
    PenFields(t, c.state());
  }
  Surface& s = c.surface();
  const DrawState& st = c.state();
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r) || !std::isfinite(aspect) ||
      !std::isfinite(start) || !std::isfinite(end))
    return;

  // Both radii scale with the horizontal factor, so that aspect 1 is round in
  // pixels whatever the logical window; the vertical radius is r * aspect.
  const double cx = c.MapX(x), cy = c.MapY(y);
  const double rx = std::fabs(r * c.ScaleX());
  const double ry = std::fabs(r * aspect * c.ScaleX());

  // Angles in turns from +x towards +y (downwards on the screen); a start
  // above the end runs through 0; equal angles are the whole figure.
  const bool whole = start == end;
  double a0 = 0, a1 = 1;
  if (!whole) {
    a0 = start - std::floor(start);
    a1 = end - std::floor(end);
    if (end != 0 && a1 == 0) a1 = 1;  // an end of 1.0 is the full turn
    if (a1 <= a0) a1 += 1;
  }

  constexpr double kTurn = 2 * std::numbers::pi;
  auto at = [&](double a, int& px, int& py) {
    px = Round(cx + rx * std::cos(a * kTurn));
    py = Round(cy + ry * std::sin(a * kTurn));
  };
  const double perimeter = kTurn * std::max(rx, ry) * (a1 - a0);
  const int steps = static_cast<int>(std::clamp(std::ceil(perimeter * 2), 8.0, 20000.0));
  Path outline;
  int lx, ly;
  at(a0, lx, ly);
  outline.emplace_back(lx, ly);
  for (int k = 1; k <= steps; ++k) {
    int px, py;
    at(a0 + (a1 - a0) * k / steps, px, py);
    if (px == lx && py == ly) continue;
    AppendLine(outline, s, lx, ly, px, py, true);
    lx = px;
    ly = py;
  }
  const int ccx = Round(cx), ccy = Round(cy);
  if (fill && !whole) {
    // A filled part is a pie: the arc and both radii.
    int sx, sy;
    at(a0, sx, sy);
    AppendLine(outline, s, lx, ly, ccx, ccy, true);
    AppendLine(outline, s, ccx, ccy, sx, sy, true);
  }

  int bx0, by0, bx1, by1;
  BoundsOf(outline, bx0, by0, bx1, by1);
  if (fill) {
    bx0 = std::min(bx0, Round(cx - rx));
    bx1 = std::max(bx1, Round(cx + rx));
    by0 = std::min(by0, Round(cy - ry));
    by1 = std::max(by1, Round(cy + ry));
  }
  Figure fig(s, bx0, by0, bx1, by1);
  if (fill) {
    const Pixel inside = c.PaletteColor(fill_ink);
    const int ylo = std::max(Round(cy - ry), 0), yhi = std::min(Round(cy + ry), s.height() - 1);
    for (int py = ylo; py <= yhi; ++py) {
      const double dy = py - cy;
      const double t = ry > 0 ? 1 - (dy / ry) * (dy / ry) : (std::fabs(dy) <= 0.5 ? 1 : -1);
      if (t < 0) continue;
      const double dx = rx * std::sqrt(t);
      const int xa = std::max(Round(cx - dx), 0), xb = std::min(Round(cx + dx), s.width() - 1);
      if (whole) {
        fig.Span(py, xa, xb, inside);
        continue;
      }
      for (int px = xa; px <= xb; ++px) {
        double ang = std::atan2(ry > 0 ? dy / ry : 0, rx > 0 ? (px - cx) / rx : 0) / kTurn;
        if (ang < 0) ang += 1;
        if ((ang >= a0 && ang <= a1) || (ang + 1 >= a0 && ang + 1 <= a1) || (px == ccx && py == ccy))
          fig.Put(px, py, inside);
      }
    }
  }
  Stroke(fig, outline, c.PaletteColor(ink), st.draw_style);
  fig.Commit(s, st.draw_mode);
}

// ----- polylines ------------------------------------------------------------------

void RtDrawPolyline(Canvas* target, const std::vector<PolyPoint>& points, int color, bool filled,
                    int fill_color) {
  Canvas& c = detail::Target(target);
  const int ink = Ink(c, color);
  const int fill_ink = fill_color >= 0 ? fill_color : ink;
  {
    std::vector<double> xy, rel;
    for (const PolyPoint& p : points) {
      xy.push_back(p.x);
      xy.push_back(p.y);
      rel.push_back(p.relative ? 1 : 0);
    }
    TraceLine t = TraceOp("polyline");
    t.Str("form", detail::TraceName(c)).Nums("points", xy).Nums("rel", rel).Int("color", ink);
    if (filled) t.Bool("filled", true).Int("fill", fill_ink);
    PenFields(t, c.state());
  }
  if (points.empty()) return;
  Surface& s = c.surface();
  const DrawState& st = c.state();

  std::vector<Point> v;
  double ax = 0, ay = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PolyPoint& p = points[i];
    if (i > 0 && p.relative) {
      ax += p.x;
      ay += p.y;
    } else {
      ax = p.x;
      ay = p.y;
    }
    v.emplace_back(Round(c.MapX(ax)), Round(c.MapY(ay)));
  }
  // A closed chain repeats its first point; the fill needs it only once.
  std::vector<Point> ring = v;
  if (ring.size() > 1 && ring.front() == ring.back()) ring.pop_back();

  Path outline;
  outline.push_back(v[0]);
  for (std::size_t i = 1; i < v.size(); ++i)
    AppendLine(outline, s, v[i - 1].first, v[i - 1].second, v[i].first, v[i].second, true);
  if (filled && v.back() != v.front())
    AppendLine(outline, s, v.back().first, v.back().second, v.front().first, v.front().second, true);

  int bx0, by0, bx1, by1;
  BoundsOf(outline, bx0, by0, bx1, by1);
  for (const Point& p : ring) {
    bx0 = std::min(bx0, p.first);
    by0 = std::min(by0, p.second);
    bx1 = std::max(bx1, p.first);
    by1 = std::max(by1, p.second);
  }
  Figure fig(s, bx0, by0, bx1, by1);
  if (filled) FillPolygon(fig, ring, c.PaletteColor(fill_ink), 0, s.height() - 1);
  Stroke(fig, outline, c.PaletteColor(ink), st.draw_style);
  fig.Commit(s, st.draw_mode);
}

// ----- flood fill -------------------------------------------------------------------

// Scanline fill over 4-connected pixels, with an explicit stack. A
// transparent fill style paints nothing.
void FmFloodFill(Canvas* target, double x, double y, std::uint32_t border_rgb, int mode) {
  Canvas& c = detail::Target(target);
  const DrawState& st = c.state();
  {
    TraceLine t = TraceOp("fill");
    t.Str("form", detail::TraceName(c)).Num("x", x).Num("y", y).Int("border", border_rgb).Int("mode", mode);
    t.Int("rgb", FmRgb(PixelR(st.fill_color), PixelG(st.fill_color), PixelB(st.fill_color)));
    if (st.fill_style == 1) t.Bool("transparent", true);
  }
  Surface& s = c.surface();
  if (st.fill_style == 1) return;
  const int sx = Round(c.MapX(x)), sy = Round(c.MapY(y));
  if (!s.Contains(sx, sy)) return;
  const Pixel border = FromRgb(border_rgb);
  const Pixel seed = s.Get(sx, sy);
  auto inside = [&](int px, int py) {
    const Pixel p = s.Get(px, py);
    return mode == 1 ? p == seed : p != border;
  };
  if (!inside(sx, sy)) return;

  const int w = s.width(), h = s.height();
  std::vector<std::uint8_t> done(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  auto idx = [w](int px, int py) {
    return static_cast<std::size_t>(py) * static_cast<std::size_t>(w) + static_cast<std::size_t>(px);
  };
  std::vector<Point> stack;
  stack.emplace_back(sx, sy);
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (done[idx(px, py)] || !inside(px, py)) continue;
    int xl = px, xr = px;
    while (xl > 0 && !done[idx(xl - 1, py)] && inside(xl - 1, py)) --xl;
    while (xr < w - 1 && !done[idx(xr + 1, py)] && inside(xr + 1, py)) ++xr;
    for (int k = xl; k <= xr; ++k) done[idx(k, py)] = 1;
    for (int ny : {py - 1, py + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool run = false;
      for (int k = xl; k <= xr; ++k) {
        const bool open = !done[idx(k, ny)] && inside(k, ny);
        if (open && !run) stack.emplace_back(k, ny);
        run = open;
      }
    }
  }
  // Paint after the search so that the test above sees the old colours.
  for (int py = 0; py < h; ++py) {
    Pixel* row = s.Row(py);
    for (int px = 0; px < w; ++px)
      if (done[idx(px, py)]) row[px] = st.fill_color;
  }
}

}  // namespace ham
