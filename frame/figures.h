// Helpers the lessons' scripts share, beside the step constructors of
// frame/lesson.h: arcs, line styles, font faces, polygons, blinks, longer
// step lists, and the label and values a problem sets up.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/lesson.h"

namespace ham {
class Canvas;
}  // namespace ham

namespace ham::frame {

using Points = std::vector<std::pair<double, double>>;

// Shapes of polygons: through absolute points or from (x, y) by steps from
// point to point; closed by a line back to the first point (or to
// `close_at`), or left open.
Shape Closed(Points corners);
Shape ClosedBySteps(double x, double y, Points steps,
                    std::optional<std::pair<double, double>> close_at = std::nullopt);
Shape Open(Points points);
Shape OpenBySteps(double x, double y, Points steps);

// A shape outlined in `outline` and, when fill >= 0, filled in `fill`.
Step Polygon(Shape shape, int outline, int fill = -1);
// An open chain through absolute points (an arrowhead: tip in the middle).
Step Polyline(Points points, int color = -1);
// A polygon step drawn on a target of the lesson's own (a drawing sheet).
void DrawPolygon(Canvas* target, const PolygonStep& p);

// Items of a blink: a text (twice the size when `scale` is 2), a line, a
// polygon outlined and, when `fill` chooses, filled by the counter.
BlinkItem BlinkText(double x, double y, std::string text, CounterColours color, int scale = 1);
BlinkItem BlinkLine(double x1, double y1, double x2, double y2, CounterColours color);
BlinkItem BlinkPolygon(Shape shape, CounterColours outline, CounterColours fill = {});
// Passes for the counter from `first` to `last`, each followed by a pause.
Step Blink(int first, int last, std::vector<BlinkItem> items, float pause);

// An arc of the ellipse with radius r (vertical radius r * aspect) from
// `start` to `end`, fractions of a turn; a dimension bracket is dotted.
Step Arc(double x, double y, double r, double aspect, double start, double end, int color = 7);

// Draw style of the lines and arcs that follow: dotted or solid.
Step Dotted();
Step Solid();

// Font face of the texts that follow: "ＭＳ 明朝", "標準明朝".
Step Face(std::string face);

// Steps added at the end of a script.
void Append(Steps& to, const Steps& more);

// A problem's number as printed before its question: "(3)".
std::string ProblemLabel(int n);

// Values kept when a problem is set up: ExpectedAnswer[slot], the number
// a question prints (ProblemOperand) and the text it prints, kept in the
// sound-file string (WavFile).
Step SetExpected(int slot, std::string text);
Step SetOperand(float value);
Step SetWavFile(std::string text);

}  // namespace ham::frame
