// Pictures: off-screen canvases loaded from .BMP files or made blank, drawn
// onto forms, and block copies between any two canvases.
#include <algorithm>
#include <cmath>

#include "platform/api.h"
#include "platform/internal.h"

namespace ham {

namespace {

using detail::TraceOp;
int Round(double v) { return detail::RoundCoord(v); }

constexpr int kMaxPictureSide = 16384;

}  // namespace

void FmNewPicture(Picture& picture) {
  picture.surface().Reset(0, 0);
  picture.loaded = false;
}

void FmLoadPicture(Picture& picture, std::string_view dos_path, Loc loc) {
  Runtime& rt = Runtime::Current();
  const std::string shown(dos_path);
  std::string error;
  std::optional<std::filesystem::path> host = detail::ResolveDosPath(rt, dos_path, &error);
  if (!host) rt.Fatal("cannot read picture " + shown + (error.empty() ? "" : ": " + error), loc);
  std::vector<std::uint8_t> bytes;
  if (!detail::ReadFileBytes(*host, bytes)) rt.Fatal("cannot read picture " + shown, loc);
  Surface image;
  if (!detail::DecodeBmpFile(bytes, image, &error))
    rt.Fatal("cannot read picture " + shown + ": " + error, loc);
  picture.surface() = std::move(image);
  picture.loaded = true;
}

void FmDrawPicture(Canvas* target, Picture& picture, double x, double y) {
  Canvas& c = detail::Target(target);
  TraceOp("picture")
      .Str("form", detail::TraceName(c))
      .Str("picture", detail::TraceName(picture))
      .Num("x", x)
      .Num("y", y);
  const Surface& src = picture.surface();
  Surface& dst = c.surface();
  const int mode = c.state().draw_mode;
  const int ox = Round(c.MapX(x)), oy = Round(c.MapY(y));
  const int x0 = std::max(0, -ox), x1 = std::min(src.width(), dst.width() - ox);
  const int y0 = std::max(0, -oy), y1 = std::min(src.height(), dst.height() - oy);
  if (x0 >= x1) return;
  for (int sy = y0; sy < y1; ++sy) {
    const Pixel* from = src.Row(sy);
    Pixel* to = dst.Row(oy + sy);
    ApplyDrawModeRow(mode, from + x0, to + ox + x0, x1 - x0);
  }
}

void FmNewPictureSize(Picture& picture, int width, int height) {
  picture.surface().Reset(std::clamp(width, 0, kMaxPictureSide), std::clamp(height, 0, kMaxPictureSide),
                          picture.PaletteColor(picture.state().background));
  picture.loaded = true;
}

// Positions are logical where the canvas has a window; the block is w x h
// pixels. Overlapping copies within one canvas work from a snapshot.
void FmCopyRect(Canvas* dst, double dx, double dy, int w, int h, Canvas* src, double sx, double sy) {
  Canvas& to = detail::Target(dst);
  Canvas& from = detail::Target(src);
  TraceOp("copy")
      .Str("form", detail::TraceName(to))
      .Num("x", dx)
      .Num("y", dy)
      .Int("w", w)
      .Int("h", h)
      .Str("src", detail::TraceName(from))
      .Num("sx", sx)
      .Num("sy", sy);
  if (w <= 0 || h <= 0) return;
  const int tx = Round(to.MapX(dx)), ty = Round(to.MapY(dy));
  const int fx = Round(from.MapX(sx)), fy = Round(from.MapY(sy));
  Surface snapshot;
  const Surface* source = &from.surface();
  if (&to == &from) {
    snapshot = from.surface();
    source = &snapshot;
  }
  Surface& target = to.surface();
  // Visible part of the block in both canvases.
  const int bx0 = std::max({0, -tx, -fx});
  const int by0 = std::max({0, -ty, -fy});
  const int bx1 = std::min({w, target.width() - tx, source->width() - fx});
  const int by1 = std::min({h, target.height() - ty, source->height() - fy});
  for (int y = by0; y < by1; ++y) {
    const Pixel* in = source->Row(fy + y);
    Pixel* out = target.Row(ty + y);
    for (int x = bx0; x < bx1; ++x) out[tx + x] = in[fx + x];
  }
}

void FmDeletePicture(Picture& picture) {
  picture.surface().Reset(0, 0);
  picture.loaded = false;
}

}  // namespace ham
