#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/internal.h"

namespace ham {

void Surface::Resize(int w, int h, Pixel fill) {
  Surface n(w, h, fill);
  const int keep = std::min(n.w_, w_);
  for (int y = 0; y < n.h_ && y < h_; ++y) std::copy(Row(y), Row(y) + keep, n.Row(y));
  *this = std::move(n);
}

Pixel ApplyDrawMode(int mode, Pixel pen, Pixel dest) {
  constexpr Pixel kMask = 0xFFFFFF;
  const Pixel p = pen & kMask;
  const Pixel d = dest & kMask;
  switch (mode) {
    case kDrawBlack: return 0;
    case kDrawNotMergePen: return ~(p | d) & kMask;
    case kDrawMaskNotPen: return d & ~p & kMask;
    case kDrawNotCopyPen: return ~p & kMask;
    case kDrawMaskPenNot: return p & ~d & kMask;
    case kDrawInvert: return ~d & kMask;
    case kDrawXorPen: return p ^ d;
    case kDrawNotMaskPen: return ~(p & d) & kMask;
    case kDrawMaskPen: return p & d;
    case kDrawNotXorPen: return ~(p ^ d) & kMask;
    case kDrawNop: return d;
    case kDrawMergeNotPen: return (d | ~p) & kMask;
    case kDrawCopyPen: return p;
    case kDrawMergePenNot: return (p | ~d) & kMask;
    case kDrawMergePen: return p | d;
    case kDrawWhite: return kMask;
    default: return p;  // unknown modes draw as copy pen
  }
}

namespace {
// Modes whose result is the pen alone (unknown modes draw as copy pen).
bool CopiesPen(int mode) { return mode == kDrawCopyPen || mode < kDrawBlack || mode > kDrawWhite; }
}  // namespace

void ApplyDrawModeRun(int mode, Pixel pen, Pixel* first, Pixel* last) {
  if (CopiesPen(mode)) {
    std::fill(first, last, pen & 0xFFFFFF);
    return;
  }
  for (Pixel* p = first; p != last; ++p) *p = ApplyDrawMode(mode, pen, *p);
}

void ApplyDrawModeRow(int mode, const Pixel* pen, Pixel* dest, int n) {
  if (CopiesPen(mode)) {
    for (int i = 0; i < n; ++i) dest[i] = pen[i] & 0xFFFFFF;
    return;
  }
  for (int i = 0; i < n; ++i) dest[i] = ApplyDrawMode(mode, pen[i], dest[i]);
}

std::array<Pixel, 16> DefaultPalette() {
  return {MakePixel(0, 0, 0),       MakePixel(0, 0, 128),     MakePixel(0, 128, 0),
          MakePixel(0, 128, 128),   MakePixel(128, 0, 0),     MakePixel(128, 0, 128),
          MakePixel(128, 128, 0),   MakePixel(192, 192, 192), MakePixel(128, 128, 128),
          MakePixel(0, 0, 255),     MakePixel(0, 255, 0),     MakePixel(0, 255, 255),
          MakePixel(255, 0, 0),     MakePixel(255, 0, 255),   MakePixel(255, 255, 0),
          MakePixel(255, 255, 255)};
}

// With a logical window, (wx1, wy1) lands on the viewport's first corner and
// (wx2, wy2) on its second; the viewport defaults to the whole surface.
// Without a window, coordinates are pixels.
namespace {
void ViewSpan(const Canvas& c, bool horizontal, double& v1, double& v2) {
  const DrawState& s = c.state();
  if (s.viewport) {
    v1 = horizontal ? s.vx1 : s.vy1;
    v2 = horizontal ? s.vx2 : s.vy2;
  } else {
    v1 = 0;
    v2 = (horizontal ? c.surface().width() : c.surface().height()) - 1;
  }
}
}  // namespace

double Canvas::MapX(double x) const {
  if (!state_.window || state_.wx2 == state_.wx1) return x;
  double v1, v2;
  ViewSpan(*this, true, v1, v2);
  return v1 + (x - state_.wx1) * (v2 - v1) / (state_.wx2 - state_.wx1);
}

double Canvas::MapY(double y) const {
  if (!state_.window || state_.wy2 == state_.wy1) return y;
  double v1, v2;
  ViewSpan(*this, false, v1, v2);
  return v1 + (y - state_.wy1) * (v2 - v1) / (state_.wy2 - state_.wy1);
}

double Canvas::ScaleX() const {
  if (!state_.window || state_.wx2 == state_.wx1) return 1;
  double v1, v2;
  ViewSpan(*this, true, v1, v2);
  return (v2 - v1) / (state_.wx2 - state_.wx1);
}

double Canvas::ScaleY() const {
  if (!state_.window || state_.wy2 == state_.wy1) return 1;
  double v1, v2;
  ViewSpan(*this, false, v1, v2);
  return (v2 - v1) / (state_.wy2 - state_.wy1);
}

namespace detail {
int RoundCoord(double v) {
  if (!std::isfinite(v)) return 0;
  v = std::clamp(v, -1e9, 1e9);
  return static_cast<int>(std::floor(v + 0.5));
}
}  // namespace detail

}  // namespace ham
