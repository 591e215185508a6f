// The polygon-area lesson: "多角形の面積"; its pages and the figure steps
// they share: the blinks of lines, polygons and texts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& PolygonAreaLesson();

}  // namespace ham::lessons

namespace ham::lessons::polygon_area {

// The lesson as the frame runs it; PolygonAreaLesson() holds it.
frame::Lesson Build();

using Points = std::vector<std::pair<double, double>>;

frame::Step Window479();             // logical window (0,0)-(639,479)

// One element of a blink, drawn once per pass in the colour the counter selects.
struct Blinking {
  enum class Kind { kLine, kPolygon, kText } kind = Kind::kLine;
  Points points;          // line: two points; polygon: the closed chain
  std::string text;       // text: drawn at points[0]
  int on_even = 0, on_odd = 0;
  int outline = -1;       // polygon: outline colour of every pass
};

Blinking BlinkLine(double x1, double y1, double x2, double y2, int on_even, int on_odd);
// A polygon filled `fill` on an odd counter and 0 on an even one, outlined `outline`.
Blinking BlinkPolygon(Points points, int fill, int outline);
Blinking BlinkText(double x, double y, std::string text, int on_even, int on_odd);

// Passes for the counter from `first` to `last`, each followed by a pause.
frame::Step BlinkSteps(int first, int last, std::vector<Blinking> items, float pause);

frame::ExplanationPage Page1();
frame::ExplanationPage Page2();
frame::ExplanationPage Page3();
frame::ExplanationPage Page5();
frame::ExplanationPage Page6();

frame::PracticePage Practice1();  // page 4
frame::PracticePage Practice2();  // page 7

}  // namespace ham::lessons::polygon_area
