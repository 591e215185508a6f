// Drawing targets: a true-colour surface with a 16-entry palette and the
// drawing state that the runtime keeps per target (logical window, colours,
// font, pen, text cursor).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ham {

// 0x00RRGGBB
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(int r, int g, int b) {
  return (static_cast<Pixel>(r & 255) << 16) | (static_cast<Pixel>(g & 255) << 8) |
         static_cast<Pixel>(b & 255);
}
constexpr int PixelR(Pixel p) { return static_cast<int>((p >> 16) & 255); }
constexpr int PixelG(Pixel p) { return static_cast<int>((p >> 8) & 255); }
constexpr int PixelB(Pixel p) { return static_cast<int>(p & 255); }

class Surface {
 public:
  Surface() = default;
  Surface(int w, int h, Pixel fill = 0) { Reset(w, h, fill); }

  void Reset(int w, int h, Pixel fill = 0) {
    w_ = w < 0 ? 0 : w;
    h_ = h < 0 ? 0 : h;
    px_.assign(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), fill);
  }
  // Keeps the overlapping part, fills the rest.
  void Resize(int w, int h, Pixel fill);

  int width() const { return w_; }
  int height() const { return h_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Pixel Get(int x, int y) const { return Contains(x, y) ? px_[Index(x, y)] : 0; }
  void Set(int x, int y, Pixel p) {
    if (Contains(x, y)) px_[Index(x, y)] = p;
  }
  Pixel* Row(int y) { return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_); }
  const Pixel* Row(int y) const {
    return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
  }
  void Fill(Pixel p) { px_.assign(px_.size(), p); }
  bool empty() const { return px_.empty(); }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x);
  }
  int w_ = 0;
  int h_ = 0;
  std::vector<Pixel> px_;
};

// Raster operations of FmSetDrawMode (the classic 16 binary pen modes).
enum DrawMode : int {
  kDrawBlack = 1,
  kDrawNotMergePen = 2,
  kDrawMaskNotPen = 3,
  kDrawNotCopyPen = 4,
  kDrawMaskPenNot = 5,
  kDrawInvert = 6,
  kDrawXorPen = 7,
  kDrawNotMaskPen = 8,
  kDrawMaskPen = 9,
  kDrawNotXorPen = 10,
  kDrawNop = 11,
  kDrawMergeNotPen = 12,
  kDrawCopyPen = 13,
  kDrawMergePenNot = 14,
  kDrawMergePen = 15,
  kDrawWhite = 16,
};

// Combines a source pixel with the destination pixel under a draw mode.
Pixel ApplyDrawMode(int mode, Pixel pen, Pixel dest);
// The same for one pen over the pixels [first, last).
void ApplyDrawModeRun(int mode, Pixel pen, Pixel* first, Pixel* last);
// The same for n pixels, each with its own pen.
void ApplyDrawModeRow(int mode, const Pixel* pen, Pixel* dest, int n);

struct DrawState {
  // Logical window (RtSetWindow); off means pixel coordinates.
  bool window = false;
  double wx1 = 0, wy1 = 0, wx2 = 0, wy2 = 0;
  // Viewport in pixels (RtSetViewport); off means the whole surface.
  bool viewport = false;
  int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;

  int foreground = 7;
  int background = 0;
  int color3 = 7;
  int color4 = 4;

  std::string font_name = "標準明朝";
  double font_size = 16;

  int draw_mode = kDrawCopyPen;
  int draw_style = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
  int fill_style = 1;  // 0 solid, 1 transparent
  Pixel fill_color = 0;

  int text_col = 0;
  int text_row = 0;
};

// The runtime's default palette of a new target: the sixteen classic colours.
std::array<Pixel, 16> DefaultPalette();

// A drawing target: the client area of a form, or a picture.
class Canvas {
 public:
  explicit Canvas(std::string trace_name = {}) : name_(std::move(trace_name)), palette_(DefaultPalette()) {}
  virtual ~Canvas() = default;
  Canvas(const Canvas&) = default;
  Canvas& operator=(const Canvas&) = default;

  const std::string& name() const { return name_; }
  void set_name(std::string n) { name_ = std::move(n); }

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  DrawState& state() { return state_; }
  const DrawState& state() const { return state_; }
  std::array<Pixel, 16>& palette() { return palette_; }
  const std::array<Pixel, 16>& palette() const { return palette_; }

  Pixel PaletteColor(int index) const { return palette_[static_cast<std::size_t>(index & 15)]; }

  // Logical to pixel mapping of the current window and viewport.
  double MapX(double x) const;
  double MapY(double y) const;
  // Logical length to pixels (for radii, horizontal scale).
  double ScaleX() const;
  double ScaleY() const;

 private:
  std::string name_;
  Surface surface_;
  DrawState state_;
  std::array<Pixel, 16> palette_;
};

class Picture : public Canvas {
 public:
  explicit Picture(std::string trace_name = "picture") : Canvas(std::move(trace_name)) {}
  bool loaded = false;
};

}  // namespace ham
