// Figure steps of the parallelogram and trapezoid lesson's pages and
// problems: polygons and brackets by relative steps, blinks by the counter.
#include "lessons/parallelogram-trapezoid/lesson.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

Step Polygon(double x, double y, const Offsets& steps, int color, bool filled) {
  PolylineStep p;
  p.points.push_back({x, y, false});
  double dx = 0, dy = 0;
  for (const auto& [sx, sy] : steps) {
    p.points.push_back({sx, sy, true});
    dx += sx;
    dy += sy;
  }
  if (dx != 0 || dy != 0) p.points.push_back({-dx, -dy, true});
  p.color = color;
  p.filled = filled;
  p.fill = filled ? color : -1;
  return p;
}

Step Bracket(double x, double y, const Offsets& steps, int color) {
  PolylineStep p;
  p.points.push_back({x, y, false});
  for (const auto& [sx, sy] : steps) p.points.push_back({sx, sy, true});
  p.color = color;
  return p;
}

Step DrawMode(int mode) { return DrawModeStep{mode}; }
Step Window(double x2, double y2) { return WindowStep{0, 0, x2, y2}; }

void BlinkByCounter(Steps& out, double x, double y, const std::string& text, int first, int last, int color,
                    float pause) {
  for (int i = first; i <= last; ++i) {
    out.push_back(Text(x, y, text, (i % 2) * color));
    out.push_back(Pause(pause));
  }
}

}  // namespace ham::lessons::parallelogram_trapezoid
