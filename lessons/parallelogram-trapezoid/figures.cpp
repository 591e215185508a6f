// Figure steps of the parallelogram and trapezoid lesson's pages and
// problems: the draw mode and the logical window.
#include "lessons/parallelogram-trapezoid/lesson.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

Step DrawMode(int mode) { return DrawModeStep{mode}; }
Step Window(double x2, double y2) { return WindowStep{0, 0, x2, y2}; }

}  // namespace ham::lessons::parallelogram_trapezoid
