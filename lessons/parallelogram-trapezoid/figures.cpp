// Figure steps of the parallelogram and trapezoid lesson's pages and
// problems: the draw mode, the logical window, blinks by the counter.
#include "lessons/parallelogram-trapezoid/lesson.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

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
