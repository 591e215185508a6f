#include "lessons/polygon-area/lesson.h"

#include "frame/frame.h"

namespace ham::lessons::polygon_area {

using namespace ham::frame;

namespace {

std::vector<PolyPoint> Chain(const Points& points) {
  std::vector<PolyPoint> out;
  for (const auto& [x, y] : points) out.push_back({x, y, false});
  return out;
}

}  // namespace

Step Window479() { return WindowStep{0, 0, 639, 479}; }

Blinking BlinkLine(double x1, double y1, double x2, double y2, int on_even, int on_odd) {
  Blinking b;
  b.kind = Blinking::Kind::kLine;
  b.points = {{x1, y1}, {x2, y2}};
  b.on_even = on_even;
  b.on_odd = on_odd;
  return b;
}

Blinking BlinkPolygon(Points points, int fill, int outline) {
  Blinking b;
  b.kind = Blinking::Kind::kPolygon;
  b.points = std::move(points);
  b.on_even = 0;
  b.on_odd = fill;
  b.outline = outline;
  return b;
}

Blinking BlinkText(double x, double y, std::string text, int on_even, int on_odd) {
  Blinking b;
  b.kind = Blinking::Kind::kText;
  b.points = {{x, y}};
  b.text = std::move(text);
  b.on_even = on_even;
  b.on_odd = on_odd;
  return b;
}

Step BlinkSteps(int first, int last, std::vector<Blinking> items, float pause) {
  return Call([first, last, items = std::move(items), pause](Frame& f) {
    for (int i = first; i <= last; ++i) {
      for (const Blinking& b : items) {
        int c = (i % 2 != 0) ? b.on_odd : b.on_even;
        switch (b.kind) {
          case Blinking::Kind::kLine:
            RtDrawLine(nullptr, b.points[0].first, b.points[0].second, b.points[1].first, b.points[1].second, c);
            break;
          case Blinking::Kind::kPolygon:
            RtDrawPolyline(nullptr, Chain(b.points), b.outline, true, c);
            break;
          case Blinking::Kind::kText:
            RtDrawText(nullptr, b.points[0].first, b.points[0].second, b.text, c);
            break;
        }
      }
      f.Pause(pause);
    }
  });
}

}  // namespace ham::lessons::polygon_area
