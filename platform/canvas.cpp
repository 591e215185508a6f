#include "platform/canvas.h"

namespace ham {

void Surface::Resize(int w, int h, Pixel fill) {
  Surface n(w, h, fill);
  for (int y = 0; y < h && y < h_; ++y)
    for (int x = 0; x < w && x < w_; ++x) n.Set(x, y, Get(x, y));
  *this = std::move(n);
}

// TODO(draw): all sixteen modes.
Pixel ApplyDrawMode(int mode, Pixel pen, Pixel dest) {
  (void)dest;
  (void)mode;
  return pen;
}

std::array<Pixel, 16> DefaultPalette() {
  return {MakePixel(0, 0, 0),       MakePixel(0, 0, 128),     MakePixel(0, 128, 0),
          MakePixel(0, 128, 128),   MakePixel(128, 0, 0),     MakePixel(128, 0, 128),
          MakePixel(128, 128, 0),   MakePixel(192, 192, 192), MakePixel(128, 128, 128),
          MakePixel(0, 0, 255),     MakePixel(0, 255, 0),     MakePixel(0, 255, 255),
          MakePixel(255, 0, 0),     MakePixel(255, 0, 255),   MakePixel(255, 255, 0),
          MakePixel(255, 255, 255)};
}

double Canvas::MapX(double x) const { return x; }
double Canvas::MapY(double y) const { return y; }
double Canvas::ScaleX() const { return 1; }
double Canvas::ScaleY() const { return 1; }

}  // namespace ham
