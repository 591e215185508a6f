#include "frame/figures.h"

#include "frame/frame.h"

namespace ham::frame {

Step Arc(double x, double y, double r, double aspect, double start, double end, int color) {
  return CircleStep{x, y, r, color, aspect, start, end};
}

Shape Closed(Points corners) { return Shape{std::move(corners), false, true, std::nullopt}; }

Shape ClosedBySteps(double x, double y, Points steps, std::optional<std::pair<double, double>> close_at) {
  steps.insert(steps.begin(), std::make_pair(x, y));
  return Shape{std::move(steps), true, true, close_at};
}

Shape Open(Points points) { return Shape{std::move(points), false, false, std::nullopt}; }

Shape OpenBySteps(double x, double y, Points steps) {
  steps.insert(steps.begin(), std::make_pair(x, y));
  return Shape{std::move(steps), true, false, std::nullopt};
}

Step Polygon(Shape shape, int outline, int fill) { return PolygonStep{std::move(shape), outline, fill}; }

Step Polyline(Points points, int color) { return Polygon(Open(std::move(points)), color); }

void DrawPolygon(Canvas* target, const PolygonStep& p) {
  const Shape& s = p.shape;
  std::vector<PolyPoint> points;
  for (std::size_t i = 0; i < s.points.size(); ++i)
    points.push_back({s.points[i].first, s.points[i].second, s.relative && i > 0});
  if (s.closed && !s.points.empty()) {
    auto [x, y] = s.close_at.value_or(s.points.front());
    points.push_back({x, y, false});
  }
  RtDrawPolyline(target, points, p.color, p.fill >= 0, p.fill);
}

BlinkItem BlinkText(double x, double y, std::string text, CounterColours color, int scale) {
  return BlinkItem{TextStep{x, y, std::move(text), -1, scale, scale}, std::move(color), {}};
}

BlinkItem BlinkLine(double x1, double y1, double x2, double y2, CounterColours color) {
  return BlinkItem{LineStep{x1, y1, x2, y2}, std::move(color), {}};
}

BlinkItem BlinkPolygon(Shape shape, CounterColours outline, CounterColours fill) {
  return BlinkItem{PolygonStep{std::move(shape)}, std::move(outline), std::move(fill)};
}

Step Blink(int first, int last, std::vector<BlinkItem> items, float pause) {
  return BlinkStep{std::move(items), first, last, pause};
}

Step Dotted() { return DrawStyleStep{2}; }

Step Solid() { return DrawStyleStep{0}; }

Step Face(std::string face) { return FontNameStep{std::move(face)}; }

void Append(Steps& to, const Steps& more) { to.insert(to.end(), more.begin(), more.end()); }

std::string ProblemLabel(int n) { return "(" + std::to_string(n) + ")"; }

Step SetExpected(int slot, std::string text) {
  return Call([slot, text = std::move(text)](Frame& f) {
    f.state().ExpectedAnswer[static_cast<std::size_t>(slot)] = text;
  });
}

Step SetOperand(float value) {
  return Call([value](Frame& f) { f.state().ProblemOperand = value; });
}

Step SetWavFile(std::string text) {
  return Call([text = std::move(text)](Frame& f) { f.state().WavFile = text; });
}

}  // namespace ham::frame
